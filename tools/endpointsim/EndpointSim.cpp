// The simulated zeldevtopvolctrl.dll: the library's exports and tables over
// the endpoints of the shared block. The active lists are taken at each
// enumeration (or refresh), as the platform's collections are.
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include "EndpointSimShared.h"
#include "endpointlib/EndpointLibApi.h"

using dorvane::kEndpointNameUnits;
using dorvane::kEndpointTableSize;
using dorvane::TEndpointDeviceRecord;
using namespace dorvane::endpointsim;

extern "C" {
TEndpointDeviceRecord RenderDevList[kEndpointTableSize];
TEndpointDeviceRecord CaptureDevList[kEndpointTableSize];
}

namespace {
struct State {
    TSimBlockView view;
    int active[2][kMaxEndpoints] = {};  // list index -> slot
    int activeCount[2] = {0, 0};
    int selected[2] = {-1, -1};  // list index
};
std::unique_ptr<State> g_state;

int FlowOf(int flow) { return flow == 0 ? 0 : 1; }
TEndpointDeviceRecord* Table(int f) { return f == 0 ? RenderDevList : CaptureDevList; }

// Caller holds the lock.
SimBlock* Block() { return g_state ? g_state->view.Block() : nullptr; }

void TakeList(SimBlock& b, int f) {
    g_state->activeCount[f] = 0;
    const int count = EndpointCount(b, f);
    for (int slot = 0; slot < count; ++slot)
        if (b.Endpoints[f][slot].Present) g_state->active[f][g_state->activeCount[f]++] = slot;
}

// The selected endpoint of a flow as it is now; nullptr when it has gone.
SimEndpoint* Selected(SimBlock& b, int f) {
    const int index = g_state->selected[f];
    if (index < 0 || index >= g_state->activeCount[f]) return nullptr;
    SimEndpoint& e = b.Endpoints[f][g_state->active[f][index]];
    return e.Present ? &e : nullptr;
}

bool Top(SimBlock& b, int f, int index) {
    SimEndpoint* e = Selected(b, f);
    const bool usable = e && (e->HasLevel || e->HasMute);
    if (index >= 0 && index < kEndpointTableSize) Table(f)[index].Mute = e && e->HasMute;
    b.SelectedSlot[f] = usable ? g_state->active[f][g_state->selected[f]] : -1;
    return usable;
}

// A name of the block into a caller's buffer of `units`, always terminated.
void CopyName(wchar_t* buffer, int units, const SimEndpoint& e) {
    const std::wstring_view name = EndpointName(e);
    const size_t n = std::min(name.size(), static_cast<size_t>(units - 1));
    std::wmemcpy(buffer, name.data(), n);
    buffer[n] = L'\0';
}

class Locked {
public:
    Locked() : guard_(g_state->view) {}
    SimBlock* operator->() const { return Block(); }
    SimBlock& operator*() const { return *Block(); }

private:
    TSimBlockView::Guard guard_;
};
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_state = std::make_unique<State>();
    } else if (reason == DLL_PROCESS_DETACH) {
        g_state.reset();
    }
    return TRUE;
}

