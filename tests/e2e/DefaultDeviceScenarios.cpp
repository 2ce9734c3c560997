// The default-device button of the real panel. On XP its worker drives the
// stand-in Sound control panel on a hidden desktop and the button names the
// panel's default device; a click opens the panel on the user's desktop. On
// Vista the simulated endpoints' default mark decides, and a new default
// reaches the button through the device-change refresh.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "EndpointSimClient.h"
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "SoundDevices.h"
#include "SoundPanelLog.h"
#include "WindowText.h"
#include "controls/Handles.h"

namespace dorvane::testing {
namespace {
using dorvane::soundpanel::TDeviceKind;
using dorvane::test::DialogsOn;
using dorvane::test::ProcessEnded;
using dorvane::test::SoundPanelInstalled;
using dorvane::test::SoundPanelLog;
using endpointsim::TEndpointSimClient;

// The audio page's only push button: the one beside the volume group.
HWND SysAudioOutButton(HWND form) {
    const std::vector<HWND> bars = Descendants(form, TRACKBAR_CLASSA);
    if (bars.empty()) return nullptr;
    const HWND page = GetParent(GetParent(bars.front()));
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(name, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) return child;
    }
    return nullptr;
}

// The Windows version Wine reports to the panel, for one scope.
class ReportedVersion {
public:
    explicit ReportedVersion(const char* version) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\DorvaneUI.exe", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key_.Put(), nullptr);
        char old[32] = {};
        DWORD size = sizeof old - 1;
        had_ = RegQueryValueExA(key_.get(), "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
               ERROR_SUCCESS;
        old_ = old;
        Set(version);
    }
    ~ReportedVersion() {
        if (had_) Set(old_.c_str());
        else RegDeleteValueA(key_.get(), "Version");
    }
    ReportedVersion(const ReportedVersion&) = delete;
    ReportedVersion& operator=(const ReportedVersion&) = delete;

private:
    void Set(const char* version) {
        RegSetValueExA(key_.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(lstrlenA(version) + 1));
    }
    RegKey key_;
    bool had_ = false;
    std::string old_;
};

// Wine's default playback device, for the programs started in one scope.
class WineDefaultPlayback {
public:
    explicit WineDefaultPlayback(int device) : old_(soundpanel::WineDefaultDevice(TDeviceKind::Playback)) {
        const std::wstring id = soundpanel::WaveDeviceId(TDeviceKind::Playback, device);
        soundpanel::SetWineDefaultDevice(TDeviceKind::Playback, id);
    }
    ~WineDefaultPlayback() { soundpanel::SetWineDefaultDevice(TDeviceKind::Playback, old_); }
    WineDefaultPlayback(const WineDefaultPlayback&) = delete;
    WineDefaultPlayback& operator=(const WineDefaultPlayback&) = delete;

private:
    std::wstring old_;
};

// The top-level dialog of a process on this desktop.
HWND DialogOf(DWORD process) {
    std::pair<DWORD, HWND> found{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM p) -> BOOL {
            auto& f = *reinterpret_cast<std::pair<DWORD, HWND>*>(p);
            char name[16] = {};
            DWORD owner = 0;
            GetClassNameA(window, name, sizeof name);
            GetWindowThreadProcessId(window, &owner);
            if (owner != f.first || lstrcmpA(name, "#32770") != 0) return TRUE;
            f.second = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.second;
}

class DefaultDeviceScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    }
};

TEST_F(DefaultDeviceScenario, OnXpTheButtonNamesThePanelsDefaultAndAClickOpensThePanelForTheUser) {
    if (!SoundPanelInstalled()) GTEST_SKIP() << "no mmsys.cpl in the system folder";
    const std::vector<std::wstring> outputs = soundpanel::DeviceNames(TDeviceKind::Playback);
    int usb = -1;
    for (int i = 0; i < static_cast<int>(outputs.size()); ++i)
        if (outputs[i] == L"USB Audio Device") usb = i;
    if (usb < 0 || outputs.size() < 2) GTEST_SKIP() << "no \"USB Audio Device\" among several playback devices";
    WineDefaultPlayback phone(usb);
    ReportedVersion xp("winxp");
    SoundPanelLog log;

    PanelProcess panel;
    const HWND form = WaitForPanelForm();
    ASSERT_NE(nullptr, form);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));
    const HWND button = SysAudioOutButton(form);
    ASSERT_NE(nullptr, button);
    EXPECT_TRUE(PumpUntil([&] { return WideTextOf(button) == L"USB Audio Device"; }, 20000)) << WideTextOf(button).size();
    EXPECT_TRUE(IsWindowEnabled(button));
    // The query's panel: on a desktop of its own, cancelled, and gone.
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(0u, lines[0].rfind("shown pid=* desktop=Vob desktop ", 0)) << lines[0];
    EXPECT_NE(std::string::npos, lines[0].find(" lists=3 ")) << lines[0];
    EXPECT_EQ("cancel", lines[1]);
    EXPECT_TRUE(ProcessEnded(log.Panel(0)));
    EXPECT_EQ(0, DialogsOn(log.Desktop(0), log.Panel(0)));

    // A click: the panel on the user's desktop, for the user to see, and
    // left to the user.
    PostMessageA(button, BM_CLICK, 0, 0);
    lines = log.WaitForLines(3);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(0u, lines[2].rfind("shown pid=* desktop=Default lists=3 ", 0)) << lines[2];
    const DWORD shown = log.Panel(1);
    HWND dialog = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (dialog = DialogOf(shown)) != nullptr && IsWindowVisible(dialog); }, 5000));
    EXPECT_FALSE(ProcessEnded(shown, 300));
    // The user closes it.
    if (dialog) PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ("cancel", log.WaitForLines(4).back());
    EXPECT_TRUE(ProcessEnded(shown));
}

TEST_F(DefaultDeviceScenario, OnVistaTheButtonNamesTheDefaultEndpointAndFollowsANewDefault) {
    TEndpointSimClient sim;
    ASSERT_TRUE(sim.Ok());
    sim.Reset();
    sim.SetDefault(0, sim.Find(0, L"Speakers (USB Audio Device)"));
    PanelProcess panel({}, EndpointSimFolder());
    const HWND form = WaitForPanelForm();
    ASSERT_NE(nullptr, form);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));
    const HWND button = SysAudioOutButton(form);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(L"Speakers (USB Audio Device)", WideTextOf(button));
    EXPECT_TRUE(IsWindowEnabled(button));

    sim.SetDefault(0, sim.Find(0, L"Speakers (High Definition Audio Device)"));
    EXPECT_TRUE(PumpUntil([&] { return WideTextOf(button) == L"Speakers (High Definition Audio Device)"; }, 5000));
}

}  // namespace
}  // namespace dorvane::testing
