#include "TrayIcon.h"
#include "HandlerGuard.h"

namespace dorvane {
namespace {
constexpr char kTrayClass[] = "DorvaneTrayIconWindow";

}  // namespace

TTrayIcon::NotifyIconFunction& TTrayIcon::ShellCall() {
    static NotifyIconFunction call = [](DWORD message, NOTIFYICONDATAA& data) {
        return Shell_NotifyIconA(message, &data);
    };
    return call;
}

TTrayIcon::TTrayIcon(UINT id, NotifyIconFunction notify)
    : notify_(std::move(notify)), id_(id), taskbar_created_(RegisterWindowMessageA("TaskbarCreated")) {
    if (!notify_) notify_ = ShellCall();
    // A hidden top-level window, not a message-only one: only top-level
    // windows hear the "TaskbarCreated" broadcast.
    BoundWindow::Shape shape;
    shape.ex_style = WS_EX_TOOLWINDOW;
    shape.style = WS_POPUP;
    WindowClassDesc window_class;
    window_class.name = kTrayClass;
    window_.Create(window_class, shape,
                   [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return WindowProc(hwnd, msg, wp, lp); });
}

TTrayIcon::~TTrayIcon() {
    if (visible_) Call(NIM_DELETE, 0);
}

BOOL TTrayIcon::Call(DWORD message, UINT flags) {
    if (!window_) return FALSE;
    // The structure as Windows 2000 knows it.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window_.get();
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icons_.Get(image_index_);
    lstrcpynA(data.szTip, hint_.c_str(), static_cast<int>(kMaxHintLength + 1));
    BOOL ok = FALSE;
    GuardedCall([&] { ok = notify_(message, data); });
    return ok;
}

bool TTrayIcon::SetImageIndex(int index) {
    if (index == image_index_) return false;
    image_index_ = index;
    if (visible_) Call(NIM_MODIFY, NIF_ICON);
    return true;
}

bool TTrayIcon::SetHint(const std::string& hint) {
    if (hint.size() > kMaxHintLength) return false;
    if (hint == hint_) return true;
    hint_ = hint;
    if (visible_) Call(NIM_MODIFY, NIF_TIP);
    return true;
}

void TTrayIcon::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    // A failed add (no taskbar yet) is repeated when the taskbar appears.
    if (visible_) Call(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    else Call(NIM_DELETE, 0);
}

void TTrayIcon::HandleCallback(LPARAM mouse_message) {
    POINT screen{};
    GetCursorPos(&screen);
    switch (mouse_message) {
    case WM_LBUTTONUP: if (OnMouseUp) OnMouseUp(MouseButton::Left, screen); break;
    case WM_RBUTTONUP: if (OnMouseUp) OnMouseUp(MouseButton::Right, screen); break;
    case WM_MBUTTONUP: if (OnMouseUp) OnMouseUp(MouseButton::Middle, screen); break;
    case WM_LBUTTONDOWN: if (OnMouseDown) OnMouseDown(MouseButton::Left, screen); break;
    case WM_RBUTTONDOWN: if (OnMouseDown) OnMouseDown(MouseButton::Right, screen); break;
    case WM_MBUTTONDOWN: if (OnMouseDown) OnMouseDown(MouseButton::Middle, screen); break;
    case WM_LBUTTONDBLCLK: if (OnDblClick) OnDblClick(); break;
    default: break;
    }
}

LRESULT TTrayIcon::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kCallbackMessage && wp == id_) {
        GuardedCall([&] { HandleCallback(lp); });
        return 0;
    }
    if (msg == taskbar_created_ && taskbar_created_ != 0) {
        if (visible_) Call(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace dorvane
