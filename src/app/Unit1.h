// TForm1, the main window: the hub of the panel. It carries the state and the
// timers of every subsystem; each subsystem defines its operations in its own
// room (src/link for the dispatch and the command channel, src/audio for the
// volume page, and so on).
#pragma once
#include <windows.h>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "app/Shell.h"
#include "app/SystemInfo.h"
#include <memory>
#include "audio/Audiomixer.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/CppWebBrowser.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/BoundWindow.h"
#include "controls/Handles.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MediaPlayer.h"
#include "controls/PageControl.h"
#include "controls/PopupMenu.h"
#include "controls/ProgressBar.h"
#include "controls/RadioButton.h"
#include "controls/TabSheet.h"
#include "controls/Timer.h"
#include "controls/TrackBar.h"
#include "controls/TrayIcon.h"
#include "controls/URLLabel.h"
#include "link/LinkProtocol.h"
#include "ring/Filelistboxdragdrop.h"
#include "settings/SettingsStore.h"

namespace dorvane {

class TApplication;
class TForm2;

class TForm1 {
public:
    // Runs the construction sequence; FormCreate is a separate step. The
    // mixer speaks to winmm through `winmm`, addresses go to `shell` (a test
    // gives simulated ones).
    TForm1(TApplication& application, const SystemInfo& system, std::vector<std::string> args,
           const TWinmmApi& winmm = TWinmmApi::Real(), IShell& shell = PlatformShell());
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
    // Asks the window to close; FormClose decides whether it really does.
    void Close();
    // true: the close goes through; false: the window is only hidden.
    bool FormClose();
    void HandleInstanceRequest(UINT msg, WPARAM wp, LPARAM lp);

    // --- Frame and pages (app/Unit1Layout.cpp)
    // Every page of the page control is this wide and this tall.
    static constexpr int kPageWidth = 575;
    static constexpr int kPageHeight = 260;
    std::unique_ptr<TsuiPageControl> suiPageControl1;
    std::unique_ptr<TsuiTabSheet> suiTabSheetUrl, suiTabSheetRing, suiTabSheetAudio, suiTabSheetWeb;
    std::unique_ptr<TImage> ImageHint;
    std::unique_ptr<TsuiButton> suiButtonShowHint;
    void CreateControls();
    // Every control of the window, in the order the window made them.
    const std::vector<TControl*>& Components() const { return components_; }
    // The pages' controls get their windows when the window first shows;
    // anything that needs them earlier (a test that reads them) calls this.
    void RealizePages();
    // The pages whose controls wait for their windows (not the web page: its
    // browser opens its page during start-up).
    std::array<TsuiTabSheet*, 3> DeferredPages() const {
        return {suiTabSheetUrl.get(), suiTabSheetRing.get(), suiTabSheetAudio.get()};
    }
    void suiPageControl1Change();
    void suiButtonShowHintClick();

    // --- Tray presence, showing and hiding, status overlay (app/TrayPresence.cpp)
    void OpenMainWindow();
    void FormActivate();
    bool ForceForeground(HWND window);
    void TimerMinTimer();
    TTrayIcon TrayIconSts;
    TsuiPopupMenu suiPopupMenuTrayIcon;
    TMenuItem* ItemSetup = nullptr;
    TMenuItem* ItemLanguage = nullptr;
    TMenuItem* ItemBar1 = nullptr;
    TMenuItem* ItemExit = nullptr;
    TForm2* Form2 = nullptr;                // the status overlay, once it exists
    POINT TrayClickPos{0, 0};
    int TrayImage() const { return TrayIconSts.ImageIndex(); }
    void CreateTrayIcon();
    void SetTrayImage(int image);
    void UpdateTrayIcon();
    void UpdateOverlay(bool show);
    void ApplicationEvents1Message(const MSG& msg);
    void TrayMinimize();
    void TrayRestore();
    void TrayIconStsMinimize();
    void TrayIconStsRestore();
    void TrayIconStsMouseUp(TTrayIcon::MouseButton button, POINT screen);
    void TimerMouseUpTimer();
    void PopupTrayMenu(POINT at);
    // Opens the tray menu; tests replace it to see where the menu would open.
    std::function<void(POINT at)> OpenTrayMenu;
    void suiPopupMenuTrayIconPopup();
    void ItemSetupClick();

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
    TTimer TimerDrvCheck{kWatchdogMs, true};    // link watchdog
    TTimer TimerKeyRepeat{300};                 // key repeat
    TTimer TimerMouseUp{500};                   // single click on the tray icon
    TTimer TimerMin{10000};                     // auto-hide of the main window
    TTimer TimerDevChg{1000};                   // settles device changes
    TTimer TimerMediaPlayerNotify{1000};        // ring tone end check

