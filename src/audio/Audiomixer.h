// TAudioMixer: the one way to the sound hardware. It hides the legacy mixer
// path (wave and mixer devices) and the endpoint path (the endpoint volume
// library, Vista only) behind one set of operations on one level scale, and
// turns the change notifications of both into events.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include "audio/Foundwindow.h"
#include "audio/MixerTree.h"
#include "audio/MixerWinmm.h"
#include "controls/BoundWindow.h"
#include "controls/Handles.h"
#include "endpointlib/EndpointLibApi.h"

namespace dorvane {

// The endpoint volume library's exports as found after loading; an entry is
// empty when the export is missing.
struct TEndpointLibraryTable {
    TZelInitDeviceNotification zelInitDeviceNotification = nullptr;
    TZelDevEnum zeldevenum = nullptr;
    TZelGetDevListCnt zelGetDevListCnt = nullptr;
    TZelSlctDevFromList zelSlctDevFromList = nullptr;
    TZelGetVolume zelGetVolume = nullptr;
    TZelSetVolume zelSetVolume = nullptr;
    TZelGetMute zelGetMute = nullptr;
    TZelSetMute zelSetMute = nullptr;
    TZelGetVolRange zelGetVolRange = nullptr;
    const TEndpointDeviceRecord* RenderDevList = nullptr;
    const TEndpointDeviceRecord* CaptureDevList = nullptr;
};

class TAudioMixer {
public:
    using TChangeEvent = std::function<void(TAudioMixer& sender, UINT lPara, UINT wPara)>;
    using TSysDefaultSuccessEvent = std::function<void(TAudioMixer& sender, int outDev, int inDev)>;
    using TSysDefaultFailEvent = std::function<void(TAudioMixer& sender)>;

    static constexpr UINT kLineChangeMessage = 0x3D0;     // MM_MIXM_LINE_CHANGE
    static constexpr UINT kControlChangeMessage = 0x3D1;  // MM_MIXM_CONTROL_CHANGE
    static constexpr UINT kDefaultDeviceFound = dorvane::kDefaultDeviceFound;
    static constexpr UINT kDefaultDeviceFailed = dorvane::kDefaultDeviceFailed;
    static constexpr char kLibraryName[] = "zeldevtopvolctrl.dll";

    // versionClass: 3 (Vista) takes the endpoint path, anything else the
    // legacy one. fallbackFolder: where the carried library is written when
    // it cannot be loaded by name (with a trailing backslash; empty for the
    // current directory). systemFolder: where the Sound control panel is
    // started for the default devices (empty: it is not).
    explicit TAudioMixer(int versionClass, const TWinmmApi& winmm = TWinmmApi::Real(),
                         std::string fallbackFolder = {}, std::string systemFolder = {});
    ~TAudioMixer();
    TAudioMixer(const TAudioMixer&) = delete;
    TAudioMixer& operator=(const TAudioMixer&) = delete;

    void LoadDll();
    void FreeDll();
    void CloseMixer();
    // Forgets the phone's devices and lists the devices anew.
    void Enum();
    // Finds and opens (or selects) the phone's devices; their names come back
    // in outFound and inFound, both empty when the result is false.
    bool ActiveMixer(const std::string& outSearch, const std::string& inSearch, std::string& outFound,
                     std::string& inFound, bool sameAdapter);
    void NorActiveMixer(int mixerId);

    int WaveOutDevNum() const;
    std::string WaveOutDevName(int index, bool shortName) const;
    int WaveInDevNum() const;
    std::string WaveInDevName(int index, bool shortName) const;
    // The adapter part of an endpoint name ("(USB Audio Device)") when it
    // contains search; nullptr otherwise.
    static const char* VistaSearchDevName(const char* name, const char* search);

