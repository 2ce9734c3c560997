#include "ring/Filelistboxdragdrop.h"
#include <shellapi.h>

namespace dorvane {

void TFileListBoxDragDrop::SetDragDropFile(bool accept) {
    accept_ = accept;
    if (Handle()) DragAcceptFiles(Handle(), accept ? TRUE : FALSE);
}

}  // namespace dorvane
