// The multimedia device under TMediaPlayer: a thin interface over MCI, so
// that tests can give the player a device that records what it is asked.
#pragma once
#include <string>

namespace dorvane {

enum class MediaMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

class IMediaDevice {
public:
    virtual ~IMediaDevice() = default;
    // Opens the file on the device the system chooses for the file's type.
    // On failure returns false and puts the system's error text in error.
    virtual bool Open(const std::string& file, std::string& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Starts playing and returns at once.
    virtual bool Play() = 0;
    virtual bool Stop() = 0;
    virtual bool Seek(long position) = 0;
    // Length and position in milliseconds; 0 when unknown or closed.
    virtual long Length() = 0;
    virtual long Position() = 0;
    virtual MediaMode Mode() = 0;
};

}  // namespace dorvane
