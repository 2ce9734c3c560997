#include "endpointlib/EndpointLibrary.h"
#include <initguid.h>
#include <functiondiscoverykeys_devpkey.h>
#include <objbase.h>
#include <cstring>
#include <cwchar>
#include "controls/Handles.h"
#include "controls/OleValues.h"

namespace dorvane {
namespace {
// Parts a signal path may cross, connectors included: real adapters have a
// dozen or two.
constexpr int kMaxTopologySteps = 64;

// A platform string that CoTaskMemFree releases.
struct TaskMemTraits {
    using handle_type = LPWSTR;
    static LPWSTR invalid() noexcept { return nullptr; }
    static bool valid(LPWSTR h) noexcept { return h != nullptr; }
    static void close(LPWSTR h) noexcept { CoTaskMemFree(h); }
};
using TaskString = UniqueHandle<TaskMemTraits>;

struct PropVariantTraits {
    using value_type = PROPVARIANT;
    static void init(PROPVARIANT* v) noexcept { PropVariantInit(v); }
    static void clear(PROPVARIANT* v) noexcept { PropVariantClear(v); }
};
using PropValue = ClearedValue<PropVariantTraits>;

EDataFlow DataFlow(int slot) { return slot == 0 ? eRender : eCapture; }
}  // namespace

TEndpointLibrary::TEndpointLibrary(TEndpointDeviceRecord* renderTable, TEndpointDeviceRecord* captureTable,
                                   ComPtr<IMMDeviceEnumerator> enumerator)
    : tables_{renderTable, captureTable},
      target_(std::make_shared<TNotificationTarget>()),
      enumerator_(std::move(enumerator)) {
    std::memset(tables_[0], 0, sizeof(TEndpointDeviceRecord) * kEndpointTableSize);
    std::memset(tables_[1], 0, sizeof(TEndpointDeviceRecord) * kEndpointTableSize);
    flows_[0].level.callback = MakeCom<CAudioCtrlNotification>(target_, 0);
    flows_[0].mute.callback = MakeCom<CAudioCtrlNotification>(target_, 0);
    flows_[1].level.callback = MakeCom<CAudioCtrlNotification>(target_, 1);
    flows_[1].mute.callback = MakeCom<CAudioCtrlNotification>(target_, 1);
    deviceClient_ = MakeCom<CAudioDevClientNotification>(target_);
    enumeratorTried_ = static_cast<bool>(enumerator_);
}

TEndpointLibrary::~TEndpointLibrary() {
    target_->Clear();
    if (clientRegistered_ && enumerator_) enumerator_->UnregisterEndpointNotificationCallback(deviceClient_.Get());
    clientRegistered_ = false;
    for (Flow& flow : flows_) {
        Unwatch(flow.level);
        Unwatch(flow.mute);
    }
}

void TEndpointLibrary::Abandon() {
    target_->Clear();
    for (Flow& flow : flows_) {
        flow.list.Detach();
        flow.selected.Detach();
        flow.levelControl.Detach();
        flow.muteControl.Detach();
        flow.level.part.Detach();
        flow.mute.part.Detach();
        flow.level.registered = flow.mute.registered = false;
    }
    enumerator_.Detach();
    clientRegistered_ = false;
}

TEndpointDeviceRecord* TEndpointLibrary::Record(int flow, int index) const {
    if (index < 0 || index >= kEndpointTableSize) return nullptr;
    return &tables_[Slot(flow)][index];
}

IMMDeviceEnumerator* TEndpointLibrary::Enumerator() {
    // Made on first use rather than at load: creating the platform's audio
    // objects under the loader lock can wait on threads that need that lock.
    if (!enumeratorTried_) {
        enumeratorTried_ = true;
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                         enumerator_.PutVoid());
    }
    return enumerator_.Get();
}

void TEndpointLibrary::Unwatch(Watch& watch) {
    if (watch.registered && watch.part) watch.part->UnregisterControlChangeCallback(watch.callback.Get());
    watch.registered = false;
    watch.part.Reset();
}

void TEndpointLibrary::WatchPart(Watch& watch, IPart* part, REFIID iid) {
    Unwatch(watch);
    watch.part = ComPtr<IPart>::Share(part);
    watch.registered = SUCCEEDED(part->RegisterControlChangeCallback(iid, watch.callback.Get()));
}

void TEndpointLibrary::DropControls(Flow& flow) {
    Unwatch(flow.level);
    Unwatch(flow.mute);
    flow.levelControl.Reset();
    flow.muteControl.Reset();
}

