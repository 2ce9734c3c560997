// Drives the simulated endpoints from outside the process that uses them (a
// test, phonesim): each change posts the notification the real platform would
// cause to the window the panel registered with zelInitDeviceNotification.
#pragma once
#include <string>
#include "EndpointSimShared.h"

namespace dorvane::endpointsim {

class TEndpointSimClient {
public:
    explicit TEndpointSimClient(TSimOpen open = TSimOpen::CreateIfMissing) : view_(open) {}
    // False when the block could not be opened (with ExistingOnly: no process
    // has the simulated library loaded); then every change fails.
    bool Ok() const { return view_.Ok(); }

    // Back to the four default endpoints; the notification target stays.
    void Reset();
    // The slot of the endpoint of that name in a flow, -1 when none.
    int Find(int flow, const std::wstring& name) const;
    // A new endpoint, plugged in: the device message. Its slot, -1 when full.
    int Add(int flow, const std::wstring& name, float minDb, float maxDb, bool hasLevel = true, bool hasMute = true);
    // Level of one channel, or of all with channel -1; mute. A change on the
    // endpoint the library watches posts the control message.
    bool SetLevel(int flow, int slot, float decibels, int channel = -1);
    bool SetMute(int flow, int slot, bool muted);
    // The endpoint keeps its levels but the library can no longer read its range.
    bool SetRangeFails(int flow, int slot, bool fails);
    // Plug, unplug, default endpoint: the device message.
    bool SetPresent(int flow, int slot, bool present);
    bool SetDefault(int flow, int slot);
    // A property (the friendly name): the property message.
    bool SetName(int flow, int slot, const std::wstring& name);

    SimEndpoint Endpoint(int flow, int slot) const;
    // Endpoints defined in a flow (plugged in or not), 0 without a block.
    int Count(int flow) const;
    int DefaultSlot(int flow) const;
    int SelectedSlot(int flow) const;
    HWND TargetWindow() const;
    uint32_t EnumerationCount() const;

private:
    SimEndpoint* Slot(int flow, int slot) const;
    TSimBlockView view_;
};

}  // namespace dorvane::endpointsim
