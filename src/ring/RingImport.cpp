// Sound files dropped onto the ring list: the copy's progress along the
// bottom of the ring page.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::FileListBoxTestStartCopy(int Index) {
    suiProgressBarCopy->SetPosition(0);
    suiProgressBarCopy->SetMax(Index);
}

void TForm1::FileListBoxTestCopying(int count, int index) {
    // A long copy is the user at work: the window stays open.
    TimerMin.RestartIfRunning();
    if (index < count) suiProgressBarCopy->SetPosition(index);
}

void TForm1::FileListBoxTestEndCopy() {
    FileListBoxTest->Update();
    SelectRingEntry(0);
    suiProgressBarCopy->SetPosition(suiProgressBarCopy->Max());
}

}  // namespace dorvane
