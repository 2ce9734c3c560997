#include "audio/FoundwindowSearch.h"
#include <cstring>

namespace dorvane {
namespace {

constexpr char kDialogClass[] = "#32770";

bool ClassIs(HWND window, const char* name) {
    char buffer[64] = {};
    return GetClassNameA(window, buffer, sizeof buffer) > 0 && std::strcmp(buffer, name) == 0;
}

// The panel is another process: a send that it leaves unanswered for long
// is given up, or the worker (and the mixer waiting for it) would hang
// with it.
LRESULT SendToPanel(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT failed = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wp, lp, SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &result)) return failed;
    return static_cast<LRESULT>(result);
}

TPanelSearch& StateOf(LPARAM param) { return *reinterpret_cast<TPanelSearch*>(param); }

BOOL CALLBACK CountList(HWND window, LPARAM param) {
    if (!ClassIs(window, "ComboBox")) return TRUE;
    TPanelSearch& s = StateOf(param);
    switch (GetDlgCtrlID(window)) {
        case kPlaybackListId: s.Playback = window; ++s.Lists; break;
        case kRecordingListId: s.Recording = window; ++s.Lists; break;
        case kThirdListId: s.Third = window; ++s.Lists; break;
        default: break;
    }
    return TRUE;
}

BOOL CALLBACK VisitPage(HWND window, LPARAM param) {
    if (ClassIs(window, kDialogClass)) EnumChildWindows(window, CountList, param);
    return TRUE;
}

BOOL CALLBACK CountButton(HWND window, LPARAM param) {
    if (!ClassIs(window, "Button")) return TRUE;
    TPanelSearch& s = StateOf(param);
    switch (GetDlgCtrlID(window)) {
        case IDOK: s.Ok = window; ++s.Buttons; break;
        case IDCANCEL: s.Cancel = window; ++s.Buttons; break;
        default: break;
    }
    return TRUE;
}

void Operate(TPanelSearch& s) {
    if (s.SetMode) {
        SelectListEntry(s.Playback, s.OutIndex);
        SelectListEntry(s.Recording, s.InIndex);
        // The third list is selected again as it stands, so that the page
        // takes the change without altering it.
        SelectListEntry(s.Third, ListSelection(s.Third));
        ClickButton(s.Ok);
    } else {
        s.OutIndex = ListSelection(s.Playback);
        s.InIndex = ListSelection(s.Recording);
        ClickButton(s.Cancel);
    }
}

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
    if (!ClassIs(window, kDialogClass)) return TRUE;
    TPanelSearch& s = StateOf(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != s.ProcessId) return TRUE;
    s.Lists = s.Buttons = 0;
    s.Playback = s.Recording = s.Third = s.Ok = s.Cancel = nullptr;
    EnumChildWindows(window, VisitPage, param);
    EnumChildWindows(window, CountButton, param);
    // Any other shape is another program's, or another version's panel:
    // operating it blindly could change what the user never asked for.
    if (s.Lists != 3 || s.Buttons != 2 || !s.Playback || !s.Recording || !s.Third || !s.Ok || !s.Cancel)
        return TRUE;
    Operate(s);
    s.Found = true;
    return FALSE;
}

BOOL CALLBACK CancelIn(HWND window, LPARAM) {
    if (ClassIs(window, "Button") && GetDlgCtrlID(window) == IDCANCEL) ClickButton(window);
    return TRUE;
}

BOOL CALLBACK CleanUpTopLevel(HWND window, LPARAM) {
    if (ClassIs(window, kDialogClass)) EnumChildWindows(window, CancelIn, 0);
    return TRUE;
}

HDESK ThreadDesktop() { return GetThreadDesktop(GetCurrentThreadId()); }

}  // namespace

bool TPanelSearch::Pass() {
    EnumDesktopWindows(ThreadDesktop(), VisitTopLevel, reinterpret_cast<LPARAM>(this));
    return Found;
}

void CleanUpPanels() { EnumDesktopWindows(ThreadDesktop(), CleanUpTopLevel, 0); }

void SelectListEntry(HWND list, int entry) {
    // Keyboard message fields: repeat count 1, the key's scan code, the
    // extended-key bit; a key-up also has the previous-state and
    // transition bits.
    SendToPanel(list, WM_KEYDOWN, VK_UP, static_cast<LPARAM>(0x01480001u));
    SendToPanel(list, WM_KEYUP, VK_UP, static_cast<LPARAM>(0xC1480001u));
    SendToPanel(list, WM_KEYDOWN, VK_DOWN, static_cast<LPARAM>(0x01500001u));
    SendToPanel(list, WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC1500001u));
    SendToPanel(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendToPanel(list, WM_KILLFOCUS, 0, 0);
}

int ListSelection(HWND list) { return static_cast<int>(SendToPanel(list, CB_GETCURSEL, 0, 0, CB_ERR)); }

void ClickButton(HWND button) {
    SendToPanel(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendToPanel(button, WM_LBUTTONUP, 0, 0);
    SendToPanel(button, WM_KILLFOCUS, 0, 0);
}

}  // namespace dorvane
