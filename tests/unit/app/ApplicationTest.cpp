// The application object: its window, the loop, the hook, the error box.
#include <gtest/gtest.h>
#include <stdexcept>
#include "PeerWindow.h"
#include "app/Application.h"
#include "app/ErrorReport.h"
#include "controls/Handles.h"
#include "controls/Timer.h"

namespace dorvane::testing {
namespace {

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersSortingAfterIt) {
    struct Case {
        const char* message;
        const char* text;
    } cases[] = {
        {"Cannot open file", "Cannot open file."},
        {"Done.", "Done."},
        {"", ""},
        {"Stop!", "Stop!"},      // "!" sorts before "."
        {"a-", "a-"},            // so does "-"
        {"path c:/", "path c:/."},  // "/" sorts after "."
        {"42", "42."},
        {"\xA4\xA4", "\xA4\xA4."},  // a double-byte character's last byte
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.text) << c.message;
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Initialize();
        app.SetTitle("Dorvane UI");
        app.ShowErrorBox = [this](const std::string& text, const std::string& caption) {
            boxes.push_back(caption + "|" + text);
        };
    }
    void TearDown() override { TakeQuit(); }
    TApplication app;
    std::vector<std::string> boxes;
};

TEST_F(ApplicationTest, TheApplicationWindowIsFoundByClassAndTitle) {
    char cls[64] = {};
    GetClassNameA(app.Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TApplication");
    char title[64] = {};
    GetWindowTextA(app.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Dorvane UI");
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
    EXPECT_EQ(FindWindowA("TApplication", "Dorvane UI"), app.Handle());
}

TEST_F(ApplicationTest, TheHookSeesEveryQueuedMessageBeforeDispatch) {
    std::vector<UINT> seen;
    app.OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.hwnd == app.Handle() && msg.message >= WM_APP) {
            seen.push_back(msg.message);
            handled = msg.message == WM_APP + 2;  // swallowed
        }
    };
    PostMessageA(app.Handle(), WM_APP + 1, 0, 0);
    PostMessageA(app.Handle(), WM_APP + 2, 0, 0);
    PostMessageA(app.Handle(), WM_APP + 3, 0, 0);
    app.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
}

TEST_F(ApplicationTest, TerminateEndsTheLoopAfterTheQueuedMessages) {
    std::vector<UINT> seen;
    app.OnMessage = [&](MSG& msg, bool&) {
        if (msg.message >= WM_APP) seen.push_back(msg.message);
    };
    PostMessageA(app.Handle(), WM_APP + 1, 0, 0);
    app.Terminate();
    PostMessageA(app.Handle(), WM_APP + 2, 0, 0);
    app.Run();  // returns: the quit request is in the queue
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
}

TEST_F(ApplicationTest, AnExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
    TTimer failing(100000, false);
    int ticks = 0;
    failing.OnTimer = [&] {
        ++ticks;
        if (ticks == 1) throw std::runtime_error("Device not ready");
        if (ticks == 2) throw 42;
        failing.Stop();
        app.Terminate();
    };
    failing.Start();
    // Ticks delivered by hand; the third ends the loop.
    SendMessageA(failing.Handle(), WM_TIMER, 1, 0);
    SendMessageA(failing.Handle(), WM_TIMER, 1, 0);
    SendMessageA(failing.Handle(), WM_TIMER, 1, 0);
    app.Run();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(boxes, (std::vector<std::string>{"Dorvane UI|Device not ready.", "Dorvane UI|"}));
}

// Keys in the dialog window work as in a dialog box, unless the hook keeps a
// key from the dialog manager: taken, or typed into its window as it is.
TEST_F(ApplicationTest, KeysOfTheDialogWindowGoThroughTheDialogManager) {
    WindowHandle form(CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "form", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300,
                                      200, nullptr, nullptr, nullptr, nullptr));
    HWND fields[3] = {}, radios[2] = {};
    for (int i = 0; i < 3; ++i)
        fields[i] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10 + 30 * i, 200, 24,
                                    form.get(), nullptr, nullptr, nullptr);
    for (int i = 0; i < 2; ++i)
        radios[i] = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON, 220,
                                    10 + 30 * i, 60, 24, form.get(), nullptr, nullptr, nullptr);
    app.SetDialogWindow(form.get());
    KeyUse answer = KeyUse::Dialog;
    int offered = 0;
    app.OnDialogKey = [&](MSG&) {
        ++offered;
        return answer;
    };
    SetForegroundWindow(form.get());
    SetFocus(fields[0]);
    const struct {
        KeyUse answer;
        HWND to;
        UINT message;
        WPARAM key;
        HWND focus;
        int length;  // of the field's text, -1: not looked at
    } cases[] = {
        {KeyUse::Dialog, fields[0], WM_KEYDOWN, VK_TAB, fields[1], 0},
        {KeyUse::Dialog, fields[1], WM_CHAR, 'a', fields[1], 1},
        {KeyUse::Taken, fields[1], WM_CHAR, 'b', fields[1], 1},
        {KeyUse::Typed, fields[1], WM_KEYDOWN, VK_TAB, fields[1], -1},
        {KeyUse::Dialog, fields[1], WM_KEYDOWN, VK_TAB, fields[2], -1},
        {KeyUse::Dialog, fields[2], WM_KEYDOWN, VK_TAB, radios[0], -1},
        // The arrows stay with the control (no ungrouped wandering).
        {KeyUse::Dialog, radios[0], WM_KEYDOWN, VK_DOWN, radios[0], -1},
    };
    for (const auto& c : cases) {
        answer = c.answer;
        PostMessageA(c.to, c.message, c.key, 1);
        app.ProcessMessages();
        EXPECT_EQ(GetFocus(), c.focus) << c.message << " " << c.key;
        if (c.length >= 0) {
            EXPECT_EQ(GetWindowTextLengthA(c.to), c.length) << c.message << " " << c.key;
        }
    }
    // Windows outside the dialog window keep their keys to themselves.
    const int before = offered;
    PostMessageA(app.Handle(), WM_KEYDOWN, VK_TAB, 1);
    app.ProcessMessages();
    EXPECT_EQ(offered, before);
    app.SetDialogWindow(nullptr);
}

TEST_F(ApplicationTest, SystemMenuMinimizeAndRestoreReachTheirHandlers) {
    std::vector<std::string> calls;
    app.OnMinimize = [&] { calls.push_back("minimize"); };
    app.OnRestore = [&] { calls.push_back("restore"); };
    SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"minimize", "restore"}));
}

}  // namespace
}  // namespace dorvane::testing
