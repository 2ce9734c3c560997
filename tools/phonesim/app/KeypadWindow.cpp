#include "KeypadWindow.h"
#include <cstdio>
#include "i18n/TextConvert.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"

namespace phonesim {
namespace {

constexpr char kKeypadClass[] = "PhoneSimKeypad";
constexpr int kKeyIdBase = 100;  // a key button's id is this + its code
constexpr UINT_PTR kSyncTimerId = 1;
constexpr UINT kSyncMs = 250;

enum SwitchId {
    kPhonePresentId = 200,
    kSoftphonePresentId,
    kTypingLockId,
    kNavigationId,
    kRingingId,
    kVolumeKeysId,
};

struct KeyButton {
    uint8_t code;
    const char* name;  // shown with the code; none for the key that counts as no key
    int x, y;
};

// The keypad as the phone lays it out: arrows with the page key in the
// middle, then the five row keys and the key that counts as no key.
constexpr KeyButton kKeys[] = {
    {dorvane::kKeyUp, "Up", 85, 10},        {dorvane::kKeyLeft, "Left", 10, 42},
    {dorvane::kKeyPage, "Page", 85, 42},    {dorvane::kKeyRight, "Right", 160, 42},
    {dorvane::kKeyDown, "Down", 85, 74},    {dorvane::kKeyRow1, "1", 10, 116},
    {dorvane::kKeyRow2, "2", 85, 116},      {dorvane::kKeyRow3, "3", 160, 116},
    {dorvane::kKeyRow4, "4", 10, 148},      {dorvane::kKeyRow5, "5", 85, 148},
    {dorvane::kKeyIgnored, nullptr, 160, 148},
};

struct SwitchBox {
    int id;
    const char* caption;
};

constexpr SwitchBox kSwitches[] = {
    {kPhonePresentId, "Phone present"},   {kSoftphonePresentId, "Softphone present"},
    {kTypingLockId, "Typing locked"},     {kNavigationId, "Navigation mode"},
    {kRingingId, "Incoming call (1)"},    {kVolumeKeysId, "Volume keys (6)"},
};

WNDPROC g_button_proc = nullptr;  // the system's button procedure

// A key button carries its keypad in its own user data.
KeypadWindow* Owner(HWND button) {
    return reinterpret_cast<KeypadWindow*>(GetWindowLongPtrA(button, GWLP_USERDATA));
}

void SetCheck(HWND window, int id, bool checked) {
    HWND box = GetDlgItem(window, id);
    bool now = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now != checked) SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

KeypadWindow::KeypadWindow(PhoneService& service, std::function<void()> on_close)
    : service_(service), on_close_(std::move(on_close)) {}

bool KeypadWindow::Create() {
    RECT frame{0, 0, 430, 244};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    // Bottom left of the work area: clear of the tray (top left without a
    // window manager) and of the panel's overlay (bottom right).
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + 8;
    const int top = work.bottom - (frame.bottom - frame.top) - 8;
    dorvane::BoundWindow::Shape shape;
    shape.style = style;
    shape.x = left;
    shape.y = top;
    shape.width = frame.right - frame.left;
    shape.height = frame.bottom - frame.top;
    shape.title = "Phone service simulator";
    dorvane::WindowClassDesc window_class;
    window_class.name = kKeypadClass;
    window_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.arrow_cursor = true;
    if (!window_.Create(window_class, shape,
                        [this](HWND window, UINT msg, WPARAM wp, LPARAM lp) { return Handle(window, msg, wp, lp); }))
        return false;
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    UpdateWindow(window_.get());
    return true;
}

LRESULT CALLBACK KeypadWindow::KeyButtonProc(HWND button, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = CallWindowProcA(g_button_proc, button, msg, wp, lp);
    KeypadWindow* self = Owner(button);
    if (!self) return result;
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        self->PressKey(static_cast<uint8_t>(GetDlgCtrlID(button) - kKeyIdBase));
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:  // the press ended some other way
        self->ReleaseKey();
        break;
    default:
        break;
    }
    return result;
}

void KeypadWindow::CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const KeyButton& key : kKeys) {
        char caption[32];
        if (key.name) std::snprintf(caption, sizeof caption, "%s (%u)", key.name, unsigned(key.code));
        else std::snprintf(caption, sizeof caption, "Key %u", unsigned(key.code));
        HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, key.x, key.y,
                                      70, 28, window, reinterpret_cast<HMENU>(INT_PTR(kKeyIdBase + key.code)),
                                      instance, nullptr);
        if (!button) continue;
        SendMessageA(button, WM_SETFONT, font, FALSE);
        SetWindowLongPtrA(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        // Subclassed: a button reports a click only on release, the keypad
        // needs the press and the release.
        WNDPROC old = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeypadWindow::KeyButtonProc)));
        if (!g_button_proc) g_button_proc = old;
    }
    int y = 10;
    for (const SwitchBox& box : kSwitches) {
        HWND check = CreateWindowExA(0, "BUTTON", box.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                     245, y, 175, 22, window, reinterpret_cast<HMENU>(INT_PTR(box.id)), instance,
                                     nullptr);
        if (check) SendMessageA(check, WM_SETFONT, font, FALSE);
        y += 26;
    }
    status_line_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 190, 410, 20, window,
                                   nullptr, instance, nullptr);
    if (status_line_) SendMessageA(status_line_, WM_SETFONT, font, FALSE);
    // The softphone's device names are UTF-8: shown through the W function.
    devices_line_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 10, 214, 410,
                                    20, window, nullptr, instance, nullptr);
    if (devices_line_) SendMessageA(devices_line_, WM_SETFONT, font, FALSE);
}

