#include "audio/Audiomixer.h"
#include "i18n/PathText.h"
#include "i18n/TextConvert.h"
#include <cstring>
#include "audio/MixerLibraryImage.h"

namespace dorvane {
namespace {
constexpr char kWindowClass[] = "TAudioMixerWindow";
constexpr char kPropertyMessageName[] = "TalVex Msg for Vista";


// GetProcAddress answers a generic function pointer; the library's exports
// have their own types.
template <typename T>
T Export(HMODULE module, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

bool Contains(const std::string& text, const std::string& search) {
    return text.find(search) != std::string::npos;
}
}  // namespace

TAudioMixer::TAudioMixer(int versionClass, const TWinmmApi& winmm, std::string fallbackFolder,
                         std::string systemFolder)
    : fallbackFolder_(std::move(fallbackFolder)), versionClass_(versionClass), systemFolder_(std::move(systemFolder)) {
    mixer_.Api = &winmm;
    propertyMessage_ = RegisterWindowMessageA(kPropertyMessageName);
    // Vista's mixer interface is a shim over the endpoints that cannot reach
    // the phone's own controls; later versions went back to a usable one.
    endpointMode_ = versionClass == 3;
    if (endpointMode_)
        LoadDll();
    else
        FreeDll();
    BoundWindow::Shape shape;
    shape.parent = HWND_MESSAGE;
    WindowClassDesc window_class;
    window_class.name = kWindowClass;
    window_.Create(window_class, shape,
                   [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return MixerCallBack(msg, wp, lp); });
}

TAudioMixer::~TAudioMixer() {
    StopWorker();
    CloseMixer();
    window_.reset();
    FreeDll();
}

void TAudioMixer::StopWorker() {
    if (!worker_) return;
    destroying_ = true;
    worker_->Terminate();
    // The worker may be in its send to this thread's window: the waits let
    // that in (its answer is dropped) instead of sleeping through it.
    worker_->WaitFor(500);
    worker_.reset();
}

void TAudioMixer::LoadDll() {
    renderIndex_ = captureIndex_ = -1;
    lib_ = {};
    if (!endpointMode_) return;

    library_.reset(LoadLibraryA(kLibraryName));
    if (!library_) {
        std::string folder = fallbackFolder_;
        if (folder.empty()) {
            char current[MAX_PATH] = {};
            const DWORD n = GetCurrentDirectoryA(MAX_PATH, current);
            if (n > 0 && n < MAX_PATH) folder.assign(current, n);
        }
        const std::string path = JoinPath(folder, kLibraryName);
        if (WriteCarriedLibrary(path)) library_.reset(LoadLibraryA(path.c_str()));
    }
    if (!library_) return;

    HMODULE m = library_.get();
    lib_.zelInitDeviceNotification = Export<TZelInitDeviceNotification>(m, "zelInitDeviceNotification");
    lib_.zeldevenum = Export<TZelDevEnum>(m, "zeldevenum");
    lib_.zelGetDevListCnt = Export<TZelGetDevListCnt>(m, "zelGetDevListCnt");
    lib_.zelSlctDevFromList = Export<TZelSlctDevFromList>(m, "zelSlctDevFromList");
    lib_.zelGetVolume = Export<TZelGetVolume>(m, "zelGetVolume");
    lib_.zelSetVolume = Export<TZelSetVolume>(m, "zelSetVolume");
    lib_.zelGetMute = Export<TZelGetMute>(m, "zelGetMute");
    lib_.zelSetMute = Export<TZelSetMute>(m, "zelSetMute");
    lib_.zelGetVolRange = Export<TZelGetVolRange>(m, "zelGetVolRange");
    lib_.RenderDevList = reinterpret_cast<const TEndpointDeviceRecord*>(GetProcAddress(m, "RenderDevList"));
    lib_.CaptureDevList = reinterpret_cast<const TEndpointDeviceRecord*>(GetProcAddress(m, "CaptureDevList"));
}

void TAudioMixer::FreeDll() {
    library_.reset();
    lib_ = {};
}

void TAudioMixer::CloseMixer() {
    if (active_) {
        if (!endpointMode_ && mixer_.Handle) mixer_.Api->mixerClose(mixer_.Handle);
        mixer_.Handle = nullptr;
        active_ = false;
    }
    destinations_.reset();
}

void TAudioMixer::Enum() {
    CloseMixer();
    if (!endpointMode_) {
        enumerated_ = true;
        return;
    }
    enumerated_ = lib_.zeldevenum ? lib_.zeldevenum() : false;
    // The target is only ever given after a good enumeration: before it the
    // library has nothing worth reporting.
    if (enumerated_ && lib_.zelInitDeviceNotification)
        lib_.zelInitDeviceNotification(window_.get(), kLineChangeMessage, propertyMessage_, kControlChangeMessage);
}

bool TAudioMixer::ActiveMixer(const std::string& outSearch, const std::string& inSearch, std::string& outFound,
                              std::string& inFound, bool sameAdapter) {
    CloseMixer();
    outFound.clear();
    inFound.clear();

    if (endpointMode_) {
        if (enumerated_) {
            renderIndex_ = captureIndex_ = -1;
            std::string outAdapter;
            const int outCount = WaveOutDevNum();
            for (int i = 0; i < outCount; ++i) {
                const std::string name = WaveOutDevName(i, false);
                if (const char* adapter = VistaSearchDevName(name.c_str(), outSearch.c_str())) {
                    renderIndex_ = i;
                    outFound = name;
                    outAdapter = adapter;
                    break;
                }
            }
            if (!sameAdapter || renderIndex_ >= 0) {
                const int inCount = WaveInDevNum();
                for (int j = 0; j < inCount; ++j) {
                    const std::string name = WaveInDevName(j, false);
                    const char* adapter = VistaSearchDevName(name.c_str(), inSearch.c_str());
                    if (adapter && (!sameAdapter || outAdapter == adapter)) {
                        captureIndex_ = j;
                        inFound = name;
                        break;
                    }
                }
            }
            if (lib_.zelSlctDevFromList && renderIndex_ >= 0 && lib_.zelSlctDevFromList(0, renderIndex_) &&
                captureIndex_ >= 0 && lib_.zelSlctDevFromList(1, captureIndex_)) {
                float step = 0.0f;
                if (lib_.zelGetVolRange) {
                    lib_.zelGetVolRange(0, &minDb_[0], &maxDb_[0], &step);
                    lib_.zelGetVolRange(1, &minDb_[1], &maxDb_[1], &step);
                } else {
                    minDb_[0] = -127.0f;
                    maxDb_[0] = 0.0f;
                    minDb_[1] = 0.0f;
                    maxDb_[1] = 24.0f;
                }
                active_ = true;
            }
        }
    } else {
        const TWinmmApi& api = *mixer_.Api;
        const int outCount = WaveOutDevNum();
        const int inCount = WaveInDevNum();
        // Every matching pair opens its mixer in turn: the last one found is
        // taken to be the phone.
        for (int i = 0; i < outCount; ++i) {
            const std::string outName = WaveOutDevName(i, false);
            if (!Contains(outName, outSearch)) continue;
            UINT id = 0;
            const int outId = api.mixerGetID(reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(i)), &id,
                                             MIXER_OBJECTF_WAVEOUT) == MMSYSERR_NOERROR
                                  ? static_cast<int>(id)
                                  : -1;
            for (int j = 0; j < inCount; ++j) {
                const std::string inName = WaveInDevName(j, false);
                if (!Contains(inName, inSearch)) continue;
                UINT inId = 0;
                const int inMixer = api.mixerGetID(reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(j)), &inId,
                                                   MIXER_OBJECTF_WAVEIN) == MMSYSERR_NOERROR
                                        ? static_cast<int>(inId)
                                        : -1;
                if (inMixer != outId) continue;
                NorActiveMixer(outId);
                outFound = outName;
                inFound = inName;
                break;
            }
        }
    }

