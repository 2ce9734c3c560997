// The simulated endpoints, in a named shared memory block: the simulated
// zeldevtopvolctrl.dll serves them to whatever process loads it, and tests or
// phonesim change them from outside (see EndpointSimClient.h). Every access
// holds the named lock. The layout is the same for 32- and 64-bit processes.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string_view>
#include "SharedWindow.h"
#include "controls/Handles.h"

namespace dorvane::endpointsim {

constexpr char kBlockName[] = "DorvaneEndpointSim";
constexpr char kLockName[] = "DorvaneEndpointSimLock";
constexpr uint32_t kMagic = 0x4D495345;  // "ESIM"
constexpr uint32_t kLayoutVersion = 2;
constexpr int kMaxEndpoints = 128;  // per flow: more than a table holds
constexpr uint32_t kNoMessage = 0xFFFFFFFF;

struct SimEndpoint {
    wchar_t Name[256];  // friendly name, zero-terminated
    uint8_t Present;    // active (plugged in)
    uint8_t HasLevel;   // a level control on its path
    uint8_t HasMute;    // a mute control on its path
    uint8_t Muted;
    uint8_t RangeFails; // the range query fails: 0 ... 0 dB, as the real library then reports
    uint32_t Channels;  // 1 or 2
    float MinDb, MaxDb, StepDb;
    float LevelDb[2];
};

struct SimBlock {
    uint32_t Magic;
    uint32_t Version;
    int32_t Count[2];         // endpoints defined per flow (0 playback, 1 recording)
    int32_t DefaultSlot[2];   // the platform's default endpoint per flow, -1 none
    int32_t SelectedSlot[2];  // the endpoint whose controls the library watches, -1 none
    uint64_t TargetWindow;    // the notification target the library was given
    uint32_t DeviceMessage, PropertyMessage, ControlMessage;
    uint32_t EnumerationCount;  // successful or not
    SimEndpoint Endpoints[2][kMaxEndpoints];
};

// Whether a view may bring the block into being. Only the library and tests
// standing in for it create it; an outside driver (phonesim) that found no
// block would otherwise fake a library nobody loaded.
enum class TSimOpen { CreateIfMissing, ExistingOnly };

// The block and its lock, opened (and on first use created with the default
// endpoints) for as long as the object lives.
class TSimBlockView {
public:
    explicit TSimBlockView(TSimOpen open = TSimOpen::CreateIfMissing);
    ~TSimBlockView();
    TSimBlockView(const TSimBlockView&) = delete;
    TSimBlockView& operator=(const TSimBlockView&) = delete;

    bool Ok() const { return block_ != nullptr; }
    SimBlock* Block() const { return block_; }
    HANDLE Lock() const { return lock_.get(); }

    // Held while the block is read or changed.
    class Guard {
    public:
        explicit Guard(const TSimBlockView& view);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        HANDLE lock_;
    };

private:
    KernelHandle mapping_;
    KernelHandle lock_;
    SimBlock* block_ = nullptr;
};

// The endpoints a fresh block starts with: the phone's USB adapter and an
// on-board adapter, each with a speaker and a microphone; the on-board ones
// are the defaults.
void FillDefaults(SimBlock& block);

// The block is shared with every process that maps it, and a count or a
// name is only as sound as its last writer. Readers take the number of
// endpoints of a flow as 0 ... kMaxEndpoints and a name up to its first 0
// or the end of its array, whichever comes first.
int EndpointCount(const SimBlock& block, int flow);
std::wstring_view EndpointName(const SimEndpoint& endpoint);

// Posts one of the library's notifications to the target it was given.
void PostToTarget(const SimBlock& block, uint32_t message, WPARAM wp, LPARAM lp);

}  // namespace dorvane::endpointsim