LRESULT KeypadWindow::Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        CreateControls(window);
        Sync(window);
        SetTimer(window, kSyncTimerId, kSyncMs, nullptr);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) >= kPhonePresentId && LOWORD(wp) <= kVolumeKeysId) {
            OnSwitchClicked(window, LOWORD(wp));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wp == kSyncTimerId) {
            Sync(window);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (on_close_) on_close_();
        return 0;
    case WM_DESTROY:
        KillTimer(window, kSyncTimerId);
        ReleaseKey();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, msg, wp, lp);
}

void KeypadWindow::PressKey(uint8_t code) {
    key_pressed_ = true;
    service_.KeyDown(code);
}

void KeypadWindow::ReleaseKey() {
    if (!key_pressed_) return;
    key_pressed_ = false;
    service_.KeyUp();
}

void KeypadWindow::OnSwitchClicked(HWND window, int id) {
    bool checked = SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    switch (id) {
    case kPhonePresentId: service_.SetPhonePresent(checked); break;
    case kSoftphonePresentId: service_.SetSoftphonePresent(checked); break;
    case kTypingLockId: service_.SetTypingLock(checked); break;
    case kNavigationId: service_.SetNavigation(checked ? 1 : 0); break;
    case kRingingId: service_.SetCallState(checked ? dorvane::kCallRinging : 0); break;
    case kVolumeKeysId: service_.SetCallState(checked ? dorvane::kCallSpeakerKeys : 0); break;
    default: return;
    }
    // A flipped switch reaches the panel at once, not with the next update.
    service_.SendStatusNow();
    Sync(window);
}

void KeypadWindow::Sync(HWND window) {
    ServiceState state = service_.State();
    SetCheck(window, kPhonePresentId, state.phone_present);
    SetCheck(window, kSoftphonePresentId, state.softphone_present);
    SetCheck(window, kTypingLockId, state.typing_locked);
    SetCheck(window, kNavigationId, state.navigation != 0);
    SetCheck(window, kRingingId, state.call_state == dorvane::kCallRinging);
    SetCheck(window, kVolumeKeysId, state.call_state == dorvane::kCallSpeakerKeys);
    char text[160];
    std::snprintf(text, sizeof text, "Panel: %s   Held key: %u   Navigation: %u   Call state: %u",
                  state.panel ? "attached" : "none", unsigned(state.held_key), unsigned(state.navigation),
                  unsigned(state.call_state));
    if (status_text_ != text && status_line_) {
        status_text_ = text;
        SetWindowTextA(status_line_, text);
    }
    const std::string devices = "Softphone out: " + service_.OutputDevice() + "   in: " + service_.InputDevice();
    if (devices_text_ != devices && devices_line_) {
        devices_text_ = devices;
        SetWindowTextW(devices_line_, dorvane::Utf8ToWide(devices).c_str());
    }
}

}  // namespace phonesim
