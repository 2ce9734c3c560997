#include "app/Unit1.h"
#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartupSteps.h"
#include "controls/ControlRouting.h"
#include "controls/HandlerGuard.h"
#include "link/LinkProtocol.h"
#include <stdexcept>

namespace dorvane {
namespace {

// The dialog manager's focus move, for a window that is not a dialog: the
// default window procedure leaves WM_NEXTDLGCTL to dialogs.
void MoveDialogFocus(HWND window, WPARAM wp, LPARAM lp) {
    HWND target = nullptr;
    if (LOWORD(lp)) {
        target = reinterpret_cast<HWND>(wp);
    } else {
        HWND focus = GetFocus();
        if (focus && !IsChild(window, focus)) focus = nullptr;
        target = GetNextDlgTabItem(window, focus, wp != 0);
    }
    if (target && IsChild(window, target)) SetFocus(target);
}

}  // namespace

TForm1::TForm1(TApplication& application, const SystemInfo& system, std::vector<std::string> args,
               const TWinmmApi& winmm, IShell& shell)
    : AudioMixerUsb(system.VersionClass, winmm, system.ProgramFolder, system.SystemFolder),
      application_(application),
      shell_(shell),
      system_(system),
      args_(std::move(args)) {
    // 1. The window and all its controls.
    MarkStartupStep("form members");
    CreateFrame();
    if (!window_) throw std::runtime_error("Cannot create the main window");
    CreateControls();
    CreateTrayIcon();
    MarkStartupStep("tray icon and menu");
    TimerDrvCheck.OnTimer = [this] { TimerDrvCheckTimer(); };
    TimerKeyRepeat.OnTimer = [this] { TimerKeyRepeatTimer(); };
    TimerMouseUp.OnTimer = [this] { TimerMouseUpTimer(); };
    TimerMin.OnTimer = [this] { TimerMinTimer(); };
    TimerDevChg.OnTimer = [this] { TimerDevChgTimer(); };
    suiTrackBarVolRing->OnChange = [this] { suiTrackBarVolRingChange(); };
    suiTrackBarVolOut->OnChange = suiCheckBoxVolOut->OnClick = [this] { suiTrackBarVolOutChange(); };
    suiTrackBarVolIn->OnChange = suiCheckBoxVolIn->OnClick = [this] { suiTrackBarVolInChange(); };
    FileListBoxTest->OnChange = [this] { FileListBoxTestChange(); };
    FileListBoxTest->OnDblClick = [this] { FileListBoxTestDblClick(); };
    FileListBoxTest->OnStartCopy = [this](int Index) { FileListBoxTestStartCopy(Index); };
    FileListBoxTest->OnCopying = [this](int count, int index) { FileListBoxTestCopying(count, index); };
    FileListBoxTest->OnEndCopy = [this] { FileListBoxTestEndCopy(); };
    FileListBoxTest->ProcessMessages = [this] { application_.ProcessMessages(); };
    MediaPlayerTest->OnClick = [this](TMediaPlayer::Button button) { MediaPlayerTestClick(button); };
    TimerMediaPlayerNotify.OnTimer = [this] { TimerMediaPlayerNotifyTimer(); };
    suiButtonDefault->OnClick = [this] { suiButtonDefaultClick(); };
    suiComboBoxSkypeOut->OnChange = [this] { suiComboBoxSkypeOutChange(); };
    suiComboBoxSkypeIn->OnChange = [this] { suiComboBoxSkypeInChange(); };
    AudioMixerUsb.OnLineChange = [this](TAudioMixer&, UINT, UINT) { AudioMixerUsbLineChange(); };
    AudioMixerUsb.OnCtrlChange = [this](TAudioMixer&, UINT, UINT) { AudioMixerUsbCtrlChange(); };
    AudioMixerUsb.OnPropertyChange = [this](TAudioMixer&, UINT, UINT) { AudioMixerUsbPropertyChange(); };
    AudioMixerUsb.OnSysDefaultSuccess = [this](TAudioMixer& sender, int outDev, int inDev) {
        AudioMixerUsbSysDefaultSuccess(sender, outDev, inDev);
    };
    AudioMixerUsb.OnSysDefaultFail = [this](TAudioMixer& sender) { AudioMixerUsbSysDefaultFail(sender); };
    AudioMixerUsb.ApplicationTerminated = [&application = application_] { return application.Terminated(); };
    suiButtonSysAudioOut->OnClick = [this] { suiButtonSysAudioOutClick(); };
    application_.OnMessage = [this](MSG& msg, bool&) { ApplicationEvents1Message(msg); };
    // The keyboard works in the window as in a dialog box; the web page has
    // the first say over its own keys.
    application_.SetDialogWindow(window_.get());
    application_.OnDialogKey = [this](MSG& msg) { return CppWebBrowser1->RouteKey(msg); };

    // 2. The link messages, before anything that can receive them.
    RegisterLinkMessages();
    MarkStartupStep("link messages");

    // 3. Defaults.
    RingToneSendPending = true;
    RingCountdown = kUpdatesBeforeRinging;
    Ringing = false;
    ServiceWnd = SavedServiceWnd = nullptr;
    StatusWord = KeyEvent = 0;
    ExitRequested = false;
    HeldKey = PrevKey = 0;

    // 4. The web settings file.
    LoadWebSettings();
    MarkStartupStep("web settings");
    // 5. Tray image 0.
    SetTrayImage(0);
    MarkStartupStep("tray image");
    // 6. The sound devices.
    AudioMixerUsb.Enum();
    MarkStartupStep("sound devices");
    // 7. The language.
    ChooseLanguage();
    ApplyLanguage(CurrentCharset());
    MarkStartupStep("language");
    // 8. Where a tray menu opens before the first click.
    GetCursorPos(&TrayClickPos);
    // 9. The volume track bars.
    GuardedSetBar(*suiTrackBarVolRing, 0, 1, 0, 15);
    GuardedSetBar(*suiTrackBarVolOut, 0, 1, 0, 65535);
    GuardedSetBar(*suiTrackBarVolIn, 0, 1, 0, 65535);
    // 10. Nothing is known of the phone or Skype yet.
    UpdateVolumeGroup(false);
    UpdateSkypeGroup(false);
    // 11. The website rows.
    GroupWebRows();
    MarkStartupStep("track bars, groups, website rows");
    // 12. Website list, ring tone, mute file, first entry, ring folder.
    LoadWebList();
    LoadRingTone();
    EnsureMuteFile();
    SelectWebEntry(0);
    ShowRingFolder();
    MarkStartupStep("website list, ring tone, mute file, ring folder");
    // 13. The website page first.
    suiPageControl1->SetActivePageIndex(0);
    MarkStartupStep("website page");
    // 14. The embedded web page.
    NavigateWebPage();
    MarkStartupStep("web page navigated");
    // 15. Tell a phone service that already runs that the panel is here.
    SendAttachBroadcast();
    MarkStartupStep("attach broadcast");
    // 16. The Windows default sound device.
    RefreshSysDefaultButton();
    MarkStartupStep("default device refresh");
    // 17. The web page fills its tab.
    RECT page = suiTabSheetWeb->Bounds();
    CppWebBrowser1->SetBounds(0, 0, kPageWidth, page.bottom - page.top);
    MarkStartupStep("web page height");
}

TForm1::~TForm1() {
    GuardedCall([this] { FormDestroy(); });
    // The mixer outlives the controls: a default-device answer that still
    // comes in must not reach the button.
    AudioMixerUsb.OnSysDefaultSuccess = nullptr;
    AudioMixerUsb.OnSysDefaultFail = nullptr;
    application_.OnMessage = nullptr;
    application_.OnDialogKey = nullptr;
    application_.SetDialogWindow(nullptr);
    application_.OnMinimize = nullptr;
    application_.OnRestore = nullptr;
}

void TForm1::FormCreate() {
    SetPropA(application_.Handle(), kFormProperty, window_.get());
    SearchMode = false;
    switch (StartWordOf(args_)) {
        case StartWord::Search: SearchMode = true; break;
        case StartWord::Destroy: application_.Terminate(); break;
        case StartWord::None: break;
    }
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    StopTone();
    FileListBoxTest->SetDragDropFile(false);
    if (ServiceWnd) SendDetachNotice();
    RemovePropA(application_.Handle(), kFormProperty);
}

void TForm1::ItemExitClick() {
    ExitRequested = true;
    Close();
}

void TForm1::Close() {
    if (!FormClose()) return;
    // Closing the main window ends the application; the window itself is
    // destroyed in the teardown that follows the message loop.
    ShowWindow(window_.get(), SW_HIDE);
    application_.Terminate();
}

bool TForm1::FormClose() {
    if (ExitRequested) return true;
    TrayMinimize();
    return false;
}

void TForm1::HandleInstanceRequest(UINT msg, WPARAM wp, LPARAM lp) {
    if (wp != kInstanceSignatureW || lp != kInstanceSignatureL) return;
    if (msg == WM_UI_EXIT) ItemExitClick();
    else if (msg == WM_UI_SHOW) OpenMainWindow();
}

LRESULT TForm1::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT routed = 0;
    if (RouteControlMessage(window_.get(), msg, wp, lp, routed)) return routed;
    std::optional<LRESULT> handled;
    // A handler that threw has been reported; its message is not handled twice.
    if (!GuardedCall([&] { handled = Dispatch(msg, wp, lp); })) return 0;
    if (handled) return *handled;
    LRESULT result = 0;
    if (!GuardedCall([&] { result = FrameProc(msg, wp, lp); })) return 0;
    return result;
}

void TForm1::RealizePages() {
    for (TsuiTabSheet* sheet : DeferredPages()) sheet->RealizeChildWindows();
}

LRESULT TForm1::FrameProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) FormActivate();
            break;
        case WM_SHOWWINDOW:
            if (wp) RealizePages();
            break;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(form_font_ ? form_font_->get() : nullptr);
        case WM_NEXTDLGCTL:
            MoveDialogFocus(window_.get(), wp, lp);
            return 0;
        default:
            break;
    }
    return BoundWindow::Default(window_.get(), msg, wp, lp);
}

}  // namespace dorvane
