// Ringing while a call comes in, and the preview player. The player's two
// buttons are its state: Stop enabled while a tone plays, Play while idle
// with an output device to play on.
#include "app/Unit1.h"
#include "link/LinkProtocol.h"
#include "ring/FileExists.h"

namespace dorvane {

void TForm1::PlayTone(const std::string& path) {
    if (FileExists(path)) {
        MediaPlayerTest->SetFileName(path);
        // A file the device refuses raises the player's error: it is shown
        // in the error box and the rest is skipped.
        MediaPlayerTest->Open();
        if (MediaPlayerTest->DeviceOpen()) {
            MediaPlayerTest->SetEnabledButtons(false, true);
            RaiseSpeakerForTone();
            MediaPlayerTest->Seek(0);
            MediaPlayerTest->Play();
            TimerMediaPlayerNotify.Start();
        }
    }
    if (!MediaPlayerTest->DeviceOpen()) {
        MediaPlayerTest->SetEnabledButtons(false, false);
        StopTone();
    }
}

void TForm1::StopTone() {
    TimerMediaPlayerNotify.Stop();
    if (MediaPlayerTest->ButtonEnabled(TMediaPlayer::Button::Stop)) MediaPlayerTest->Stop();
    // Whatever the buttons show, a remembered speaker setting goes back.
    RestoreSpeakerAfterTone();
    MediaPlayerTest->Close();
    MediaPlayerTest->SetFileName("");
    MediaPlayerTest->SetEnabledButtons(AudioMixerUsb.WaveOutDevNum() > 0, false);
}

void TForm1::TogglePreview() {
    if (Ringing) return;
    if (MediaPlayerTest->ButtonEnabled(TMediaPlayer::Button::Play)) {
        PlayTone(SelectedRingFile);
        // Playing a file is how a tone is chosen.
        AdoptSelectedTone();
    } else if (MediaPlayerTest->ButtonEnabled(TMediaPlayer::Button::Stop)) {
        StopTone();
    }
}

void TForm1::MediaPlayerTestClick(TMediaPlayer::Button) {
    // The player never acts by itself; while a call rings the buttons are not the user's.
    if (!Ringing) TogglePreview();
}

void TForm1::FileListBoxTestDblClick() { TogglePreview(); }

void TForm1::TimerMediaPlayerNotifyTimer() {
    const long length = MediaPlayerTest->Length();
    const long position = MediaPlayerTest->Position();
    if (length > 0 && position > 0 && position < length) return;
    if (Ringing) {
        // Again from the start; the speaker stays raised.
        MediaPlayerTest->Seek(0);
        MediaPlayerTest->Play();
    } else {
        StopTone();
    }
}

void TForm1::UpdateRinging(uint8_t call_state) {
    if (call_state != kCallRinging) {
        if (Ringing) EndRinging();
        return;
    }
    if (Ringing || CurrentRingTone.empty()) return;
    // The first updates of a call only count down; the counter is set again
    // only when ringing starts or ends.
    if (RingCountdown > 0) {
        --RingCountdown;
        return;
    }
    RingCountdown = kUpdatesBeforeRinging;
    StopTone();
    PlayTone(CurrentRingTone);
    Ringing = true;
}

void TForm1::EndRinging() {
    RingCountdown = kUpdatesBeforeRinging;
    Ringing = false;
    SelectRingEntry(FileListBoxTest->ItemIndex());
}

}  // namespace dorvane
