#include "ring/Filelistboxdragdrop.h"
#include <shellapi.h>

namespace dorvane {

void TFileListBoxDragDrop::SetDragDropFile(bool accept) {
    accept_ = accept;
    if (window_) DragAcceptFiles(window_, accept ? TRUE : FALSE);
}

void TFileListBoxDragDrop::SetHandle(HWND window) {
    window_ = window;
    if (window_) DragAcceptFiles(window_, accept_ ? TRUE : FALSE);
}

}  // namespace dorvane
