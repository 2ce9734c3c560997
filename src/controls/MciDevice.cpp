#include "MciDevice.h"

namespace dorvane {

TMciDevice::~TMciDevice() { Close(); }

bool TMciDevice::Open(const std::string& file, std::string& error) {
    Close();
    MCI_OPEN_PARMSA open{};
    open.lpstrElementName = file.c_str();
    // No device type: MCI picks the device from the file's type.
    const MCIERROR result = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                                            reinterpret_cast<DWORD_PTR>(&open));
    if (result != 0) {
        char text[256] = {};
        if (!mciGetErrorStringA(result, text, sizeof(text))) lstrcpynA(text, "MCI error", sizeof(text));
        error = text;
        return false;
    }
    device_ = open.wDeviceID;
    MCI_SET_PARMS set{};
    set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    mciSendCommandA(device_, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set));
    return true;
}

void TMciDevice::Close() {
    if (!device_) return;
    mciSendCommandA(device_, MCI_CLOSE, MCI_WAIT, 0);
    device_ = 0;
}

bool TMciDevice::Play() {
    if (!device_) return false;
    MCI_PLAY_PARMS play{};
    return mciSendCommandA(device_, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play)) == 0;
}

bool TMciDevice::Stop() {
    if (!device_) return false;
    return mciSendCommandA(device_, MCI_STOP, MCI_WAIT, 0) == 0;
}

bool TMciDevice::Seek(long position) {
    if (!device_) return false;
    MCI_SEEK_PARMS seek{};
    if (position <= 0)
        return mciSendCommandA(device_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT,
                               reinterpret_cast<DWORD_PTR>(&seek)) == 0;
    seek.dwTo = static_cast<DWORD>(position);
    return mciSendCommandA(device_, MCI_SEEK, MCI_TO | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&seek)) == 0;
}

DWORD_PTR TMciDevice::Status(DWORD item) {
    if (!device_) return 0;
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    if (mciSendCommandA(device_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return 0;
    return status.dwReturn;
}

long TMciDevice::Length() { return static_cast<long>(Status(MCI_STATUS_LENGTH)); }
long TMciDevice::Position() { return static_cast<long>(Status(MCI_STATUS_POSITION)); }

MediaMode TMciDevice::Mode() {
    if (!device_) return MediaMode::NotReady;
    switch (Status(MCI_STATUS_MODE)) {
    case MCI_MODE_STOP: return MediaMode::Stopped;
    case MCI_MODE_PLAY: return MediaMode::Playing;
    case MCI_MODE_RECORD: return MediaMode::Recording;
    case MCI_MODE_SEEK: return MediaMode::Seeking;
    case MCI_MODE_PAUSE: return MediaMode::Paused;
    case MCI_MODE_OPEN: return MediaMode::Open;
    default: return MediaMode::NotReady;
    }
}

}  // namespace dorvane
