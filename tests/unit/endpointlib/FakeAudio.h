// Fake platform audio objects for the endpoint library: an enumerator with
// endpoints, their property stores and device topologies, connectors, parts,
// and level and mute controls. Wine has no device topology, so the walk is
// tested here. Calls that matter are written to one log.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <devicetopology.h>
#include <endpointvolume.h>
#include <atomic>
#include <string>
#include <vector>
#include "controls/ComPtr.h"

namespace dorvane::test {

std::vector<std::string>& FakeLog();

#define FAKE_REFCOUNT                                          \
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; } \
    ULONG STDMETHODCALLTYPE Release() override {               \
        const ULONG n = --refs_;                               \
        if (n == 0) delete this;                               \
        return n;                                              \
    }                                                          \
    std::atomic<ULONG> refs_{1};

class FakeLevel final : public IAudioVolumeLevel {
public:
    FAKE_REFCOUNT
    std::string name;
    float level[2] = {0.0f, 0.0f};
    float lo = -45.0f, hi = 0.0f, step = 0.5f;
    HRESULT readResult = S_OK, writeResult = S_OK, rangeResult = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* n) override { *n = 2; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetLevelRange(UINT, float* a, float* b, float* c) override {
        *a = lo; *b = hi; *c = step;
        return rangeResult;
    }
    HRESULT STDMETHODCALLTYPE GetLevel(UINT ch, float* db) override {
        FakeLog().push_back(name + " GetLevel " + std::to_string(ch));
        if (FAILED(readResult)) return readResult;
        *db = level[ch > 1 ? 1 : ch];
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetLevel(UINT ch, float db, LPCGUID) override {
        FakeLog().push_back(name + " SetLevel " + std::to_string(ch) + " " + std::to_string(db));
        if (SUCCEEDED(writeResult)) level[ch > 1 ? 1 : ch] = db;
        return writeResult;
    }
    HRESULT STDMETHODCALLTYPE SetLevelUniform(float, LPCGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetLevelAllChannels(float*, ULONG, LPCGUID) override { return E_NOTIMPL; }
};

class FakeMute final : public IAudioMute {
public:
    FAKE_REFCOUNT
    BOOL muted = FALSE;
    HRESULT readResult = S_OK;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE SetMute(BOOL m, LPCGUID) override { muted = m; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* m) override {
        *m = muted;
        return readResult;
    }
};

// A part of a topology: a subunit (with an optional level and mute control)
// or a connector (joined to the connector on its other side).
class FakePart final : public IPart, public IConnector {
public:
    FAKE_REFCOUNT
    std::string name;
    PartType type = Subunit;
    FakePart* connectedTo = nullptr;   // connectors
    FakePart* next = nullptr;          // the first part on the way in (playback) or out (recording)
    bool nextIsIncoming = true;
    ComPtr<FakeLevel> level;
    ComPtr<FakeMute> mute;
    std::vector<IControlChangeNotify*> watchers;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    // IPart
    HRESULT STDMETHODCALLTYPE GetName(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetLocalId(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetGlobalId(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPartType(PartType* t) override { *t = type; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetSubType(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetControlInterfaceCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetControlInterface(UINT, IControlInterface**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumPartsIncoming(IPartsList** out) override;
    HRESULT STDMETHODCALLTYPE EnumPartsOutgoing(IPartsList** out) override;
    HRESULT STDMETHODCALLTYPE GetTopologyObjects(IDeviceTopology**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Activate(DWORD, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE RegisterControlChangeCallback(REFGUID iid, IControlChangeNotify* n) override;
    HRESULT STDMETHODCALLTYPE UnregisterControlChangeCallback(IControlChangeNotify* n) override;
    // IConnector
    HRESULT STDMETHODCALLTYPE GetType(ConnectorType*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDataFlow(DataFlow*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConnectTo(IConnector*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Disconnect() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsConnected(BOOL* b) override { *b = connectedTo != nullptr; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetConnectedTo(IConnector** out) override;
    HRESULT STDMETHODCALLTYPE GetConnectorIdConnectedTo(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDeviceIdConnectedTo(LPWSTR*) override { return E_NOTIMPL; }

private:
    HRESULT List(bool incoming, IPartsList** out);
};

class FakePartsList final : public IPartsList {
public:
    FAKE_REFCOUNT
    std::vector<IPart*> parts;  // owned by the scene
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetCount(UINT* n) override { *n = static_cast<UINT>(parts.size()); return S_OK; }
    HRESULT STDMETHODCALLTYPE GetPart(UINT i, IPart** out) override {
        if (i >= parts.size()) return E_INVALIDARG;
        *out = parts[i];
        parts[i]->AddRef();
        return S_OK;
    }
};

class FakeTopology final : public IDeviceTopology {
public:
    FAKE_REFCOUNT
    FakePart* connector = nullptr;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetConnectorCount(UINT* n) override { *n = connector ? 1 : 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetConnector(UINT i, IConnector** out) override;
    HRESULT STDMETHODCALLTYPE GetSubunitCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSubunit(UINT, ISubUnit**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPartById(UINT, IPart**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDeviceId(LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSignalPath(IPart*, IPart*, BOOL, IPartsList**) override { return E_NOTIMPL; }
};

class FakeStore final : public IPropertyStore {
public:
    FAKE_REFCOUNT
    std::wstring name;
    bool unreadable = false;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetCount(DWORD* n) override { *n = 1; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override;
    HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit() override { return E_NOTIMPL; }
};

class FakeDevice final : public IMMDevice {
public:
    FAKE_REFCOUNT
    std::wstring id;
    ComPtr<FakeStore> store;
    ComPtr<FakeTopology> topology;  // none: E_NOINTERFACE, as under Wine
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override;
    HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore** out) override;
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR* out) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD* s) override { *s = DEVICE_STATE_ACTIVE; return S_OK; }
};

class FakeCollection final : public IMMDeviceCollection {
public:
    FAKE_REFCOUNT
    std::vector<IMMDevice*> devices;  // owned by the enumerator
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetCount(UINT* n) override { *n = static_cast<UINT>(devices.size()); return S_OK; }
    HRESULT STDMETHODCALLTYPE Item(UINT i, IMMDevice** out) override {
        if (i >= devices.size()) return E_INVALIDARG;
        *out = devices[i];
        devices[i]->AddRef();
        return S_OK;
    }
};

class FakeEnumerator final : public IMMDeviceEnumerator {
public:
    FAKE_REFCOUNT
    std::vector<ComPtr<FakeDevice>> devices[2];
    int defaultIndex[2] = {-1, -1};
    IMMNotificationClient* client = nullptr;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD mask, IMMDeviceCollection** out) override;
    HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** out) override;
    HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR, IMMDevice**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient* c) override;
    HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient* c) override;
};

// Builds endpoints with their topology path:
// endpoint connector -> adapter connector -> [connector pair] -> level -> mute.
struct FakeScene {
    ComPtr<FakeEnumerator> enumerator = MakeCom<FakeEnumerator>();
    std::vector<ComPtr<FakePart>> parts;

    struct Options {
        bool level = true;
        bool mute = true;
        bool topology = true;
        bool bridge = false;  // a connector pair inside the path
        bool unreadableName = false;
    };
    struct Endpoint {
        FakeDevice* device = nullptr;
        FakePart* levelPart = nullptr;
        FakePart* mutePart = nullptr;
    };
    Endpoint Add(int flow, const std::wstring& name, const std::wstring& id, Options options);
    Endpoint Add(int flow, const std::wstring& name, const std::wstring& id) { return Add(flow, name, id, Options{}); }
    void SetDefault(int flow, int index) { enumerator->defaultIndex[flow] = index; }

private:
    FakePart* NewPart(const std::string& name, PartType type);
};

}  // namespace dorvane::test