bool TEndpointLibrary::DevEnum() {
    std::memset(tables_[0], 0, sizeof(TEndpointDeviceRecord) * kEndpointTableSize);
    std::memset(tables_[1], 0, sizeof(TEndpointDeviceRecord) * kEndpointTableSize);
    for (Flow& flow : flows_) {
        flow.selectedIndex = -1;
        DropControls(flow);
        flow.list.Reset();
        flow.selected.Reset();
    }

    IMMDeviceEnumerator* enumerator = Enumerator();
    if (!enumerator) return false;
    if (!clientRegistered_) {
        if (FAILED(enumerator->RegisterEndpointNotificationCallback(deviceClient_.Get()))) return false;
        clientRegistered_ = true;
    }

    bool failed = false;
    for (int slot = 0; slot < 2 && !failed; ++slot) {
        Flow& flow = flows_[slot];
        ComPtr<IMMDevice> defaultDevice;
        TaskString defaultId;
        if (FAILED(enumerator->GetDefaultAudioEndpoint(DataFlow(slot), eMultimedia, defaultDevice.Put())) ||
            FAILED(defaultDevice->GetId(defaultId.Put())) || !defaultId)
            break;
        UINT count = 0;
        if (FAILED(enumerator->EnumAudioEndpoints(DataFlow(slot), DEVICE_STATE_ACTIVE, flow.list.Put())) ||
            FAILED(flow.list->GetCount(&count)))
            break;
        for (UINT i = 0; i < count; ++i) {
            ComPtr<IMMDevice> device;
            if (FAILED(flow.list->Item(i, device.Put()))) continue;
            ComPtr<IPropertyStore> store;
            PropValue name;
            if (FAILED(device->OpenPropertyStore(STGM_READ, store.Put())) ||
                FAILED(store->GetValue(PKEY_Device_FriendlyName, name.Put())) || name.get().vt != VT_LPWSTR ||
                !name.get().pwszVal)
                continue;
            TEndpointDeviceRecord* record = Record(slot, static_cast<int>(i));
            if (record) {
                wcsncpy(record->Name, name.get().pwszVal, kEndpointNameUnits - 1);
                record->Name[kEndpointNameUnits - 1] = L'\0';
                record->Index = static_cast<int32_t>(i);
            }
            TaskString id;
            if (FAILED(device->GetId(id.Put())) || !id) {
                failed = true;
                break;
            }
            const bool isDefault = flow.selectedIndex < 0 && std::wcscmp(id.get(), defaultId.get()) == 0;
            if (record) record->Default = record->Selected = isDefault ? 1 : 0;
            if (isDefault) {
                flow.selected = std::move(device);
                flow.selectedIndex = static_cast<int>(i);
            }
        }
    }

    return flows_[0].selectedIndex >= 0 && flows_[1].selectedIndex >= 0 && DevTop(0, flows_[0].selectedIndex) &&
           DevTop(1, flows_[1].selectedIndex);
}

bool TEndpointLibrary::DevTop(int flowNumber, int index) {
    const int slot = Slot(flowNumber);
    Flow& flow = flows_[slot];
    if (!flow.selected) return false;
    // The controls found belong to this endpoint alone: a path without a
    // level control must not keep the one of the endpoint selected before.
    DropControls(flow);

    ComPtr<IDeviceTopology> topology;
    ComPtr<IConnector> own, connector;
    if (FAILED(flow.selected->Activate(__uuidof(IDeviceTopology), CLSCTX_ALL, nullptr, topology.PutVoid())) ||
        FAILED(topology->GetConnector(0, own.Put())) || FAILED(own->GetConnectedTo(connector.Put())))
        return false;

    TEndpointDeviceRecord* record = Record(slot, index);
    bool result = false, levelFound = false, muteFound = false;
    ComPtr<IPart> part = connector.As<IPart>(__uuidof(IPart));
    // A driver's topology can loop back on itself; the walk runs on the
    // panel's window thread, so it gives up after more parts than any real
    // signal path has.
    for (int step = 0; part && step < kMaxTopologySteps; ++step) {
        ComPtr<IPartsList> parts;
        const HRESULT listed = slot == 0 ? part->EnumPartsIncoming(parts.Put()) : part->EnumPartsOutgoing(parts.Put());
        ComPtr<IPart> next;
        PartType type;
        if (FAILED(listed) || !parts || FAILED(parts->GetPart(0, next.Put())) || !next ||
            FAILED(next->GetPartType(&type)))
            break;
        if (type == Connector) {
            ComPtr<IConnector> inward = next.As<IConnector>(__uuidof(IConnector));
            ComPtr<IConnector> outward;
            if (!inward || FAILED(inward->GetConnectedTo(outward.Put())) || !outward) break;
            part = outward.As<IPart>(__uuidof(IPart));
            continue;
        }
        if (!levelFound) {
            ComPtr<IAudioVolumeLevel> level;
            if (SUCCEEDED(next->Activate(CLSCTX_ALL, __uuidof(IAudioVolumeLevel), level.PutVoid())) && level) {
                flow.levelControl = std::move(level);
                WatchPart(flow.level, next.Get(), __uuidof(IAudioVolumeLevel));
                levelFound = result = true;
                if (muteFound) break;
            }
        }
        if (!muteFound) {
            ComPtr<IAudioMute> mute;
            if (SUCCEEDED(next->Activate(CLSCTX_ALL, __uuidof(IAudioMute), mute.PutVoid())) && mute) {
                flow.muteControl = std::move(mute);
                WatchPart(flow.mute, next.Get(), __uuidof(IAudioMute));
                BOOL muted = FALSE;
                if (SUCCEEDED(flow.muteControl->GetMute(&muted))) result = true;
                if (record) record->Mute = 1;
                muteFound = true;
                if (levelFound) break;
            } else if (record) {
                record->Mute = 0;
            }
        }
        part = std::move(next);
    }
    return result;
}

