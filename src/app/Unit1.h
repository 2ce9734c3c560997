// TForm1, the main window: the hub of the panel. It carries the state and the
// timers of every subsystem; each subsystem defines its operations in its own
// room (src/link for the dispatch and the command channel, src/audio for the
// volume page, and so on).
#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "app/SystemInfo.h"
#include "audio/Audiomixer.h"
#include "controls/Handles.h"
#include "controls/Timer.h"
#include "ring/Filelistboxdragdrop.h"

namespace dorvane {

class TApplication;

class TForm1 {
public:
    // Runs the construction sequence; FormCreate is a separate step.
    TForm1(TApplication& application, const SystemInfo& system, std::vector<std::string> args);
    // Runs FormDestroy, then destroys the window.
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    HWND Handle() const { return window_.get(); }
    TApplication& Application() { return application_; }
    const SystemInfo& System() const { return system_; }

    // --- Application shell: start-up, single instance, exit (app/Unit1.cpp)
    bool SearchMode = false;
    bool ExitRequested = false;
    void FormCreate();
    void FormDestroy();
    void ItemExitClick();
    void OpenMainWindow();
    // Asks the window to close; FormClose decides whether it really does.
    void Close();
    // true: the close goes through; false: the window is only hidden.
    bool FormClose();
    void HandleInstanceRequest(UINT msg, WPARAM wp, LPARAM lp);

    // --- Tray presence and status overlay (app/TrayPresence.cpp)
    int TrayImage = -1;
    POINT TrayClickPos{0, 0};
    void SetTrayImage(int image);
    void UpdateTrayIcon();
    void UpdateOverlay(bool show);
    void ApplicationEvents1Message(const MSG& msg);

    // --- Service link (link/)
    UINT WM_DeviceChange = 0;  // "winmm_devicechange"
    UINT WM_Discover = 0;      // "TALVEXWiredUIDiscover"
    UINT WM_Attach = 0;        // "TALVEXWiredUIAttach"
    HWND ServiceWnd = nullptr;
    HWND SavedServiceWnd = nullptr;
    uint32_t StatusWord = 0;
    uint32_t KeyEvent = 0;
    uint8_t HeldKey = 0;
    uint8_t PrevKey = 0;
    void RegisterLinkMessages();
    void SendAttachBroadcast();
    void SendDetachNotice();
    void SendCommand(const std::string& text);
    // The main window's message dispatch: a value when the message was
    // handled (and answered), nothing when it goes to the default handling.
    std::optional<LRESULT> Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void TimerDrvCheckTimer();
    void TimerKeyRepeatTimer();  // one key step (link/KeypadNavigation.cpp)

    // Timers of every subsystem, all on the user-interface thread.
    TTimer TimerDrvCheck{3000, true};           // link watchdog
    TTimer TimerKeyRepeat{300};                 // key repeat
    TTimer TimerMouseUp{500};                   // single click on the tray icon
    TTimer TimerMin{10000};                     // auto-hide of the main window
    TTimer TimerDevChg{1000};                   // settles device changes
    TTimer TimerMediaPlayerNotify{1000};        // ring tone end check

    // --- Audio devices: mixer, volume page, Skype devices (audio/)
    TAudioMixer AudioMixerUsb;
    void UpdateVolumeGroup(bool device_present);
    void TimerDevChgTimer();
    void UpdateSkypeGroup(bool skype_present);
    enum class SkypeList { Out, In };
    void ApplySkypeDeviceReply(const std::string& text, const char* prefix, SkypeList list);

    // --- Ring tones (ring/)
    bool Ringing = false;
    int RingCountdown = 4;
    bool RingToneSendPending = true;
    TFileListBoxDragDrop FileListBoxTest;
    void SendSkypeRingTone();
    void UpdateRinging(uint8_t call_state);
    void EndRinging();
    void StopTone();

    // --- Languages (i18n/)
    int CurrentLanguage = 0;
    int SystemLanguage = 0;
    void ChooseLanguage();
    void ApplyLanguage(BYTE charset);
    BYTE CurrentCharset() const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT FrameProc(UINT msg, WPARAM wp, LPARAM lp);
    // Runs a handled message's work, then releases the sender with 1.
    template <typename Work>
    LRESULT HandledThenReply(Work&& work);

    TApplication& application_;
    SystemInfo system_;
    std::vector<std::string> args_;
    WindowHandle window_;
    bool destroyed_ = false;
};

}  // namespace dorvane