    // --- Audio devices: mixer, volume page, Skype devices (audio/)
    TAudioMixer AudioMixerUsb;
    std::unique_ptr<TsuiGroupBox> suiGroupBoxVol, suiGroupBoxSkype;
    std::unique_ptr<TLabel> LabelVolOut, LabelVolIn, LabelVolRing;
    std::unique_ptr<TImage> ImageVolOutMin, ImageVolOutMax, ImageVolInMin, ImageVolInMax, ImageVolRingMin,
        ImageVolRingMax;
    std::unique_ptr<TsuiTrackBar> suiTrackBarVolOut, suiTrackBarVolIn, suiTrackBarVolRing;
    std::unique_ptr<TsuiCheckBox> suiCheckBoxVolOut, suiCheckBoxVolIn;
    std::unique_ptr<TLabel> LabelSkypeOut, LabelSkypeIn, LabelSysAudioOut;
    std::unique_ptr<TsuiComboBox> suiComboBoxSkypeOut, suiComboBoxSkypeIn;
    std::unique_ptr<TsuiButton> suiButtonSysAudioOut;
    void CreateAudioPage();
    // The Windows default playback device (audio/DefaultDevice.cpp)
    void RefreshSysDefaultButton();
    void AudioMixerUsbSysDefaultSuccess(TAudioMixer& sender, int outDev, int inDev);
    void AudioMixerUsbSysDefaultFail(TAudioMixer& sender);
    void suiButtonSysAudioOutClick();
    // The volume group, its guarded setters and the ring volume setting
    // (audio/VolumePage.cpp)
    bool ChangeGuard = false;
    void GuardedSetBar(TsuiTrackBar& bar, int position, int enabled, int min, int max);
    void GuardedSetBox(TsuiCheckBox& box, int checked, int enabled);
    void ReadRingTone();
    void WriteRingTone();
    void suiTrackBarVolRingChange();
    bool SpeakerRemembered = false;
    int RememberedSpeakerPosition = 0;
    bool RememberedSpeakerMute = false;
    void UpdateVolumeGroup(bool device_present);
    bool ActivatePhoneMixer(bool refill);
    bool ShowLineVolume(int device, int source, TsuiTrackBar& bar, TsuiCheckBox& box, int lo, int hi);
    bool SpeakerLinesDiffer();
    void suiTrackBarVolOutChange();
    void suiTrackBarVolInChange();
    void AudioMixerUsbCtrlChange();
    void AudioMixerUsbLineChange();
    void AudioMixerUsbPropertyChange();
    void TimerDevChgTimer();
    void RaiseSpeakerForTone();
    void RestoreSpeakerAfterTone();
    // Skype's devices (audio/SkypeDevices.cpp)
    std::string PhoneOutName, PhoneInName;
    bool AutoSelectOutPending = false;
    bool AutoSelectInPending = false;
    void UpdateSkypeGroup(bool skype_present);
    void FillSkypeLists();
    enum class SkypeList { Out, In };
    void ApplySkypeDeviceReply(const std::string& text, const char* prefix, SkypeList list);
    void SendSkypeDevice(SkypeList list);
    void QueryAudioOut();
    void QueryAudioIn();
    void suiComboBoxSkypeOutChange();
    void suiComboBoxSkypeInChange();

    // --- Ring tones (ring/)
    // Status updates of a ringing call let pass before the tone starts.
    static constexpr int kUpdatesBeforeRinging = 4;
    bool Ringing = false;
    int RingCountdown = kUpdatesBeforeRinging;
    bool RingToneSendPending = true;
    std::unique_ptr<TDriveComboBox> suiDriveComboBoxTest;
    std::unique_ptr<TDirectoryListBox> DirectoryListBoxTest;
    std::unique_ptr<TFileListBoxDragDrop> FileListBoxTest;
    std::unique_ptr<TLabel> LabelRingStr, LabelRingPath, LabelRingTone;
    std::unique_ptr<TsuiButton> suiButtonDefault;
    std::unique_ptr<TMediaPlayer> MediaPlayerTest;
    std::unique_ptr<TsuiProgressBar> suiProgressBarCopy;
    void CreateRingPage();
    void SendSkypeRingTone();
    std::string CurrentRingTone;   // full path; empty when there is none
    std::string SelectedRingFile;  // the highlighted file's full path, or empty
    // The ring folder beside the program (no trailing backslash).
    std::string RingFolder() const;
    void LoadRingTone();
    void SaveRingTone();
    void ShowRingToneLabels();
    // Creates the mute file when there is none; its path either way.
    std::string EnsureMuteFile();
    void ShowRingFolder();
    void FileListBoxTestChange();
    void AdoptSelectedTone();
    void suiButtonDefaultClick();
    // Stops playback and highlights entry n of the ring list (-1 for none).
    void SelectRingEntry(int n);
    // Plays the highlighted tone and adopts it, or stops a preview.
    void TogglePreview();
    void PlayTone(const std::string& path);
    void MediaPlayerTestClick(TMediaPlayer::Button button);
    void FileListBoxTestDblClick();
    void TimerMediaPlayerNotifyTimer();
    void UpdateRinging(uint8_t call_state);
    void EndRinging();
    void StopTone();
    // Copy progress of a drop onto the ring list.
    void FileListBoxTestStartCopy(int Index);
    // `count` items dropped in all; `index` is the one just handled.
    void FileListBoxTestCopying(int count, int index);
    void FileListBoxTestEndCopy();

