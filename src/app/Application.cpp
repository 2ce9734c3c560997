#include "app/Application.h"
#include "controls/WindowClass.h"
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
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void TApplication::Initialize() {
    if (window_) return;
    RegisterWindowClass({kApplicationClass, DefWindowProcA, nullptr, true, true});
    // A zero-size captioned popup that is never shown: it owns the main window
    // and the overlay, and a later start finds it by class and title.
    window_.reset(CreateWindowExA(0, kApplicationClass, title_.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                  GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!window_) throw std::runtime_error("Cannot create the application window");
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TApplication::WndProc));
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
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
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

LRESULT CALLBACK TApplication::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == WM_SYSCOMMAND) {
        const UINT command = static_cast<UINT>(wp & 0xFFF0);
        if (command == SC_MINIMIZE && self->OnMinimize) {
            GuardedCall([&] { self->OnMinimize(); });
            return 0;
        }
        if (command == SC_RESTORE && self->OnRestore) {
            GuardedCall([&] { self->OnRestore(); });
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace dorvane
