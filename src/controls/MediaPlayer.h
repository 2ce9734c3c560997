// TMediaPlayer: a player control showing a Play and a Stop button over a
// media device (MCI unless a device is given). The buttons never act by
// themselves: a click raises OnClick with the button, and the program
// decides, so the enabled buttons can stand for the player's state.
#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include "Button.h"
#include "Container.h"
#include "MediaDevice.h"

namespace dorvane {

// Raised by Open when the device refuses the file; carries the system's text.
class MediaPlayerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMediaPlayer : public TContainer {
public:
    enum class Button { Play, Stop };

    TMediaPlayer(HWND parent, std::string name, int x, int y, int width, int height,
                 std::unique_ptr<IMediaDevice> device = {});
    ~TMediaPlayer() override;

    const std::string& FileName() const { return file_name_; }
    void SetFileName(const std::string& file_name) { file_name_ = file_name; }

    // Opens FileName; throws MediaPlayerError when the device refuses it.
    void Open();
    // Nothing happens when no device is open.
    void Close();
    bool DeviceOpen() const { return device_->IsOpen(); }
    void Play();
    void Stop();
    void Seek(long position);
    long Length() const { return device_->Length(); }
    long Position() const { return device_->Position(); }
    MediaMode Mode() const { return device_->Mode(); }

    bool ButtonEnabled(Button button) const;
    void SetButtonEnabled(Button button, bool enabled);
    void SetEnabledButtons(bool play, bool stop);

    std::function<void(Button button)> OnClick;

private:
    std::unique_ptr<IMediaDevice> device_;
    std::string file_name_;
    TsuiButton play_;
    TsuiButton stop_;
};

}  // namespace dorvane