    // --- Website shortcuts and the embedded web page (web/)
    // The web settings file's six strings (8-bit, system code page).
    std::string DefaultWebName, DefaultWebAddress, NamePlaceholder, AddressPlaceholder, WebPageCaption,
        WebPageAddress;
    void LoadWebSettings();
    void WriteWebSettings();
    void GroupWebRows();
    void LoadWebList();
    // Writes the list file; when_missing: only if there is none (one that is
    // there but cannot be read is kept).
    void SaveWebList(bool when_missing = false);
    int SelectedWebEntry = 0;
    void SelectWebEntry(int entry);
    // The selected row red, the others blue.
    void ColourWebRows(int selected);
    // Stores the fields into the selected entry and writes the list file.
    void SaveWebEntry();
    // Opens entry n's address when its link is enabled (the keypad's way).
    void OpenWebEntry(int entry);
    // A click on entry n's link.
    void suiURLLabelWebClick(int entry);
    void suiRadioButtonWeb1Click();
    void suiEditWebNameChange(TsuiEdit& field);
    void suiEditWebNameEnter(TsuiEdit& field);
    void suiEditWebNameKeyPress(TsuiEdit& field, char& key);
    void suiButtonWebSaveClick() { SaveWebEntry(); }
    void NavigateWebPage();
    std::unique_ptr<TLabel> LabelWeb[5];
    std::unique_ptr<TsuiRadioButton> suiRadioButtonWeb[5];
    std::unique_ptr<TsuiURLLabel> suiURLLabelWeb[5];
    std::unique_ptr<TLabel> LabelWebName, LabelWebAddr;
    std::unique_ptr<TsuiEdit> suiEditWebName, suiEditWebAddr;
    std::unique_ptr<TsuiButton> suiButtonWebSave;
    std::unique_ptr<TCppWebBrowser> CppWebBrowser1;
    void CreateWebPage();
    void CreateBrowserPage();

    // --- Settings (settings/)
    SettingsStore Settings;

    // --- Languages, texts and fonts (i18n/)
    int CurrentLanguage = 0;
    int SystemLanguage = 0;
    std::string DefaultDeviceText;
    void ChooseLanguage();
    void SelectLanguage(int language);
    void ItemLanguageEngClick(TMenuItem& item);
    void ApplyLanguage(BYTE charset);
    void ApplyTexts();
    BYTE CurrentCharset() const;
    // Entry `entry` of the language table as 8-bit text; -1 is the current language.
    std::string LanguageText(unsigned entry, int language = -1) const;
    // The texts of the tray menu and hint: the system language or English.
    std::string MenuText(unsigned entry) const;
    // Controls that show the system's or the user's text, not the table's.
    bool IsSystemCharsetControl(const TControl* control) const;

private:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT FrameProc(UINT msg, WPARAM wp, LPARAM lp);
    void CreateFrame();
    // Records a control in the window's component order and hands it back.
    template <typename T>
    T& Own(std::unique_ptr<T>& slot, std::unique_ptr<T> control) {
        slot = std::move(control);
        components_.push_back(slot.get());
        return *slot;
    }
    // Runs a handled message's work, then releases the sender with 1.
    template <typename Work>
    LRESULT HandledThenReply(Work&& work);

    TApplication& application_;
    IShell& shell_;
    SystemInfo system_;
    std::vector<std::string> args_;
    bool destroyed_ = false;
    bool shown_before_ = false;
    std::vector<TControl*> components_;
    // The window's own font, which the controls take when they are made.
    SharedFont form_font_;
    BoundWindow window_;
};

}  // namespace dorvane