bool TEndpointLibrary::SlctDevFromList(int flowNumber, int index) {
    const int slot = Slot(flowNumber);
    Flow& flow = flows_[slot];
    flow.selected.Reset();
    if (!flow.list || index < 0 || FAILED(flow.list->Item(static_cast<UINT>(index), flow.selected.Put())) ||
        !flow.selected) {
        flow.selected.Reset();
        DropControls(flow);
        return false;
    }
    if (TEndpointDeviceRecord* before = Record(slot, flow.selectedIndex)) before->Selected = 0;
    if (TEndpointDeviceRecord* now = Record(slot, index)) now->Selected = 1;
    flow.selectedIndex = index;
    return DevTop(slot, index);
}

UINT TEndpointLibrary::GetDevListCnt(int flow) {
    UINT count = 0;
    const Flow& f = flows_[Slot(flow)];
    if (!f.list || FAILED(f.list->GetCount(&count))) return 0;
    return count;
}

HRESULT TEndpointLibrary::RefreshDeviceList(int flow) {
    const int slot = Slot(flow);
    flows_[slot].list.Reset();
    IMMDeviceEnumerator* enumerator = Enumerator();
    if (!enumerator) return E_FAIL;
    return enumerator->EnumAudioEndpoints(DataFlow(slot), DEVICE_STATE_ACTIVE, flows_[slot].list.Put());
}

void TEndpointLibrary::GetListDevName(int flow, int index, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    const wchar_t* text = L"<Device not available>";
    ComPtr<IMMDevice> device;
    ComPtr<IPropertyStore> store;
    PropValue name;
    const Flow& f = flows_[Slot(flow)];
    if (f.list && index >= 0 && SUCCEEDED(f.list->Item(static_cast<UINT>(index), device.Put())) && device &&
        SUCCEEDED(device->OpenPropertyStore(STGM_READ, store.Put())) &&
        SUCCEEDED(store->GetValue(PKEY_Device_FriendlyName, name.Put())) && name.get().vt == VT_LPWSTR &&
        name.get().pwszVal)
        text = name.get().pwszVal;
    wcsncpy(buffer, text, static_cast<size_t>(size - 1));
    buffer[size - 1] = L'\0';
}

float TEndpointLibrary::GetVolume(int flow, int channel, int* valid) {
    const int slot = Slot(flow);
    float level = 0.0f;
    bool read = false;
    if (IAudioVolumeLevel* control = flows_[slot].levelControl.Get())
        read = SUCCEEDED(control->GetLevel(slot == 0 ? static_cast<UINT>(channel) : 0, &level));
    // A failed read is no level at all, not 0 dB (full volume).
    if (valid) *valid = read ? 1 : 0;
    return read ? level : 0.0f;
}

int TEndpointLibrary::SetVolume(int flow, float decibels, int channel) {
    const int slot = Slot(flow);
    IAudioVolumeLevel* control = flows_[slot].levelControl.Get();
    if (!control) return 0;
    return SUCCEEDED(control->SetLevel(slot == 0 ? static_cast<UINT>(channel) : 0, decibels, nullptr)) ? 1 : 0;
}

int TEndpointLibrary::GetMute(int flow) {
    BOOL muted = FALSE;
    if (IAudioMute* control = flows_[Slot(flow)].muteControl.Get())
        if (FAILED(control->GetMute(&muted))) muted = FALSE;
    return muted ? 1 : 0;
}

HRESULT TEndpointLibrary::SetMute(int flow, int mute) {
    IAudioMute* control = flows_[Slot(flow)].muteControl.Get();
    if (!control) return 0;
    return control->SetMute(mute ? TRUE : FALSE, nullptr);
}

int TEndpointLibrary::GetVolRange(int flow, float* minDb, float* maxDb, float* stepDb) {
    float lo = 0.0f, hi = 0.0f, step = 0.0f;
    int result = 1;
    if (IAudioVolumeLevel* control = flows_[Slot(flow)].levelControl.Get()) {
        if (SUCCEEDED(control->GetLevelRange(0, &lo, &hi, &step)))
            result = 0;
        else
            lo = hi = step = 0.0f;
    }
    if (minDb) *minDb = lo;
    if (maxDb) *maxDb = hi;
    if (stepDb) *stepDb = step;
    return result;
}

void TEndpointLibrary::InitDeviceNotification(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg) {
    target_->Set(window, deviceMsg, propertyMsg, controlMsg);
}

}  // namespace dorvane
