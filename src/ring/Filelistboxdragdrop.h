// TFileListBoxDragDrop: the ring tone file list, which also takes sound files
// dropped from the shell while the ring page is the active page.
#pragma once
#include <windows.h>
#include "controls/FileListBox.h"

namespace dorvane {

class TFileListBoxDragDrop : public TFileListBox {
public:
    using TFileListBox::TFileListBox;

    // Accept dropped files or stop accepting them.
    void SetDragDropFile(bool accept);
    bool DragDropFile() const { return accept_; }

private:
    bool accept_ = false;
};

}  // namespace dorvane
