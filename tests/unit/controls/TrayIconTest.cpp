#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/TrayIcon.h"

namespace dorvane::test {
namespace {

// Records every shell call as one line and passes it on to the real shell.
class TrayIconTest : public ::testing::Test {
protected:
    EventLog calls;
    std::vector<HICON> icons;
    std::unique_ptr<TTrayIcon> tray;

    void SetUp() override {
        tray = std::make_unique<TTrayIcon>(7, [this](DWORD message, NOTIFYICONDATAA& data) {
            calls.push_back(Describe(message, data));
            return Shell_NotifyIconA(message, &data);
        });
        for (int i = 0; i < 3; ++i) {
            IconHandle icon(CopyIcon(LoadIcon(nullptr, i == 0 ? IDI_APPLICATION : i == 1 ? IDI_INFORMATION : IDI_WARNING)));
            icons.push_back(icon.get());
            tray->Icons().Add(std::move(icon));
        }
    }
    std::string Describe(DWORD message, const NOTIFYICONDATAA& data) const {
        std::string line = message == NIM_ADD ? "add" : message == NIM_MODIFY ? "modify" : message == NIM_DELETE ? "delete" : "?";
        if (data.cbSize != NOTIFYICONDATAA_V2_SIZE || data.uID != 7) line += " bad-header";
        if (message == NIM_DELETE) return line;
        if (data.uFlags & NIF_ICON) {
            int index = -1;
            for (size_t i = 0; i < icons.size(); ++i)
                if (icons[i] == data.hIcon) index = static_cast<int>(i);
            line += " icon=" + std::to_string(index);
        }
        if (data.uFlags & NIF_TIP) line += std::string(" tip=") + data.szTip;
        if (data.uFlags & NIF_MESSAGE) line += data.uCallbackMessage == TTrayIcon::kCallbackMessage ? " msg" : " bad-msg";
        return line;
    }
};

TEST_F(TrayIconTest, ImageIndexChangesTheIconOnlyWhenItDiffers) {
    tray->SetImageIndex(0);
    tray->SetHint("USB Phone Control Panel");
    tray->SetVisible(true);
    EXPECT_FALSE(tray->SetImageIndex(0));
    EXPECT_TRUE(tray->SetImageIndex(2));
    tray->SetImageIndex(2);
    tray->SetImageIndex(1);
    EXPECT_EQ(calls, (EventLog{"add icon=0 tip=USB Phone Control Panel msg", "modify icon=2", "modify icon=1"}));
    EXPECT_EQ(tray->ImageIndex(), 1);
}

TEST_F(TrayIconTest, HintOf64CharactersOrMoreLeavesTheTipUnchanged) {
    tray->SetVisible(true);
    calls.clear();
    const std::string fits(63, 'a');
    const std::string too_long(64, 'b');
    EXPECT_TRUE(tray->SetHint("short"));
    EXPECT_TRUE(tray->SetHint(fits));
    EXPECT_FALSE(tray->SetHint(too_long));
    EXPECT_EQ(calls, (EventLog{"modify tip=short", "modify tip=" + fits}));
    EXPECT_EQ(tray->Hint(), fits);
}

TEST_F(TrayIconTest, HiddenIconMakesNoShellCallsAndIsRemovedOnce) {
    tray->SetImageIndex(1);
    tray->SetHint("x");
    tray->SetVisible(true);
    tray->SetVisible(false);
    tray->SetVisible(false);
    tray->SetImageIndex(2);
    tray.reset();  // hidden: nothing left to remove
    EXPECT_EQ(calls, (EventLog{"add icon=1 tip=x msg", "delete"}));
}

TEST_F(TrayIconTest, AddedAgainWhenTheTaskbarIsCreatedAndRemovedAtTheEnd) {
    tray->SetImageIndex(0);
    tray->SetVisible(true);
    SendMessageA(tray->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    tray.reset();
    EXPECT_EQ(calls, (EventLog{"add icon=0 tip= msg", "add icon=0 tip= msg", "delete"}));
}

TEST_F(TrayIconTest, CallbackReportsButtonsWithTheCursorPosition) {
    EventLog log;
    POINT cursor{};
    GetCursorPos(&cursor);
    const std::string at = std::to_string(cursor.x) + "," + std::to_string(cursor.y);
    tray->OnMouseUp = [&](TTrayIcon::MouseButton b, POINT p) {
        log.push_back(std::string(b == TTrayIcon::MouseButton::Left ? "up left " : b == TTrayIcon::MouseButton::Right ? "up right " : "up middle ") +
                      std::to_string(p.x) + "," + std::to_string(p.y));
    };
    tray->OnDblClick = [&] { log.push_back("dblclick"); };
    auto send = [&](UINT id, UINT mouse) { SendMessageA(tray->Handle(), TTrayIcon::kCallbackMessage, id, mouse); };
    send(7, WM_MOUSEMOVE);
    send(7, WM_LBUTTONDOWN);
    send(7, WM_LBUTTONUP);
    send(7, WM_LBUTTONDBLCLK);
    send(7, WM_LBUTTONUP);
    send(7, WM_RBUTTONUP);
    send(8, WM_RBUTTONUP);  // another icon's id
    send(7, WM_MBUTTONUP);
    EXPECT_EQ(log, (EventLog{"up left " + at, "dblclick", "up left " + at, "up right " + at, "up middle " + at}));
}

TEST(TrayIconShell, RealShellTakesTheIcon) {
    TTrayIcon tray(3);
    tray.Icons().Add(IconHandle(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION))));
    tray.SetImageIndex(0);
    tray.SetHint("Dorvane UI");
    tray.SetVisible(true);
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = tray.Handle();
    data.uID = 3;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "still there");
    // Modifying works only for an icon the shell holds.
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

}  // namespace
}  // namespace dorvane::test
