#include "FakeAudio.h"
#include <functiondiscoverykeys_devpkey.h>
#include <cstring>

namespace dorvane::test {

std::vector<std::string>& FakeLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {
std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

LPWSTR TaskCopy(const std::wstring& text) {
    auto* out = static_cast<LPWSTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
    std::memcpy(out, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return out;
}

template <typename I, typename Self>
HRESULT Answer(Self* self, REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(I))) {
        *out = static_cast<I*>(self);
        self->AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

constexpr HRESULT kNotFound = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
}  // namespace

HRESULT FakeLevel::QueryInterface(REFIID iid, void** out) { return Answer<IAudioVolumeLevel>(this, iid, out); }
HRESULT FakeMute::QueryInterface(REFIID iid, void** out) { return Answer<IAudioMute>(this, iid, out); }
HRESULT FakePartsList::QueryInterface(REFIID iid, void** out) { return Answer<IPartsList>(this, iid, out); }
HRESULT FakeTopology::QueryInterface(REFIID iid, void** out) { return Answer<IDeviceTopology>(this, iid, out); }
HRESULT FakeStore::QueryInterface(REFIID iid, void** out) { return Answer<IPropertyStore>(this, iid, out); }
HRESULT FakeDevice::QueryInterface(REFIID iid, void** out) { return Answer<IMMDevice>(this, iid, out); }
HRESULT FakeCollection::QueryInterface(REFIID iid, void** out) { return Answer<IMMDeviceCollection>(this, iid, out); }
HRESULT FakeEnumerator::QueryInterface(REFIID iid, void** out) { return Answer<IMMDeviceEnumerator>(this, iid, out); }

HRESULT FakePart::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(IPart))) {
        *out = static_cast<IPart*>(this);
    } else if (IsEqualIID(iid, __uuidof(IConnector)) && type == Connector) {
        *out = static_cast<IConnector*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT FakePart::List(bool incoming, IPartsList** out) {
    *out = nullptr;
    if (!next || incoming != nextIsIncoming) return kNotFound;
    auto list = MakeCom<FakePartsList>();
    list->parts.push_back(static_cast<IPart*>(next));
    *out = list.Detach();
    return S_OK;
}
HRESULT FakePart::EnumPartsIncoming(IPartsList** out) { return List(true, out); }
HRESULT FakePart::EnumPartsOutgoing(IPartsList** out) { return List(false, out); }

HRESULT FakePart::Activate(DWORD, REFIID iid, void** out) {
    *out = nullptr;
    if (IsEqualIID(iid, __uuidof(IAudioVolumeLevel)) && level) return level->QueryInterface(iid, out);
    if (IsEqualIID(iid, __uuidof(IAudioMute)) && mute) return mute->QueryInterface(iid, out);
    return E_NOINTERFACE;
}

HRESULT FakePart::RegisterControlChangeCallback(REFGUID iid, IControlChangeNotify* n) {
    FakeLog().push_back("watch " + name + (IsEqualIID(iid, __uuidof(IAudioMute)) ? " mute" : " level"));
    n->AddRef();
    watchers.push_back(n);
    return S_OK;
}

HRESULT FakePart::UnregisterControlChangeCallback(IControlChangeNotify* n) {
    for (auto it = watchers.begin(); it != watchers.end(); ++it) {
        if (*it != n) continue;
        FakeLog().push_back("unwatch " + name);
        watchers.erase(it);
        n->Release();
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT FakePart::GetConnectedTo(IConnector** out) {
    *out = nullptr;
    if (!connectedTo) return kNotFound;
    return connectedTo->QueryInterface(__uuidof(IConnector), reinterpret_cast<void**>(out));
}

HRESULT FakeTopology::GetConnector(UINT i, IConnector** out) {
    *out = nullptr;
    if (i != 0 || !connector) return E_INVALIDARG;
    return connector->QueryInterface(__uuidof(IConnector), reinterpret_cast<void**>(out));
}

HRESULT FakeStore::GetValue(REFPROPERTYKEY key, PROPVARIANT* value) {
    PropVariantInit(value);
    if (unreadable) return E_FAIL;
    if (!IsEqualGUID(key.fmtid, PKEY_Device_FriendlyName.fmtid) || key.pid != PKEY_Device_FriendlyName.pid)
        return S_OK;  // VT_EMPTY
    value->vt = VT_LPWSTR;
    value->pwszVal = TaskCopy(name);
    return S_OK;
}

HRESULT FakeDevice::Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) {
    *out = nullptr;
    if (IsEqualIID(iid, __uuidof(IDeviceTopology)) && topology) return topology->QueryInterface(iid, out);
    return E_NOINTERFACE;
}

HRESULT FakeDevice::OpenPropertyStore(DWORD, IPropertyStore** out) {
    *out = nullptr;
    if (!store) return E_FAIL;
    return store->QueryInterface(__uuidof(IPropertyStore), reinterpret_cast<void**>(out));
}

HRESULT FakeDevice::GetId(LPWSTR* out) {
    *out = TaskCopy(id);
    return S_OK;
}

HRESULT FakeEnumerator::EnumAudioEndpoints(EDataFlow flow, DWORD, IMMDeviceCollection** out) {
    auto list = MakeCom<FakeCollection>();
    for (auto& d : devices[flow == eRender ? 0 : 1]) list->devices.push_back(d.Get());
    *out = list.Detach();
    return S_OK;
}

HRESULT FakeEnumerator::GetDefaultAudioEndpoint(EDataFlow flow, ERole, IMMDevice** out) {
    *out = nullptr;
    const int f = flow == eRender ? 0 : 1;
    if (defaultIndex[f] < 0) return kNotFound;
    return devices[f][defaultIndex[f]]->QueryInterface(__uuidof(IMMDevice), reinterpret_cast<void**>(out));
}

HRESULT FakeEnumerator::RegisterEndpointNotificationCallback(IMMNotificationClient* c) {
    FakeLog().push_back("register client");
    c->AddRef();
    client = c;
    return S_OK;
}

HRESULT FakeEnumerator::UnregisterEndpointNotificationCallback(IMMNotificationClient* c) {
    if (c != client) return E_INVALIDARG;
    FakeLog().push_back("unregister client");
    client->Release();
    client = nullptr;
    return S_OK;
}

FakePart* FakeScene::NewPart(const std::string& name, PartType type) {
    parts.push_back(MakeCom<FakePart>());
    FakePart* p = parts.back().Get();
    p->name = name;
    p->type = type;
    return p;
}

FakeScene::Endpoint FakeScene::Add(int flow, const std::wstring& name, const std::wstring& id, Options o) {
    const std::string tag = Narrow(id);
    Endpoint e;
    auto device = MakeCom<FakeDevice>();
    device->id = id;
    device->store = MakeCom<FakeStore>();
    device->store->name = name;
    device->store->unreadable = o.unreadableName;
    e.device = device.Get();

    FakePart* own = NewPart(tag + ".endpoint", Connector);
    FakePart* adapter = NewPart(tag + ".adapter", Connector);
    own->connectedTo = adapter;
    adapter->connectedTo = own;
    FakePart* last = adapter;
    auto chain = [&](FakePart* p) {
        last->next = p;
        last->nextIsIncoming = flow == 0;
        last = p;
    };
    if (o.bridge) {
        FakePart* in = NewPart(tag + ".bridge-in", Connector);
        FakePart* out = NewPart(tag + ".bridge-out", Connector);
        in->connectedTo = out;
        out->connectedTo = in;
        chain(in);
        last = out;
    }
    FakePart* levelPart = NewPart(tag + (o.level ? ".level" : ".plain"), Subunit);
    if (o.level) {
        levelPart->level = MakeCom<FakeLevel>();
        levelPart->level->name = tag;
        e.levelPart = levelPart;
    }
    chain(levelPart);
    if (o.mute) {
        FakePart* mutePart = NewPart(tag + ".mute", Subunit);
        mutePart->mute = MakeCom<FakeMute>();
        chain(mutePart);
        e.mutePart = mutePart;
    }
    if (o.topology) {
        device->topology = MakeCom<FakeTopology>();
        device->topology->connector = own;
    }
    enumerator->devices[flow == 0 ? 0 : 1].push_back(std::move(device));
    return e;
}

}  // namespace dorvane::test
