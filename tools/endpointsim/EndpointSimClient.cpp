#include "EndpointSimClient.h"
#include <cstring>
#include <cwchar>

namespace dorvane::endpointsim {
namespace {
int FlowOf(int flow) { return flow == 0 ? 0 : 1; }
}  // namespace

SimEndpoint* TEndpointSimClient::Slot(int flow, int slot) const {
    SimBlock* b = view_.Block();
    if (!b || slot < 0 || slot >= EndpointCount(*b, flow)) return nullptr;
    return &b->Endpoints[FlowOf(flow)][slot];
}

void TEndpointSimClient::Reset() {
    if (!Ok()) return;
    TSimBlockView::Guard guard(view_);
    FillDefaults(*view_.Block());
}

int TEndpointSimClient::Find(int flow, const std::wstring& name) const {
    if (!Ok()) return -1;
    TSimBlockView::Guard guard(view_);
    const SimBlock& b = *view_.Block();
    const int count = EndpointCount(b, flow);
    for (int i = 0; i < count; ++i)
        if (name == EndpointName(b.Endpoints[FlowOf(flow)][i])) return i;
    return -1;
}

int TEndpointSimClient::Add(int flow, const std::wstring& name, float minDb, float maxDb, bool hasLevel,
                            bool hasMute) {
    if (!Ok()) return -1;
    TSimBlockView::Guard guard(view_);
    SimBlock& b = *view_.Block();
    const int f = FlowOf(flow);
    const int slot = EndpointCount(b, f);
    if (slot >= kMaxEndpoints) return -1;
    b.Count[f] = slot + 1;
    SimEndpoint& e = b.Endpoints[f][slot];
    std::memset(&e, 0, sizeof e);
    wcsncpy(e.Name, name.c_str(), 255);
    e.Present = 1;
    e.HasLevel = hasLevel;
    e.HasMute = hasMute;
    e.Channels = f == 0 ? 2 : 1;
    e.MinDb = minDb;
    e.MaxDb = maxDb;
    e.StepDb = 0.5f;
    e.LevelDb[0] = e.LevelDb[1] = maxDb;
    PostToTarget(b, b.DeviceMessage, 1, 0);
    return slot;
}

bool TEndpointSimClient::SetLevel(int flow, int slot, float decibels, int channel) {
    TSimBlockView::Guard guard(view_);
    SimEndpoint* e = Slot(flow, slot);
    if (!e || channel >= static_cast<int>(e->Channels) || channel > 1) return false;
    if (decibels < e->MinDb) decibels = e->MinDb;
    if (decibels > e->MaxDb) decibels = e->MaxDb;
    if (channel < 0)
        e->LevelDb[0] = e->LevelDb[1] = decibels;
    else
        e->LevelDb[channel] = decibels;
    const SimBlock& b = *view_.Block();
    if (b.SelectedSlot[FlowOf(flow)] == slot) PostToTarget(b, b.ControlMessage, 0, 1);
    return true;
}

bool TEndpointSimClient::SetMute(int flow, int slot, bool muted) {
    TSimBlockView::Guard guard(view_);
    SimEndpoint* e = Slot(flow, slot);
    if (!e) return false;
    e->Muted = muted;
    const SimBlock& b = *view_.Block();
    if (b.SelectedSlot[FlowOf(flow)] == slot) PostToTarget(b, b.ControlMessage, 0, 1);
    return true;
}

bool TEndpointSimClient::SetRangeFails(int flow, int slot, bool fails) {
    TSimBlockView::Guard guard(view_);
    SimEndpoint* e = Slot(flow, slot);
    if (!e) return false;
    e->RangeFails = fails;
    return true;
}

bool TEndpointSimClient::SetPresent(int flow, int slot, bool present) {
    TSimBlockView::Guard guard(view_);
    SimEndpoint* e = Slot(flow, slot);
    if (!e) return false;
    e->Present = present;
    const SimBlock& b = *view_.Block();
    PostToTarget(b, b.DeviceMessage, 1, 0);
    return true;
}

bool TEndpointSimClient::SetDefault(int flow, int slot) {
    TSimBlockView::Guard guard(view_);
    if (slot != -1 && !Slot(flow, slot)) return false;
    SimBlock& b = *view_.Block();
    b.DefaultSlot[FlowOf(flow)] = slot;
    PostToTarget(b, b.DeviceMessage, 1, 0);
    return true;
}

bool TEndpointSimClient::SetName(int flow, int slot, const std::wstring& name) {
    TSimBlockView::Guard guard(view_);
    SimEndpoint* e = Slot(flow, slot);
    if (!e) return false;
    std::memset(e->Name, 0, sizeof e->Name);
    wcsncpy(e->Name, name.c_str(), 255);
    const SimBlock& b = *view_.Block();
    PostToTarget(b, b.PropertyMessage, 1, 0);
    return true;
}

SimEndpoint TEndpointSimClient::Endpoint(int flow, int slot) const {
    TSimBlockView::Guard guard(view_);
    const SimEndpoint* e = Slot(flow, slot);
    return e ? *e : SimEndpoint{};
}

int TEndpointSimClient::Count(int flow) const {
    if (!Ok()) return 0;
    TSimBlockView::Guard guard(view_);
    return EndpointCount(*view_.Block(), flow);
}

int TEndpointSimClient::DefaultSlot(int flow) const {
    if (!Ok()) return -1;
    TSimBlockView::Guard guard(view_);
    return view_.Block()->DefaultSlot[FlowOf(flow)];
}

int TEndpointSimClient::SelectedSlot(int flow) const {
    if (!Ok()) return -1;
    TSimBlockView::Guard guard(view_);
    return view_.Block()->SelectedSlot[FlowOf(flow)];
}

HWND TEndpointSimClient::TargetWindow() const {
    if (!Ok()) return nullptr;
    TSimBlockView::Guard guard(view_);
    return reinterpret_cast<HWND>(WindowOfStored(view_.Block()->TargetWindow));
}

uint32_t TEndpointSimClient::EnumerationCount() const {
    if (!Ok()) return 0;
    TSimBlockView::Guard guard(view_);
    return view_.Block()->EnumerationCount;
}

}  // namespace dorvane::endpointsim
