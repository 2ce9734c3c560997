// The callback objects the platform calls on its own threads. They touch
// nothing but the notification target, and only post to it.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <devicetopology.h>
#include <atomic>
#include <memory>

namespace dorvane {

// Where notifications go: a window and three message numbers. Shared with the
// callback objects, which the platform may hold longer than the library.
struct TNotificationTarget {
    static constexpr UINT kNoMessage = 0xFFFFFFFF;
    std::atomic<HWND> Window{nullptr};
    std::atomic<UINT> DeviceMessage{kNoMessage};
    std::atomic<UINT> PropertyMessage{kNoMessage};
    std::atomic<UINT> ControlMessage{kNoMessage};

    void Set(HWND window, UINT device, UINT property, UINT control);
    void Clear() { Set(nullptr, kNoMessage, kNoMessage, kNoMessage); }
    void Post(const std::atomic<UINT>& message, WPARAM wp, LPARAM lp) const;
};

// The library's own interface identifier, answered besides IUnknown.
extern const GUID IID_IZelNotification;

class CAudioDevClientNotification final : public IMMNotificationClient {
public:
    explicit CAudioDevClientNotification(std::shared_ptr<TNotificationTarget> target);
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR id, DWORD state) override;
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR id) override;
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR id) override;
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR id) override;
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR id, const PROPERTYKEY key) override;

private:
    ~CAudioDevClientNotification() = default;
    std::atomic<ULONG> refs_{1};
    std::shared_ptr<TNotificationTarget> target_;
};

class CAudioCtrlNotification final : public IControlChangeNotify {
public:
    CAudioCtrlNotification(std::shared_ptr<TNotificationTarget> target, int flow);
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE OnNotify(DWORD processId, LPCGUID context) override;
    int Flow() const { return flow_; }

private:
    ~CAudioCtrlNotification() = default;
    std::atomic<ULONG> refs_{1};
    std::shared_ptr<TNotificationTarget> target_;
    int flow_;
};

}  // namespace dorvane
