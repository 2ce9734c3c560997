// The volume group of the audio page: the phone's speaker and microphone
// levels and mutes, read when the phone comes and after every change made
// elsewhere, and written at once when the user changes them.
#include <algorithm>
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane {
namespace {
constexpr int kSpeaker = 0;
constexpr int kMicrophone = 1;
constexpr int kDestination = -1;  // the device's own line, not one of its sources
constexpr int kFirstSource = 0;

struct LineReading {
    bool read = false;
    int level = -1, level2 = -1, mute = -1;
    bool levelMissing = true, muteMissing = true;
};

// The phone's two devices, found by the adapter name they share.
bool FindPhone(TAudioMixer& mixer, std::string& out, std::string& in) {
    return mixer.ActiveMixer("USB", "USB", out, in, true);
}

LineReading ReadLine(TAudioMixer& mixer, int device, int source) {
    LineReading r;
    r.read = mixer.GetVolume(device, source, r.level, r.level2, r.mute, r.levelMissing, r.muteMissing);
    return r;
}
}  // namespace

void TForm1::UpdateVolumeGroup(bool present) {
    TsuiTrackBar* bars[] = {suiTrackBarVolOut.get(), suiTrackBarVolIn.get(), suiTrackBarVolRing.get()};
    if (present) {
        if (suiGroupBoxVol->Enabled()) return;
        AudioMixerUsb.Enum();
        // Not found yet: the next status update with the device bit tries again.
        if (!ActivatePhoneMixer(true)) return;
        suiGroupBoxVol->SetEnabled(true);
        for (TsuiTrackBar* bar : bars) bar->SetTicksVisible(true);
        ReadRingTone();
        return;
    }
    if (!suiGroupBoxVol->Enabled()) return;
    // The phone's devices are gone or closed: nothing is written to them.
    AudioMixerUsb.Enum();
    suiGroupBoxVol->SetEnabled(false);
    for (TsuiTrackBar* bar : bars) {
        bar->SetTicksVisible(false);
        GuardedSetBar(*bar, bar->Min(), -1, -1, -1);
    }
    GuardedSetBox(*suiCheckBoxVolOut, 0, -1);
    GuardedSetBox(*suiCheckBoxVolIn, 0, -1);
}

bool TForm1::ActivatePhoneMixer(bool refill) {
    bool found = false;
    if ((StatusWord & kDeviceBit) != 0 && FindPhone(AudioMixerUsb, PhoneOutName, PhoneInName)) {
        // The speaker's first source line takes the destination's setting.
        if (ShowLineVolume(kSpeaker, kDestination, *suiTrackBarVolOut, *suiCheckBoxVolOut, 0, 65535) &&
            SpeakerLinesDiffer())
            AudioMixerUsb.SetVolume(kSpeaker, kFirstSource, suiTrackBarVolOut->Position(), -1,
                                    suiCheckBoxVolOut->Checked() ? 1 : 0);
        ShowLineVolume(kMicrophone, kDestination, *suiTrackBarVolIn, *suiCheckBoxVolIn, 0, 65535);
        AutoSelectOutPending = AutoSelectInPending = true;
        found = true;
    }
    if (refill) FillSkypeLists();
    return found;
}

bool TForm1::ShowLineVolume(int device, int source, TsuiTrackBar& bar, TsuiCheckBox& box, int lo, int hi) {
    LineReading r = ReadLine(AudioMixerUsb, device, source);
    if (r.read) {
        const bool muteUsable = !r.muteMissing;
        const bool muted = muteUsable && r.mute != 0;
        const bool levelUsable = r.level != -1;
        int level = 0;
        if (levelUsable) {
            level = std::max(r.level, r.level2);
            const int clamped = std::clamp(level, lo, hi);
            // A level the bar cannot show is put right on the device too.
            if (clamped != level) AudioMixerUsb.SetVolume(device, source, clamped, -1, muted ? 1 : 0);
            level = clamped;
        }
        GuardedSetBox(box, muted ? 1 : 0, muteUsable ? 1 : 0);
        GuardedSetBar(bar, level, levelUsable ? 1 : 0, -1, -1);
    }
    return bar.Enabled() && box.Enabled();
}

bool TForm1::SpeakerLinesDiffer() {
    // On the endpoint path both reads address the one endpoint: a difference
    // there is only a change made elsewhere between the reads, and copying
    // the older reading over it would undo that change.
    if (AudioMixerUsb.EndpointMode()) return false;
    const LineReading destination = ReadLine(AudioMixerUsb, kSpeaker, kDestination);
    const LineReading source = ReadLine(AudioMixerUsb, kSpeaker, kFirstSource);
    for (const LineReading* r : {&destination, &source})
        if (!r->read || r->levelMissing || r->muteMissing) return false;
    // A mono line has no second channel to differ in.
    const bool bothStereo = destination.level2 != -1 && source.level2 != -1;
    return destination.level != source.level || (bothStereo && destination.level2 != source.level2) ||
           destination.mute != source.mute;
}

void TForm1::suiTrackBarVolOutChange() {
    // One handler for the bar and the box: level and mute go out together.
    if (ChangeGuard || !AudioMixerUsb.Active()) return;
    AudioMixerUsb.SetVolume(kSpeaker, kDestination, suiTrackBarVolOut->Position(), -1,
                            suiCheckBoxVolOut->Checked() ? 1 : 0);
}

void TForm1::suiTrackBarVolInChange() {
    if (ChangeGuard || !AudioMixerUsb.Active()) return;
    AudioMixerUsb.SetVolume(kMicrophone, kDestination, suiTrackBarVolIn->Position(), -1,
                            suiCheckBoxVolIn->Checked() ? 1 : 0);
}

void TForm1::AudioMixerUsbCtrlChange() {
    if ((StatusWord & kDeviceBit) == 0) return;
    const auto speaker_position = [this] { return suiTrackBarVolOut->Position(); };
    const auto speaker_mute = [this] { return suiCheckBoxVolOut->Checked() ? 1 : 0; };
    // The destination's setting to its first source line; only where the
    // destination has no usable level or mute does the source lead.
    if (ShowLineVolume(kSpeaker, kDestination, *suiTrackBarVolOut, *suiCheckBoxVolOut, 0, 65535) &&
        SpeakerLinesDiffer())
        AudioMixerUsb.SetVolume(kSpeaker, kFirstSource, speaker_position(), -1, speaker_mute());
    if (ShowLineVolume(kSpeaker, kFirstSource, *suiTrackBarVolOut, *suiCheckBoxVolOut, 0, 65535) &&
        SpeakerLinesDiffer())
        AudioMixerUsb.SetVolume(kSpeaker, kDestination, speaker_position(), -1, speaker_mute());
    ShowLineVolume(kMicrophone, kDestination, *suiTrackBarVolIn, *suiCheckBoxVolIn, 0, 65535);
}

void TForm1::AudioMixerUsbLineChange() {
    // A burst of changes gives one refresh, a second after the last.
    TimerDevChg.Restart();
}

void TForm1::TimerDevChgTimer() {
    TimerDevChg.Stop();
    Ringing = false;
    SelectRingEntry(FileListBoxTest->ItemIndex());
    AudioMixerUsb.Enum();
    ActivatePhoneMixer(true);
    QueryAudioIn();
    QueryAudioOut();
    RefreshSysDefaultButton();
}

void TForm1::AudioMixerUsbPropertyChange() {
    AudioMixerUsb.Enum();
    // A renamed device refills the lists; the user's picks stay where they were.
    const int out = suiComboBoxSkypeOut->ItemIndex();
    const int in = suiComboBoxSkypeIn->ItemIndex();
    ActivatePhoneMixer(true);
    suiComboBoxSkypeOut->SetItemIndex(out);
    suiComboBoxSkypeIn->SetItemIndex(in);
    SendSkypeDevice(SkypeList::Out);
    SendSkypeDevice(SkypeList::In);
    QueryAudioIn();
    QueryAudioOut();
    RefreshSysDefaultButton();
}

void TForm1::RaiseSpeakerForTone() {
    if (!SpeakerRemembered) {
        SpeakerRemembered = true;
        RememberedSpeakerPosition = suiTrackBarVolOut->Position();
        RememberedSpeakerMute = suiCheckBoxVolOut->Checked();
    }
    // Unguarded: the change handlers write what really changes to the phone.
    suiTrackBarVolOut->SetPosition(suiTrackBarVolOut->Max());
    suiCheckBoxVolOut->SetChecked(false);
}

void TForm1::RestoreSpeakerAfterTone() {
    if (!SpeakerRemembered) return;
    SpeakerRemembered = false;
    GuardedSetBar(*suiTrackBarVolOut, RememberedSpeakerPosition, -1, -1, -1);
    GuardedSetBox(*suiCheckBoxVolOut, RememberedSpeakerMute ? 1 : 0, -1);
    // Written whatever the controls show: a change handler writes only what
    // really changes, and only while the mixer is active. A device change
    // closes the phone's mixer before the tone ends; the phone, if it is
    // still there, is found again so that it does not stay at full level.
    if (!AudioMixerUsb.Active()) {
        std::string out, in;
        if ((StatusWord & kDeviceBit) == 0 || !FindPhone(AudioMixerUsb, out, in)) return;
    }
    AudioMixerUsb.SetVolume(kSpeaker, kDestination, RememberedSpeakerPosition, -1, RememberedSpeakerMute ? 1 : 0);
}

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
