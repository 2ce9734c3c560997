// The tray icon, its menu, showing and hiding the main window, and the
// status overlay, as the link state and the user drive them.
#include "app/Application.h"
#include "app/Artwork.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "i18n/LanguageTable.h"
#include "link/LinkProtocol.h"

namespace dorvane {

void TForm1::CreateTrayIcon() {
    for (int image = 0; image < 3; ++image) TrayIconSts.Icons().Add(IconFromPicture(TrayPicture(image)));
    TrayIconSts.OnMouseUp = [this](TTrayIcon::MouseButton button, POINT at) { TrayIconStsMouseUp(button, at); };
    TrayIconSts.OnDblClick = [this] { TrayRestore(); };
    TrayIconSts.SetHint("USB Phone Control Panel");

    suiPopupMenuTrayIcon.SetOwner(Handle());
    suiPopupMenuTrayIcon.OnPopup = [this] { suiPopupMenuTrayIconPopup(); };
    TMenuItem& root = suiPopupMenuTrayIcon.Items();
    ItemSetup = &root.Add("Setup", "ItemSetup");
    ItemSetup->OnClick = [this] { ItemSetupClick(); };
    ItemLanguage = &root.Add("Language", "ItemLanguage");
    static const char* const kItemNames[24] = {
        "ItemLanguageEng", "ItemLanguageCht", "ItemLanguageChs", "ItemLanguageJpn", "ItemLanguageKor",
        "ItemLanguageAra", "ItemLanguageCze", "ItemLanguageDan", "ItemLanguageDut", "ItemLanguageFin",
        "ItemLanguageFra", "ItemLanguageGer", "ItemLanguageGre", "ItemLanguageHeb", "ItemLanguageHun",
        "ItemLanguageIta", "ItemLanguageNor", "ItemLanguagePol", "ItemLanguagePor", "ItemLanguageBra",
        "ItemLanguageRus", "ItemLanguageSpa", "ItemLanguageSwe", "ItemLanguageTur"};
    for (int k = 0; k < 24; ++k) {
        // The English names, until a language puts its own on the menu.
        TMenuItem& item = ItemLanguage->Add(dorvane::LanguageText(LanguageEntryFirstName + k, 0, 0, 1252), kItemNames[k]);
        item.SetRadioItem(true);
        item.SetTag(k);
        item.OnClick = [this, &item] { ItemLanguageEngClick(item); };
    }
    ItemBar1 = &root.AddSeparator("ItemBar1");
    ItemExit = &root.Add("Exit", "ItemExit");
    ItemExit->OnClick = [this] { ItemExitClick(); };

    application_.OnMinimize = [this] { TrayMinimize(); };
    application_.OnRestore = [this] { TrayRestore(); };
    // The icon appears with its first image, never blank.
    TrayIconSts.SetImageIndex(0);
    TrayIconSts.SetVisible(true);
}

void TForm1::SetTrayImage(int image) { TrayIconSts.SetImageIndex(image); }

void TForm1::UpdateTrayIcon() {
    if (!(StatusWord & kDeviceBit)) SetTrayImage(0);
    else SetTrayImage(NavigationByteOf(KeyEvent) != 0 ? 2 : 1);
}

void TForm1::UpdateOverlay(bool show) {
    if (!Form2) return;
    if (show) {
        if (Form2->Visible()) return;
        // The overlay and the main window follow the application window.
        SetWindowPos(application_.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(Form2->Handle(), SW_SHOWNOACTIVATE);
    } else {
        if (!Form2->Visible()) return;
        SetWindowPos(application_.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(Form2->Handle(), SW_HIDE);
    }
}

void TForm1::ApplicationEvents1Message(const MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL:
            TimerMin.RestartIfRunning();
            break;
        case WM_MOUSEMOVE:
            // Plain movement is not use; a drag or a modifier held is.
            if (msg.wParam != 0) TimerMin.RestartIfRunning();
            break;
        default:
            break;
    }
}

void TForm1::TrayMinimize() {
    ShowWindow(application_.Handle(), SW_HIDE);
    TrayIconStsMinimize();
}

void TForm1::TrayRestore() {
    ShowWindow(application_.Handle(), SW_RESTORE);
    SetForegroundWindow(application_.Handle());
    TrayIconStsRestore();
}

void TForm1::TrayIconStsMinimize() { ShowWindow(Handle(), SW_HIDE); }

void TForm1::TrayIconStsRestore() {
    TimerMin.Restart();
    if (!IsWindowVisible(Handle())) {
        if (!shown_before_) {
            // Centred on the screen the first time it shows.
            RECT r{};
            GetWindowRect(Handle(), &r);
            const int w = r.right - r.left, h = r.bottom - r.top;
            SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            shown_before_ = true;
        }
        ShowWindow(Handle(), SW_SHOW);
    }
    ForceForeground(Handle());
}

bool TForm1::ForceForeground(HWND window) {
    HWND foreground = GetForegroundWindow();
    if (foreground == window) return true;
    const DWORD foreground_thread = GetWindowThreadProcessId(foreground, nullptr);
    const DWORD window_thread = GetWindowThreadProcessId(window, nullptr);
    BOOL result;
    if (foreground && foreground_thread != window_thread) {
        AttachThreadInput(foreground_thread, window_thread, TRUE);
        result = SetForegroundWindow(window);
        AttachThreadInput(foreground_thread, window_thread, FALSE);
    } else {
        result = SetForegroundWindow(window);
    }
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    return result != FALSE;
}

void TForm1::TrayIconStsMouseUp(TTrayIcon::MouseButton button, POINT at) {
    if (button != TTrayIcon::MouseButton::Left && button != TTrayIcon::MouseButton::Right) return;
    GetCursorPos(&TrayClickPos);
    if (button == TTrayIcon::MouseButton::Right) {
        TimerMouseUp.Stop();
        PopupTrayMenu(at);
        return;
    }
    // A second release within 500 ms belongs to a double click: no menu.
    if (TimerMouseUp.Enabled()) TimerMouseUp.Stop();
    else TimerMouseUp.Start();
}

void TForm1::TimerMouseUpTimer() {
    TimerMouseUp.Stop();
    PopupTrayMenu(TrayClickPos);
}

void TForm1::PopupTrayMenu(POINT at) {
    if (OpenTrayMenu) OpenTrayMenu(at);
    else suiPopupMenuTrayIcon.Popup(at.x, at.y);
}

void TForm1::suiPopupMenuTrayIconPopup() {
    TimerMin.RestartIfRunning();
    SetForegroundWindow(Handle());
}

void TForm1::ItemSetupClick() { OpenMainWindow(); }

void TForm1::OpenMainWindow() {
    TimerMin.Start();
    TrayRestore();
}

void TForm1::FormActivate() { TimerMin.RestartIfRunning(); }

void TForm1::TimerMinTimer() {
    TimerMin.Stop();
    Close();
}

}  // namespace dorvane
