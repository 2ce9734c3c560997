#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/Edit.h"

namespace dorvane::test {
namespace {

TEST(Edit, ChangeFollowsTextSetByCodeAndByTyping) {
    TestForm form;
    TsuiEdit edit(form.Handle(), "suiEditWebName", 72, 200, 433, 21);
    EventLog log;
    edit.OnChange = [&] { log.push_back("change " + edit.Text()); };
    edit.SetText("N/A");
    edit.SetSelection(3, 0);
    SendMessageA(edit.Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(log, (EventLog{"change N/A", "change N/Ax"}));
}

TEST(Edit, KeyPressCanSwallowOrReplaceAKey) {
    TestForm form;
    TsuiEdit edit(form.Handle(), "suiEditWebAddr", 72, 232, 433, 21);
    EventLog keys;
    edit.OnKeyPress = [&](char& key) {
        keys.push_back(std::string(1, key == '\r' ? 'R' : key));
        if (key == '\r') key = 0;        // Enter moves on instead of typing
        else if (key == 'a') key = 'b';
    };
    SendMessageA(edit.Handle(), WM_CHAR, 'a', 0);
    SendMessageA(edit.Handle(), WM_CHAR, '\r', 0);
    SendMessageA(edit.Handle(), WM_CHAR, 'c', 0);
    // The Enter key of the keyboard reaches the handler past the dialog
    // manager, which would take it for a default button.
    MSG enter{};
    enter.hwnd = edit.Handle();
    enter.message = WM_KEYDOWN;
    enter.wParam = VK_RETURN;
    IsDialogMessageA(form.Handle(), &enter);
    MSG queued;
    while (PeekMessageA(&queued, edit.Handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&queued);
    EXPECT_EQ(keys, (EventLog{"a", "R", "c", "R"}));
    // A character the handler leaves alone is typed whole.
    SendMessageW(edit.Handle(), WM_CHAR, 0x0439, 0);
    EXPECT_EQ(edit.CaptionWide(), L"bc\x0439");
}

TEST(Edit, SelectionAndFocusEvents) {
    TestForm form;
    TsuiEdit name(form.Handle(), "name", 10, 10, 200, 21, "N/A");
    TsuiEdit addr(form.Handle(), "addr", 10, 40, 200, 21, "http://x");
    EventLog log;
    name.OnEnter = [&] { log.push_back("enter name"); };
    name.OnExit = [&] { log.push_back("exit name"); };
    addr.OnEnter = [&] { log.push_back("enter addr"); };
    name.SetFocus();
    addr.SetFocus();
    EXPECT_EQ(log, (EventLog{"enter name", "exit name", "enter addr"}));
    EXPECT_TRUE(addr.Focused());
    EXPECT_FALSE(name.Focused());

    name.SelectAll();
    EXPECT_EQ((std::vector<int>{name.SelStart(), name.SelLength()}), (std::vector<int>{0, 3}));
    name.SetSelection(3, 0);
    EXPECT_EQ((std::vector<int>{name.SelStart(), name.SelLength()}), (std::vector<int>{3, 0}));
}

}  // namespace
}  // namespace dorvane::test
