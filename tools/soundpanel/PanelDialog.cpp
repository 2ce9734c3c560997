#include "PanelDialog.h"
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>
#include "PanelLog.h"
#include "SoundDevices.h"
#include "SoundPanelIds.h"

namespace dorvane::soundpanel {
namespace {

constexpr UINT kShowMessage = WM_APP + 1;

struct TList {
    int id;
    TDeviceKind kind;
    bool changed;
    // Asked before the dialog exists: winmm may let other threads' messages
    // in while it looks, and the dialog must not be seen half filled.
    std::vector<std::wstring> names;
    int preferred;
};

struct TPanel {
    HINSTANCE instance = nullptr;
    HWND page = nullptr;
    // DORVANE_SOUNDPANEL_LISTS=2 leaves the MIDI list out: a panel of
    // another shape, which a program driving the panel must not operate.
    int lists = 3;
    TList list[3] = {{IDC_PLAYBACK_LIST, TDeviceKind::Playback, false, {}, -1},
                     {IDC_RECORDING_LIST, TDeviceKind::Recording, false, {}, -1},
                     {IDC_MIDI_LIST, TDeviceKind::Midi, false, {}, -1}};

    int Selection(int id) const {
        HWND box = GetDlgItem(page, id);
        return box ? static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)) : -1;
    }
};

int ListCountSetting() {
    wchar_t value[8] = {};
    const DWORD n = GetEnvironmentVariableW(L"DORVANE_SOUNDPANEL_LISTS", value, 8);
    return n > 0 && n < 8 && value[0] == L'2' && value[1] == 0 ? 2 : 3;
}

std::string DesktopName() {
    char name[128] = {};
    DWORD needed = 0;
    GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name - 1, &needed);
    return name;
}

std::string Format(const char* format, ...) {
    char buffer[512] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

void Fill(HWND page, const TList& list) {
    HWND box = GetDlgItem(page, list.id);
    for (const std::wstring& name : list.names)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(list.preferred), 0);
}

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    auto* panel = reinterpret_cast<TPanel*>(GetWindowLongPtrW(page, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(page, DWLP_USER, lp);
            return TRUE;
        case WM_COMMAND:
            // The page notices a new choice the way a person makes it: a
            // selection change of a list.
            if (panel && HIWORD(wp) == CBN_SELCHANGE) {
                for (TList& list : panel->list) {
                    if (list.id != LOWORD(wp) || list.changed) continue;
                    list.changed = true;
                    PanelLog(Format("changed %d", list.id));
                }
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void CreatePage(HWND dialog, TPanel& panel) {
    // The page is made whole from its template: a program searching for
    // the panel never sees it with lists still to come or to go.
    const int page = panel.lists == 2 ? IDD_DEVICEPAGE_TWO : IDD_DEVICEPAGE;
    panel.page = CreateDialogParamW(panel.instance, MAKEINTRESOURCEW(page), dialog, PageProc,
                                    reinterpret_cast<LPARAM>(&panel));
    if (!panel.page) return;
    RECT at{6, 6, 0, 0};
    MapDialogRect(dialog, &at);
    SetWindowPos(panel.page, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < panel.lists; ++i) Fill(panel.page, panel.list[i]);
}

void Apply(TPanel& panel) {
    std::string changed;
    for (const TList& list : panel.list)
        if (list.changed) changed += (changed.empty() ? "" : ",") + std::to_string(list.id);
    PanelLog(Format("ok out=%d in=%d third=%d changed=%s", panel.Selection(IDC_PLAYBACK_LIST),
                    panel.Selection(IDC_RECORDING_LIST), panel.Selection(IDC_MIDI_LIST), changed.c_str()));
    for (const TList& list : panel.list)
        if (list.changed) MakeDefault(list.kind, panel.Selection(list.id));
}

INT_PTR CALLBACK PanelProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* panel = reinterpret_cast<TPanel*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lp);
            panel = reinterpret_cast<TPanel*>(lp);
            CreatePage(dialog, *panel);
            PanelLog(Format("shown pid=%lu desktop=%s lists=%d out=%d in=%d", GetCurrentProcessId(),
                            DesktopName().c_str(), panel->lists, panel->Selection(IDC_PLAYBACK_LIST),
                            panel->Selection(IDC_RECORDING_LIST)));
            // A start that asks for a hidden window (as the audio page's
            // button does) takes the first show; the panel is there to be
            // seen, so it shows itself once more.
            PostMessageW(dialog, kShowMessage, 0, 0);
            return TRUE;
        }
        case kShowMessage:
            ShowWindow(dialog, SW_SHOWNORMAL);
            SetForegroundWindow(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK && panel) {
                Apply(*panel);
                EndDialog(dialog, IDOK);
            } else if (LOWORD(wp) == IDCANCEL) {
                PanelLog("cancel");
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void RunSoundPanel(HINSTANCE instance) {
    TPanel panel;
    panel.instance = instance;
    panel.lists = ListCountSetting();
    for (TList& list : panel.list) {
        list.names = DeviceNames(list.kind);
        list.preferred = PreferredDevice(list.kind);
    }
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SOUNDPANEL), nullptr, PanelProc, reinterpret_cast<LPARAM>(&panel));
}

}  // namespace dorvane::soundpanel