    // Levels 0 ... 65535, mute 0 or 1, -1 for none. device: legacy destination
    // index, or endpoint flow (0 playback); source: legacy source line, -1 the
    // destination itself (ignored on the endpoint path).
    bool GetVolume(int device, int source, int& level, int& level2, int& mute, bool& levelMissing,
                   bool& muteMissing);
    bool SetVolume(int device, int source, int level, int level2, int mute);
    bool NorGetVolume(int device, int source, int& level, int& level2, int& mute, bool& levelMissing,
                      bool& muteMissing);
    bool NorSetVolume(int device, int source, int level, int level2, int mute);
    bool VistaGetVolume(int device, int source, int& level, int& level2, int& mute, bool& levelMissing,
                        bool& muteMissing);
    bool VistaSetVolume(int device, int source, int level, int level2, int mute);
    int DbToInt(int flow, float decibels) const;
    float IntToDb(int flow, int position) const;

    // The Windows default devices: one of the two default-device events
    // follows, at once on the endpoint path, from the worker's answer on the
    // legacy path (where a request made while one runs is dropped). set:
    // select outIndex and inIndex instead of reading them.
    void SysDefaultAudio(bool set, int outIndex, int inIndex);

    // The hidden window's procedure.
    LRESULT MixerCallBack(UINT msg, WPARAM wParam, LPARAM lParam);

    TChangeEvent OnLineChange;
    TChangeEvent OnCtrlChange;
    TChangeEvent OnPropertyChange;
    TSysDefaultSuccessEvent OnSysDefaultSuccess;
    TSysDefaultFailEvent OnSysDefaultFail;
    // Whether the application is ending; the worker asks it from its own
    // thread, so it must be safe to call from there.
    std::function<bool()> ApplicationTerminated;

    bool EndpointMode() const { return endpointMode_; }
    bool Active() const { return active_; }
    bool Enumerated() const { return enumerated_; }
    bool LibraryLoaded() const { return static_cast<bool>(library_); }
    const TEndpointLibraryTable& LibraryTable() const { return lib_; }
    int RenderIndex() const { return renderIndex_; }
    int CaptureIndex() const { return captureIndex_; }
    float MinDb(int flow) const { return minDb_[flow == 0 ? 0 : 1]; }
    float MaxDb(int flow) const { return maxDb_[flow == 0 ? 0 : 1]; }
    // An empty or inverted range gives no level to read or write.
    bool HasLevelRange(int flow) const;
    UINT PropertyMessage() const { return propertyMessage_; }
    HWND Window() const { return window_.get(); }
    HMIXER MixerHandle() const { return mixer_.Handle; }
    const TMixerDestinations* Destinations() const { return destinations_.get(); }
    // The default-device worker; nullptr until the first legacy-path request.
    const TFindWindow* Worker() const { return worker_.get(); }

private:
    // The line that device and source address, with its controls; nullptr
    // when there is none.
    const MIXERLINEA* FindLine(int device, int source, const TMixerControls*& controls) const;
    std::string EndpointName(const TEndpointDeviceRecord* table, int index, bool shortName) const;
    // The first default-marked device among the first `count` records; -1 when none.
    static int DefaultMarked(const TEndpointDeviceRecord* table, int count);
    void StopWorker();

    bool endpointMode_ = false;
    ModuleHandle library_;
    TEndpointLibraryTable lib_;
    int renderIndex_ = -1;
    int captureIndex_ = -1;
    float minDb_[2] = {0.0f, 0.0f};
    float maxDb_[2] = {0.0f, 0.0f};
    UINT propertyMessage_ = 0;
    std::unique_ptr<TMixerDestinations> destinations_;
    TMixerDevice mixer_;
    bool active_ = false;
    bool enumerated_ = false;
    std::string fallbackFolder_;
    int versionClass_ = 0;
    std::string systemFolder_;
    std::unique_ptr<TFindWindow> worker_;
    // Answers that arrive while the mixer is going are answered and dropped.
    bool destroying_ = false;
    BoundWindow window_;
};

}  // namespace dorvane
