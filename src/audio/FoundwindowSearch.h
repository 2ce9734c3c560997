// The Sound control panel's dialog as the default-device worker finds and
// drives it from outside: the search pass over the thread's desktop, the
// clean-up of panels left over there, and the messages that select, read
// and click its controls.
#pragma once
#include <windows.h>

namespace dorvane {

constexpr int kPlaybackListId = 6662;
constexpr int kRecordingListId = 6663;
constexpr int kThirdListId = 6664;

// The search state of one request. It belongs to the worker's thread: the
// enumeration callbacks reach it through their parameter.
struct TPanelSearch {
    // The request: select OutIndex and InIndex (set mode) or read them.
    bool SetMode = false;
    DWORD ProcessId = 0;  // the started panel's
    int OutIndex = -1;
    int InIndex = -1;

    bool Found = false;
    int Lists = 0;
    int Buttons = 0;
    HWND Playback = nullptr, Recording = nullptr, Third = nullptr, Ok = nullptr, Cancel = nullptr;

    // One pass over the top-level windows of this thread's desktop: the
    // first dialog of the started process with exactly the three lists (in
    // a page dialog) and the two buttons is operated, and Found is set.
    bool Pass();
};

// Clicks Cancel in every dialog on this thread's desktop: panels an
// earlier request left there close.
void CleanUpPanels();

// Entry `entry` selected the way the page notices it: an up and a down key,
// then the entry itself, then the focus taken away.
void SelectListEntry(HWND list, int entry);
// The list's selection, -1 when it has none.
int ListSelection(HWND list);
void ClickButton(HWND button);

}  // namespace dorvane