    if (!active_) {
        outFound.clear();
        inFound.clear();
    }
    return active_;
}

void TAudioMixer::NorActiveMixer(int mixerId) {
    CloseMixer();
    if (mixerId < 0) return;
    const TWinmmApi& api = *mixer_.Api;
    HMIXER handle = nullptr;
    if (api.mixerOpen(&handle, static_cast<UINT>(mixerId), reinterpret_cast<DWORD_PTR>(window_.get()), 0,
                      CALLBACK_WINDOW) != MMSYSERR_NOERROR)
        return;
    mixer_.Handle = handle;
    active_ = true;
    MIXERCAPSA caps{};
    if (api.mixerGetDevCapsA(static_cast<UINT_PTR>(mixerId), &caps, sizeof caps) != MMSYSERR_NOERROR)
        caps.cDestinations = 0;
    destinations_ = std::make_unique<TMixerDestinations>(mixer_, static_cast<int>(caps.cDestinations));
    // A phone has a playback and a recording side; anything less is not it.
    if (destinations_->Count() < 2) CloseMixer();
}

int TAudioMixer::WaveOutDevNum() const {
    if (!endpointMode_) return static_cast<int>(mixer_.Api->waveOutGetNumDevs());
    if (!lib_.zelGetDevListCnt || !enumerated_) return 0;
    const UINT n = lib_.zelGetDevListCnt(0);
    return n > kEndpointTableSize ? kEndpointTableSize : static_cast<int>(n);
}

