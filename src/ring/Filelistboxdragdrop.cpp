#include "ring/Filelistboxdragdrop.h"
#include <shellapi.h>
#include <string>
#include "i18n/PathText.h"
#include "ring/FileExists.h"

namespace dorvane {
namespace {
// Room for the longest ordinary path. A longer name is skipped: cut short it
// could name another file, which would then be copied in its place.
constexpr UINT kNameBuffer = 260;
constexpr UINT kLongestName = kNameBuffer - 2;
}  // namespace

TFileListBoxDragDrop::~TFileListBoxDragDrop() { SetDragDropFile(false); }

void TFileListBoxDragDrop::SetDragDropFile(bool accept) {
    if (accept == accept_) return;
    accept_ = accept;
    if (Handle()) DragAcceptFiles(Handle(), accept ? TRUE : FALSE);
}

void TFileListBoxDragDrop::HandleCreated() {
    TFileListBox::HandleCreated();
    if (accept_) DragAcceptFiles(Handle(), TRUE);
}

bool TFileListBoxDragDrop::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_DROPFILES) return TFileListBox::WndProc(msg, wp, lp, result);
    Dispatch(reinterpret_cast<HDROP>(wp));
    result = 0;
    return true;
}

void TFileListBoxDragDrop::Dispatch(HDROP drop) {
    // The count and the handle are this call's own: a drop handled while
    // messages are processed below does not disturb them.
    const int count = static_cast<int>(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
    if (count > 0) {
        if (OnStartCopy) OnStartCopy(count);
        for (int i = 0; i < count; ++i) {
            if (ProcessMessages) ProcessMessages();
            const UINT length = DragQueryFileA(drop, static_cast<UINT>(i), nullptr, 0);
            if (length > 0 && length <= kLongestName) {
                char name[kNameBuffer] = {};
                DragQueryFileA(drop, static_cast<UINT>(i), name, kNameBuffer - 1);
                name[kNameBuffer - 1] = '\0';
                CopyDropped(name);
            }
            if (OnCopying) OnCopying(count, i);
        }
        if (OnEndCopy) OnEndCopy();
    }
    DragFinish(drop);
}

void TFileListBoxDragDrop::CopyDropped(const char* name) const {
    const std::string source = name;
    if (!FileExists(source) || Directory().empty()) return;
    const std::string target = JoinPath(Directory(), NamePart(source));
    // Never over an existing file; a failed copy is not reported.
    CopyFileA(source.c_str(), target.c_str(), TRUE);
}

}  // namespace dorvane
