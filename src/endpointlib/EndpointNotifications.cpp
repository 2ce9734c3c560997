#include "endpointlib/EndpointNotifications.h"

namespace dorvane {

// {6F1D5A2E-3C47-4B8A-9E10-2D5B7C8A41F3}
const GUID IID_IZelNotification = {0x6f1d5a2e, 0x3c47, 0x4b8a, {0x9e, 0x10, 0x2d, 0x5b, 0x7c, 0x8a, 0x41, 0xf3}};

void TNotificationTarget::Set(HWND window, UINT device, UINT property, UINT control) {
    // The window last: a callback that sees it sees the numbers too.
    Window.store(nullptr);
    DeviceMessage.store(device);
    PropertyMessage.store(property);
    ControlMessage.store(control);
    Window.store(window);
}

void TNotificationTarget::Post(const std::atomic<UINT>& message, WPARAM wp, LPARAM lp) const {
    const HWND window = Window.load();
    if (window) PostMessageW(window, message.load(), wp, lp);
}

namespace {
template <typename Self>
HRESULT AnswerQuery(Self* self, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IZelNotification)) {
        *out = self;
        self->AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}
}  // namespace

CAudioDevClientNotification::CAudioDevClientNotification(std::shared_ptr<TNotificationTarget> target)
    : target_(std::move(target)) {}

HRESULT CAudioDevClientNotification::QueryInterface(REFIID iid, void** out) { return AnswerQuery(this, iid, out); }
ULONG CAudioDevClientNotification::AddRef() { return ++refs_; }
ULONG CAudioDevClientNotification::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;  // COM lifetime: the last reference owns the object
    return left;
}

HRESULT CAudioDevClientNotification::OnDeviceStateChanged(LPCWSTR, DWORD state) {
    if ((state & ~DEVICE_STATEMASK_ALL) == 0) target_->Post(target_->DeviceMessage, 1, 0);
    return S_OK;
}
HRESULT CAudioDevClientNotification::OnDeviceAdded(LPCWSTR) { return S_OK; }
HRESULT CAudioDevClientNotification::OnDeviceRemoved(LPCWSTR) { return S_OK; }
HRESULT CAudioDevClientNotification::OnDefaultDeviceChanged(EDataFlow, ERole, LPCWSTR) {
    target_->Post(target_->DeviceMessage, 1, 0);
    return S_OK;
}
HRESULT CAudioDevClientNotification::OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) {
    target_->Post(target_->PropertyMessage, 1, 0);
    return S_OK;
}

CAudioCtrlNotification::CAudioCtrlNotification(std::shared_ptr<TNotificationTarget> target, int flow)
    : target_(std::move(target)), flow_(flow) {}

HRESULT CAudioCtrlNotification::QueryInterface(REFIID iid, void** out) { return AnswerQuery(this, iid, out); }
ULONG CAudioCtrlNotification::AddRef() { return ++refs_; }
ULONG CAudioCtrlNotification::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;  // COM lifetime: the last reference owns the object
    return left;
}
HRESULT CAudioCtrlNotification::OnNotify(DWORD, LPCGUID) {
    target_->Post(target_->ControlMessage, 0, 1);
    return S_OK;
}

}  // namespace dorvane
