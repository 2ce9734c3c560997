// TMciDevice: IMediaDevice over the MCI command interface (winmm). The device
// is closed when the object goes away.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include "MediaDevice.h"

namespace dorvane {

class TMciDevice : public IMediaDevice {
public:
    TMciDevice() = default;
    ~TMciDevice() override;
    TMciDevice(const TMciDevice&) = delete;
    TMciDevice& operator=(const TMciDevice&) = delete;

    bool Open(const std::string& file, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return device_ != 0; }
    bool Play() override;
    bool Stop() override;
    bool Seek(long position) override;
    long Length() override;
    long Position() override;
    MediaMode Mode() override;

    MCIDEVICEID DeviceId() const { return device_; }

private:
    DWORD_PTR Status(DWORD item);

    MCIDEVICEID device_ = 0;
};

}  // namespace dorvane
