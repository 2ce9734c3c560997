#include "app/Application.h"
#include "app/ErrorReport.h"
#include "controls/HandlerGuard.h"
#include <stdexcept>

namespace dorvane {
TApplication::TApplication() {
    ShowErrorBox = [this](const std::string& text, const std::string& caption) {
        MessageBoxA(Handle(), text.c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
    };
    SetExceptionReporter([this](const std::string& message) { ShowException(message); });
}

TApplication::~TApplication() {
    SetExceptionReporter(nullptr);
}

void TApplication::Initialize() {
    if (window_) return;
    // A zero-size captioned popup that is never shown: it owns the main window
    // and the overlay, and a later start finds it by class and title.
    BoundWindow::Shape shape;
    shape.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    shape.x = GetSystemMetrics(SM_CXSCREEN) / 2;
    shape.y = GetSystemMetrics(SM_CYSCREEN) / 2;
    shape.title = title_.c_str();
    WindowClassDesc window_class;
    window_class.name = kApplicationClass;
    window_class.program_icon = window_class.arrow_cursor = true;
    if (!window_.Create(window_class, shape, [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
            return WindowProc(hwnd, msg, wp, lp);
        }))
        throw std::runtime_error("Cannot create the application window");
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_.get(), title_.c_str());
}

bool TApplication::HandleOne(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    bool handled = false;
    if (OnMessage) GuardedCall([&] { OnMessage(msg, handled); });
    if (!handled && !HandleDialogKey(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

bool TApplication::HandleDialogKey(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !dialog_window_ || !IsWindow(dialog_window_))
        return false;
    if (msg.hwnd != dialog_window_ && !IsChild(dialog_window_, msg.hwnd)) return false;
    KeyUse use = KeyUse::Dialog;
    if (OnDialogKey) GuardedCall([&] { use = OnDialogKey(msg); });
    // The window's controls are not grouped as a dialog template groups
    // them: an arrow key stays with the focused control rather than carry
    // the focus off to the next label or row.
    const bool arrow = msg.message == WM_KEYDOWN && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT ||
                                                     msg.wParam == VK_UP || msg.wParam == VK_DOWN);
    if (use == KeyUse::Dialog && arrow) use = KeyUse::Typed;
    switch (use) {
        case KeyUse::Taken: return true;
        case KeyUse::Typed: return false;
        case KeyUse::Dialog: break;
    }
    // The message came out of the queue as 8-bit text, and the A form of the
    // dialog manager reads it so.
    return IsDialogMessageA(dialog_window_, &msg) != FALSE;
}

void TApplication::Run() {
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            terminated_ = true;
            break;
        }
        HandleOne(msg);
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) HandleOne(msg);
}

void TApplication::Terminate() {
    // WM_QUIT comes out of the queue only after the messages posted before it.
    PostQuitMessage(0);
}

void TApplication::ShowException(const std::string& message) {
    if (ShowErrorBox) ShowErrorBox(ErrorBoxText(message), title_);
}

LRESULT TApplication::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        const UINT command = static_cast<UINT>(wp & 0xFFF0);
        if (command == SC_MINIMIZE && OnMinimize) {
            GuardedCall([&] { OnMinimize(); });
            return 0;
        }
        if (command == SC_RESTORE && OnRestore) {
            GuardedCall([&] { OnRestore(); });
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace dorvane
