// The endpoint volume library's state and operations: the active playback and
// recording endpoints in two tables, one selected endpoint per flow with the
// level and mute controls found on its topology path, and the platform's
// change callbacks turned into posted window messages. The exported functions
// of zeldevtopvolctrl.dll are one instance of this.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <devicetopology.h>
#include <memory>
#include "controls/ComPtr.h"
#include "endpointlib/EndpointLibApi.h"
#include "endpointlib/EndpointNotifications.h"

namespace dorvane {

class TEndpointLibrary {
public:
    // The tables hold kEndpointTableSize records each. enumerator: the
    // platform's endpoint enumerator; without one it is created on first use.
    TEndpointLibrary(TEndpointDeviceRecord* renderTable, TEndpointDeviceRecord* captureTable,
                     ComPtr<IMMDeviceEnumerator> enumerator = nullptr);
    ~TEndpointLibrary();
    TEndpointLibrary(const TEndpointLibrary&) = delete;
    TEndpointLibrary& operator=(const TEndpointLibrary&) = delete;

    bool DevEnum();
    bool DevTop(int flow, int index);
    HRESULT RefreshDeviceList(int flow);
    UINT GetDevListCnt(int flow);
    void GetListDevName(int flow, int index, wchar_t* buffer, int size);
    bool SlctDevFromList(int flow, int index);
    float GetVolume(int flow, int channel, int* valid);
    int SetVolume(int flow, float decibels, int channel);
    int GetMute(int flow);
    HRESULT SetMute(int flow, int mute);
    int GetVolRange(int flow, float* minDb, float* maxDb, float* stepDb);
    void InitDeviceNotification(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg);

    int SelectedIndex(int flow) const { return flows_[Slot(flow)].selectedIndex; }
    const TNotificationTarget& Target() const { return *target_; }
    // The callback objects, as the platform is handed them.
    IMMNotificationClient* DeviceClient() const { return deviceClient_.Get(); }
    IControlChangeNotify* LevelClient(int flow) const { return flows_[Slot(flow)].level.callback.Get(); }
    IControlChangeNotify* MuteClient(int flow) const { return flows_[Slot(flow)].mute.callback.Get(); }

    // At process exit the platform's objects may be gone already: forget them
    // without calling them.
    void Abandon();

private:
    struct Watch {
        ComPtr<CAudioCtrlNotification> callback;
        ComPtr<IPart> part;
        bool registered = false;
    };
    struct Flow {
        ComPtr<IMMDeviceCollection> list;
        ComPtr<IMMDevice> selected;
        int selectedIndex = -1;
        ComPtr<IAudioVolumeLevel> levelControl;
        ComPtr<IAudioMute> muteControl;
        Watch level;
        Watch mute;
    };
    static int Slot(int flow) { return flow == 0 ? 0 : 1; }
    TEndpointDeviceRecord* Record(int flow, int index) const;
    IMMDeviceEnumerator* Enumerator();
    static void Unwatch(Watch& watch);
    static void WatchPart(Watch& watch, IPart* part, REFIID iid);
    void DropControls(Flow& flow);

    TEndpointDeviceRecord* tables_[2];
    std::shared_ptr<TNotificationTarget> target_;
    ComPtr<CAudioDevClientNotification> deviceClient_;
    ComPtr<IMMDeviceEnumerator> enumerator_;
    bool enumeratorTried_ = false;
    bool clientRegistered_ = false;
    Flow flows_[2];
};

}  // namespace dorvane
