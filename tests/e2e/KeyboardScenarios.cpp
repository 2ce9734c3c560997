// The keyboard in the real panel's window, pressed as a user presses it:
// Tab and Shift+Tab walk the shown page's controls.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"
#include "link/KeypadKeys.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {
using dorvane::test::TempFolder;

HWND FocusOf(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndFocus;
}

// A key pressed and released on the keyboard (with Shift held, if asked);
// it goes to the focused window of the window in front.
void Press(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = flags;
        inputs.push_back(in);
    };
    if (shift) add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool Within(HWND ancestor, HWND window) { return window == ancestor || IsChild(ancestor, window); }

TEST(KeyboardScenario, TabAndShiftTabWalkTheShownPageOnly) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    TempFolder program;
    ASSERT_TRUE(CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program.Path() + "\\DorvaneUI.exe").c_str(), FALSE));
    phonesim::ServiceConfig config;
    config.phone_present = true;
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({}, program.Path());
    const HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    RunPanelToEnd({});
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && GetForegroundWindow() == form; }, 3000));

    std::vector<HWND> edits = Descendants(form, "Edit"), radios, strips = Descendants(form, "SysTabControl32");
    for (HWND b : Descendants(form, "Button"))
        if ((GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON) radios.push_back(b);
    ASSERT_EQ(edits.size(), 2u);
    ASSERT_EQ(radios.size(), 5u);
    ASSERT_EQ(strips.size(), 1u);
    std::sort(edits.begin(), edits.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    const HWND name = edits[0], address = edits[1], strip = strips[0], website_page = GetParent(name);

    // Entry 1 takes the focus to its name; Tab and Shift+Tab go round the
    // fields and the tab strip (the save button is off until an edit).
    SendMessageA(radios[1], BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == name; }, 2000));
    std::vector<HWND> visited;
    for (bool shift : {false, false, false, true, true, true}) {
        const HWND before = FocusOf(form);
        Press(VK_TAB, shift);
        PumpUntil([&] { return FocusOf(form) != before; }, 2000);
        visited.push_back(FocusOf(form));
    }
    EXPECT_EQ(visited, (std::vector<HWND>{address, strip, name, strip, address, name}));

    // The keypad turns the page under the focused name field: Tab then walks
    // the new page only, and comes round again.
    SendMessageA(radios[2], BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == name; }, 2000));
    service.KeyDown(kKeyPage);
    service.KeyUp();
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(website_page); }, 3000));
    std::vector<HWND> round{FocusOf(form)};
    for (int i = 0; i < 8 && (round.size() < 2 || round.back() != round.front()); ++i) {
        Press(VK_TAB);
        PumpUntil([&] { return FocusOf(form) != round.back(); }, 2000);
        round.push_back(FocusOf(form));
    }
    EXPECT_EQ(round.back(), round.front()) << "Tab does not come round";
    EXPECT_NE(std::find(round.begin(), round.end(), strip), round.end());
    for (HWND focus : round) {
        EXPECT_TRUE(focus && IsWindowVisible(focus) && !Within(website_page, focus)) << focus;
    }
}

}  // namespace
}  // namespace dorvane::testing
