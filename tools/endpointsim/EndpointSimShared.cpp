#include "EndpointSimShared.h"
#include <cstring>
#include <cwchar>

namespace dorvane::endpointsim {
namespace {
void Define(SimBlock& b, int flow, const wchar_t* name, float lo, float hi, float level, uint32_t channels) {
    SimEndpoint& e = b.Endpoints[flow][b.Count[flow]++];
    std::memset(&e, 0, sizeof e);
    wcsncpy(e.Name, name, 255);
    e.Present = e.HasLevel = e.HasMute = 1;
    e.Channels = channels;
    e.MinDb = lo;
    e.MaxDb = hi;
    e.StepDb = 0.5f;
    e.LevelDb[0] = e.LevelDb[1] = level;
}
}  // namespace

void FillDefaults(SimBlock& b) {
    const uint64_t target = b.TargetWindow;
    const uint32_t dev = b.DeviceMessage, prop = b.PropertyMessage, ctrl = b.ControlMessage;
    const bool hadTarget = b.Magic == kMagic;
    std::memset(&b, 0, sizeof b);
    b.Magic = kMagic;
    b.Version = kLayoutVersion;
    Define(b, 0, L"Speakers (USB Audio Device)", -45.0f, 0.0f, -6.0f, 2);
    Define(b, 0, L"Speakers (High Definition Audio Device)", -65.25f, 0.0f, -20.0f, 2);
    Define(b, 1, L"Microphone (USB Audio Device)", 0.0f, 24.0f, 12.0f, 1);
    Define(b, 1, L"Microphone (High Definition Audio Device)", -12.0f, 30.0f, 0.0f, 1);
    b.DefaultSlot[0] = b.DefaultSlot[1] = 1;
    b.SelectedSlot[0] = b.SelectedSlot[1] = -1;
    // A reset changes the devices, not who listens to them.
    b.TargetWindow = hadTarget ? target : 0;
    b.DeviceMessage = hadTarget ? dev : kNoMessage;
    b.PropertyMessage = hadTarget ? prop : kNoMessage;
    b.ControlMessage = hadTarget ? ctrl : kNoMessage;
}

int EndpointCount(const SimBlock& block, int flow) {
    const int32_t count = block.Count[flow == 0 ? 0 : 1];
    return count < 0 ? 0 : count > kMaxEndpoints ? kMaxEndpoints : static_cast<int>(count);
}

std::wstring_view EndpointName(const SimEndpoint& endpoint) {
    constexpr size_t units = sizeof endpoint.Name / sizeof endpoint.Name[0];
    return {endpoint.Name, wcsnlen(endpoint.Name, units)};
}

void PostToTarget(const SimBlock& block, uint32_t message, WPARAM wp, LPARAM lp) {
    const HWND target = reinterpret_cast<HWND>(WindowOfStored(block.TargetWindow));
    if (target && message != kNoMessage) PostMessageW(target, message, wp, lp);
}

TSimBlockView::TSimBlockView(TSimOpen open) {
    lock_.reset(CreateMutexA(nullptr, FALSE, kLockName));
    if (!lock_) return;
    Guard guard(*this);
    if (open == TSimOpen::ExistingOnly)
        mapping_.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kBlockName));
    else
        mapping_.reset(
            CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SimBlock), kBlockName));
    if (!mapping_) return;
    void* view = MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SimBlock));
    if (!view) return;
    block_ = static_cast<SimBlock*>(view);
    // A new block is all zeros; one of another layout is started afresh.
    if (block_->Magic != kMagic || block_->Version != kLayoutVersion) {
        block_->Magic = 0;
        FillDefaults(*block_);
    }
}

TSimBlockView::~TSimBlockView() {
    if (block_) UnmapViewOfFile(block_);
}

TSimBlockView::Guard::Guard(const TSimBlockView& view) : lock_(view.Lock()) {
    if (lock_) WaitForSingleObject(lock_, INFINITE);
}

TSimBlockView::Guard::~Guard() {
    if (lock_) ReleaseMutex(lock_);
}

}  // namespace dorvane::endpointsim
