#include "MediaPlayer.h"
#include "MciDevice.h"

namespace dorvane {

TMediaPlayer::TMediaPlayer(HWND parent, std::string name, int x, int y, int width, int height,
                           std::unique_ptr<IMediaDevice> device)
    : TContainer(parent, std::move(name), x, y, width, height),
      device_(device ? std::move(device) : std::make_unique<TMciDevice>()),
      play_(Handle(), "Play", 0, 0, width / 2, height, "Play"),
      stop_(Handle(), "Stop", width / 2, 0, width - width / 2, height, "Stop") {
    // The player never takes the keyboard focus: Tab passes it by.
    play_.SetTabStop(false);
    stop_.SetTabStop(false);
    play_.OnClick = [this] { if (OnClick) OnClick(Button::Play); };
    stop_.OnClick = [this] { if (OnClick) OnClick(Button::Stop); };
    SetEnabledButtons(false, false);
}

TMediaPlayer::~TMediaPlayer() { device_->Close(); }

void TMediaPlayer::Open() {
    std::string error;
    if (!device_->Open(file_name_, error)) throw MediaPlayerError(error);
}

void TMediaPlayer::Close() { device_->Close(); }
void TMediaPlayer::Play() { device_->Play(); }
void TMediaPlayer::Stop() { device_->Stop(); }
void TMediaPlayer::Seek(long position) { device_->Seek(position); }

bool TMediaPlayer::ButtonEnabled(Button button) const {
    return button == Button::Play ? play_.Enabled() : stop_.Enabled();
}

void TMediaPlayer::SetButtonEnabled(Button button, bool enabled) {
    (button == Button::Play ? play_ : stop_).SetEnabled(enabled);
}

void TMediaPlayer::SetEnabledButtons(bool play, bool stop) {
    play_.SetEnabled(play);
    stop_.SetEnabled(stop);
}

}  // namespace dorvane
