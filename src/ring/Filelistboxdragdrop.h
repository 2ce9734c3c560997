// TFileListBoxDragDrop: the ring tone file list that takes sound files
// dropped from the shell, while the ring page is the active page.
#pragma once
#include <windows.h>

namespace dorvane {

class TFileListBoxDragDrop {
public:
    // Accept dropped files or stop accepting them.
    void SetDragDropFile(bool accept);
    bool DragDropFile() const { return accept_; }

    // The list's window, once it has one; drops are registered on it.
    void SetHandle(HWND window);
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
    bool accept_ = false;
};

}  // namespace dorvane
