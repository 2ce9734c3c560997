#include "controls/BoundWindow.h"

namespace dorvane {

bool BoundWindow::Create(const WindowClassDesc& window_class, const Shape& shape, Handler handler) {
    reset();
    RegisterWindowClass(window_class, &BoundWindow::ClassProc);
    handler_ = std::move(handler);
    HWND made = CreateWindowExA(shape.ex_style, window_class.name, shape.title, shape.style, shape.x, shape.y,
                                shape.width, shape.height, shape.parent, nullptr, GetModuleHandleA(nullptr), this);
    // WM_NCCREATE has set window_ already; a creation refused after it has
    // destroyed the window again and cleared it.
    if (!made) window_ = nullptr;
    return window_ != nullptr;
}

void BoundWindow::reset() noexcept {
    HWND window = window_;
    if (!window) return;
    window_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (IsWindow(window)) DestroyWindow(window);
}

LRESULT BoundWindow::Default(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wp, lp) : DefWindowProcA(window, msg, wp, lp);
}

LRESULT CALLBACK BoundWindow::ClassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        // lpCreateParams sits at the same place in both forms of the structure.
        auto* self = static_cast<BoundWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self) {
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    auto* self = reinterpret_cast<BoundWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == WM_NCDESTROY && self) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return Default(window, msg, wp, lp);
    }
    if (!self || !self->handler_) return Default(window, msg, wp, lp);
    return self->handler_(window, msg, wp, lp);
}

}  // namespace dorvane
