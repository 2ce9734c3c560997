// The volume group of the audio page.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::UpdateVolumeGroup(bool) {}

void TForm1::TimerDevChgTimer() { TimerDevChg.Stop(); }

namespace {
// Holds the change guard up for one guarded change, also when a handler throws.
class GuardUp {
public:
    explicit GuardUp(bool& guard) : guard_(guard) { guard_ = true; }
    ~GuardUp() { guard_ = false; }
    GuardUp(const GuardUp&) = delete;
    GuardUp& operator=(const GuardUp&) = delete;

private:
    bool& guard_;
};
}  // namespace

void TForm1::GuardedSetBar(TsuiTrackBar& bar, int position, int enabled, int min, int max) {
    // A change made here is the program's, not the user's: the change
    // handlers see the guard and write nothing back.
    GuardUp guard(ChangeGuard);
    if (min != -1) bar.SetMin(min);
    if (max != -1) bar.SetMax(max);
    if (position != -1) bar.SetPosition(position);
    if (enabled != -1) bar.SetEnabled(enabled != 0);
}

void TForm1::GuardedSetBox(TsuiCheckBox& box, int checked, int enabled) {
    GuardUp guard(ChangeGuard);
    if (checked != -1) box.SetChecked(checked != 0);
    if (enabled != -1) box.SetEnabled(enabled != 0);
}

void TForm1::suiTrackBarVolRingChange() {
    if (ChangeGuard) return;
    WriteRingTone();
}

void TForm1::ReadRingTone() {
    GuardedSetBar(*suiTrackBarVolRing, RingTonePosition(Settings.ReadRingToneValue(), suiTrackBarVolRing->Max()), -1,
                  -1, -1);
}

void TForm1::WriteRingTone() { Settings.WriteRingToneLevel(suiTrackBarVolRing->Position(), suiTrackBarVolRing->Max()); }

}  // namespace dorvane