int TAudioMixer::WaveInDevNum() const {
    if (!endpointMode_) return static_cast<int>(mixer_.Api->waveInGetNumDevs());
    if (!lib_.zelGetDevListCnt || !enumerated_) return 0;
    const UINT n = lib_.zelGetDevListCnt(1);
    return n > kEndpointTableSize ? kEndpointTableSize : static_cast<int>(n);
}

std::string TAudioMixer::WaveOutDevName(int index, bool shortName) const {
    if (endpointMode_) return EndpointName(lib_.RenderDevList, index, shortName);
    WAVEOUTCAPSA caps{};
    if (index < 0 || mixer_.Api->waveOutGetDevCapsA(static_cast<UINT_PTR>(index), &caps, sizeof caps) !=
                         MMSYSERR_NOERROR)
        return {};
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
}

std::string TAudioMixer::WaveInDevName(int index, bool shortName) const {
    if (endpointMode_) return EndpointName(lib_.CaptureDevList, index, shortName);
    WAVEINCAPSA caps{};
    if (index < 0 || mixer_.Api->waveInGetDevCapsA(static_cast<UINT_PTR>(index), &caps, sizeof caps) !=
                         MMSYSERR_NOERROR)
        return {};
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
}

std::string TAudioMixer::EndpointName(const TEndpointDeviceRecord* table, int index, bool shortName) const {
    if (!enumerated_ || !table || index < 0 || index >= kEndpointTableSize) return {};
    const wchar_t* name = table[index].Name;
    int units = static_cast<int>(wcsnlen(name, kEndpointNameUnits - 1));
    // Legacy device names are at most 31 characters; the short form matches.
    if (shortName && units > 31) units = 31;
    return NarrowText(std::wstring_view(name, static_cast<size_t>(units)), CP_ACP);
}

const char* TAudioMixer::VistaSearchDevName(const char* name, const char* search) {
    if (!name || !search) return nullptr;
    const char* adapter = std::strrchr(name, '(');
    if (!adapter) return nullptr;
    return std::strstr(adapter, search) ? adapter : nullptr;
}

int TAudioMixer::DefaultMarked(const TEndpointDeviceRecord* table, int count) {
    for (int i = 0; i < count; ++i)
        if (table[i].Default) return i;
    return -1;
}

void TAudioMixer::SysDefaultAudio(bool set, int outIndex, int inIndex) {
    if (endpointMode_) {
        // The endpoint path can only tell, not change, the default devices.
        const int out = set || !lib_.RenderDevList ? -1 : DefaultMarked(lib_.RenderDevList, WaveOutDevNum());
        const int in = set || !lib_.CaptureDevList ? -1 : DefaultMarked(lib_.CaptureDevList, WaveInDevNum());
        if (out >= 0 && in >= 0)
            SendMessageA(window_.get(), kDefaultDeviceFound, static_cast<WPARAM>(out), static_cast<LPARAM>(in));
        else
            SendMessageA(window_.get(), kDefaultDeviceFailed, 0, 0);
        return;
    }
    if (!worker_) {
        worker_ = std::make_unique<TFindWindow>(
            TFindWindow::TSetup{versionClass_, systemFolder_, ApplicationTerminated});
        if (!worker_->Start()) {
            worker_.reset();
            if (OnSysDefaultFail) OnSysDefaultFail(*this);
            return;
        }
    }
    if (worker_->Busy) return;
    worker_->SetMode = set;
    worker_->InIndex = set ? inIndex : -1;
    worker_->OutIndex = set ? outIndex : -1;
    worker_->NotifyWindow = window_.get();
    worker_->Busy = true;
}

LRESULT TAudioMixer::MixerCallBack(UINT msg, WPARAM wParam, LPARAM lParam) {
    const UINT lPara = static_cast<UINT>(lParam);
    const UINT wPara = static_cast<UINT>(wParam);
    if (msg == propertyMessage_ && propertyMessage_ != 0) {
        if (active_ && OnPropertyChange) OnPropertyChange(*this, lPara, wPara);
        return 0;
    }
    switch (msg) {
        case kLineChangeMessage:
            if (endpointMode_ && OnLineChange) OnLineChange(*this, lPara, wPara);
            return 0;
        case kControlChangeMessage:
            if (active_ && OnCtrlChange) OnCtrlChange(*this, lPara, wPara);
            return 0;
        case kDefaultDeviceFound:
            // Release the worker first: it waits for this answer.
            if (InSendMessage()) ReplyMessage(1);
            if (OnSysDefaultSuccess && !destroying_)
                OnSysDefaultSuccess(*this, static_cast<int>(wParam), static_cast<int>(lParam));
            return 1;
        case kDefaultDeviceFailed:
            if (InSendMessage()) ReplyMessage(1);
            if (OnSysDefaultFail && !destroying_) OnSysDefaultFail(*this);
            return 1;
        default:
            return DefWindowProcA(window_.get(), msg, wParam, lParam);
    }
}

}  // namespace dorvane