extern "C" {
bool WINAPI zeldevenum() {
    std::memset(RenderDevList, 0, sizeof RenderDevList);
    std::memset(CaptureDevList, 0, sizeof CaptureDevList);
    g_state->selected[0] = g_state->selected[1] = -1;
    if (!g_state->view.Ok()) return false;
    Locked b;
    ++b->EnumerationCount;
    for (int f = 0; f < 2; ++f) {
        b->SelectedSlot[f] = -1;
        TakeList(*b, f);
        for (int i = 0; i < g_state->activeCount[f]; ++i) {
            const int slot = g_state->active[f][i];
            if (i >= kEndpointTableSize) break;
            TEndpointDeviceRecord& r = Table(f)[i];
            r.Index = i;
            CopyName(r.Name, kEndpointNameUnits, b->Endpoints[f][slot]);
            r.Default = r.Selected = slot == b->DefaultSlot[f];
            if (r.Default) g_state->selected[f] = i;
        }
    }
    return g_state->selected[0] >= 0 && g_state->selected[1] >= 0 && Top(*b, 0, g_state->selected[0]) &&
           Top(*b, 1, g_state->selected[1]);
}

bool WINAPI zeldevtop(int flow, int index) {
    if (!g_state->view.Ok()) return false;
    Locked b;
    return Top(*b, FlowOf(flow), index);
}

HRESULT WINAPI zelrefreshdevicelist(int flow) {
    if (!g_state->view.Ok()) return E_FAIL;
    Locked b;
    TakeList(*b, FlowOf(flow));
    return S_OK;
}

UINT WINAPI zelGetDevListCnt(int flow) { return static_cast<UINT>(g_state->activeCount[FlowOf(flow)]); }

void WINAPI zelGetListDevName(int flow, int index, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    const int f = FlowOf(flow);
    std::unique_ptr<Locked> b;
    if (g_state->view.Ok()) b = std::make_unique<Locked>();
    if (b && index >= 0 && index < g_state->activeCount[f]) {
        CopyName(buffer, size, (*b)->Endpoints[f][g_state->active[f][index]]);
        return;
    }
    wcsncpy(buffer, L"<Device not available>", static_cast<size_t>(size - 1));
    buffer[size - 1] = L'\0';
}

bool WINAPI zelSlctDevFromList(int flow, int index) {
    const int f = FlowOf(flow);
    if (!g_state->view.Ok()) return false;
    Locked b;
    if (index < 0 || index >= g_state->activeCount[f]) {
        g_state->selected[f] = -1;
        b->SelectedSlot[f] = -1;
        return false;
    }
    const int before = g_state->selected[f];
    if (before >= 0 && before < kEndpointTableSize) Table(f)[before].Selected = 0;
    if (index < kEndpointTableSize) Table(f)[index].Selected = 1;
    g_state->selected[f] = index;
    return Top(*b, f, index);
}

float WINAPI zelGetVolume(int flow, int channel, int* valid) {
    const int f = FlowOf(flow);
    if (valid) *valid = 0;
    if (!g_state->view.Ok()) return 0.0f;
    Locked b;
    SimEndpoint* e = Selected(*b, f);
    const int ch = f == 0 ? channel : 0;
    if (!e || !e->HasLevel || ch < 0 || ch >= static_cast<int>(e->Channels) || ch > 1) return 0.0f;
    if (valid) *valid = 1;
    return e->LevelDb[ch];
}

int WINAPI zelSetVolume(int flow, float decibels, int channel) {
    const int f = FlowOf(flow);
    if (!g_state->view.Ok()) return 0;
    Locked b;
    SimEndpoint* e = Selected(*b, f);
    const int ch = f == 0 ? channel : 0;
    if (!e || !e->HasLevel || ch < 0 || ch >= static_cast<int>(e->Channels) || ch > 1) return 0;
    if (decibels < e->MinDb) decibels = e->MinDb;
    if (decibels > e->MaxDb) decibels = e->MaxDb;
    e->LevelDb[ch] = decibels;
    PostToTarget(*b, b->ControlMessage, 0, 1);
    return 1;
}

int WINAPI zelGetMute(int flow) {
    if (!g_state->view.Ok()) return 0;
    Locked b;
    SimEndpoint* e = Selected(*b, FlowOf(flow));
    return e && e->HasMute && e->Muted ? 1 : 0;
}

HRESULT WINAPI zelSetMute(int flow, int mute) {
    if (!g_state->view.Ok()) return 0;
    Locked b;
    SimEndpoint* e = Selected(*b, FlowOf(flow));
    if (!e || !e->HasMute) return 0;
    e->Muted = mute != 0;
    PostToTarget(*b, b->ControlMessage, 0, 1);
    return S_OK;
}

int WINAPI zelGetVolRange(int flow, float* minDb, float* maxDb, float* stepDb) {
    float lo = 0.0f, hi = 0.0f, step = 0.0f;
    int result = 1;
    if (g_state->view.Ok()) {
        Locked b;
        if (SimEndpoint* e = Selected(*b, FlowOf(flow)); e && e->HasLevel && !e->RangeFails) {
            lo = e->MinDb;
            hi = e->MaxDb;
            step = e->StepDb;
            result = 0;
        }
    }
    if (minDb) *minDb = lo;
    if (maxDb) *maxDb = hi;
    if (stepDb) *stepDb = step;
    return result;
}

void WINAPI zelInitDeviceNotification(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg) {
    if (!g_state->view.Ok()) return;
    Locked b;
    b->TargetWindow = StoredWindow(reinterpret_cast<uintptr_t>(window));
    b->DeviceMessage = deviceMsg;
    b->PropertyMessage = propertyMsg;
    b->ControlMessage = controlMsg;
}
}
