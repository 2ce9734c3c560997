// The volume group of the audio page.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::UpdateVolumeGroup(bool) {}

void TForm1::TimerDevChgTimer() { TimerDevChg.Stop(); }

}  // namespace dorvane
