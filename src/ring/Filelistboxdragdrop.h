// TFileListBoxDragDrop: the ring tone file list, which also takes sound files
// dropped from the shell and copies them into the folder it shows.
#pragma once
#include <windows.h>
#include <functional>
#include "controls/FileListBox.h"

namespace dorvane {

class TFileListBoxDragDrop : public TFileListBox {
public:
    using TFileListBox::TFileListBox;
    ~TFileListBoxDragDrop() override;

    // Accept dropped files or stop accepting them; the same value twice does
    // nothing.
    void SetDragDropFile(bool accept);
    bool DragDropFile() const { return accept_; }

    // Handles a drop: copies every dropped file that exists into Directory(),
    // never over a file already there, then releases the drop. A name too
    // long for the path buffer is skipped, never cut.
    void Dispatch(HDROP drop);

    // A drop begins; Index is the number of dropped items.
    std::function<void(int Index)> OnStartCopy;
    // One item has been handled, copied or not: count items in all, index the
    // index of the one just handled.
    std::function<void(int count, int index)> OnCopying;
    std::function<void()> OnEndCopy;
    // Handles the messages waiting in the queue, so that the window stays
    // responsive and the progress repaints during a long copy.
    std::function<void()> ProcessMessages;

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;

private:
    void CopyDropped(const char* name) const;

    bool accept_ = false;
};

}  // namespace dorvane
