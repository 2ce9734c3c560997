// The Windows default playback device on the audio page: the button that
// names it and opens the Sound control panel.
#include "app/Unit1.h"
#include "audio/FoundwindowPanel.h"

namespace dorvane {

void TForm1::RefreshSysDefaultButton() {
    const int devices = AudioMixerUsb.WaveOutDevNum();
    if (devices == 0) {
        suiButtonSysAudioOut->SetEnabled(false);
        suiButtonSysAudioOut->SetCaption("N/A");
    } else if (devices == 1) {
        // The only device is the default one: nothing to ask.
        suiButtonSysAudioOut->SetEnabled(true);
        suiButtonSysAudioOut->SetCaption(AudioMixerUsb.WaveOutDevName(0, false));
    } else {
        // The button stays as it is until the answer's event.
        AudioMixerUsb.SysDefaultAudio(false, 0, 0);
    }
}

void TForm1::AudioMixerUsbSysDefaultSuccess(TAudioMixer&, int outDev, int /*inDev*/) {
    // An index past our list (a device came or went since the answer was
    // asked for) names nothing we know.
    if (outDev < 0 || outDev >= AudioMixerUsb.WaveOutDevNum()) {
        AudioMixerUsbSysDefaultFail(AudioMixerUsb);
        return;
    }
    suiButtonSysAudioOut->SetCaption(AudioMixerUsb.WaveOutDevName(outDev, false));
    suiButtonSysAudioOut->SetEnabled(true);
}

void TForm1::AudioMixerUsbSysDefaultFail(TAudioMixer&) {
    // Enabled all the same: the user can still open the panel.
    suiButtonSysAudioOut->SetCaption("UNKNOW");
    suiButtonSysAudioOut->SetEnabled(true);
}

void TForm1::suiButtonSysAudioOutClick() {
    // The XP page where it is known, the first page everywhere else; a
    // change made there comes back through the device-change refresh.
    shell_.Start(SoundPanelStart(system_.SystemFolder, SoundPanelCommand(system_.VersionClass == 2 ? 2 : 1)));
}

}  // namespace dorvane
