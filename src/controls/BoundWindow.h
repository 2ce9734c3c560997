// The one way an object of this program owns a window of its own class and
// handles its messages. The class is registered once; the object's binding
// travels through lpCreateParams and is attached at WM_NCCREATE, so the
// handler sees every message from the first, and it is detached at
// WM_NCDESTROY or when the owner lets go, whichever comes first: no message
// ever reaches an object that is gone.
//
// Declare the BoundWindow after the members its handler uses: it is then
// destroyed, and its window with it, before them.
#pragma once
#include <windows.h>
#include <functional>
#include "controls/WindowClass.h"

namespace dorvane {

class BoundWindow {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    struct Shape {
        DWORD ex_style = 0;
        DWORD style = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;  // HWND_MESSAGE for a message-only window
        const char* title = "";
    };

    BoundWindow() = default;
    ~BoundWindow() { reset(); }
    BoundWindow(const BoundWindow&) = delete;
    BoundWindow& operator=(const BoundWindow&) = delete;
    // The window holds this object's address: it cannot move.
    BoundWindow(BoundWindow&&) = delete;
    BoundWindow& operator=(BoundWindow&&) = delete;

    // Registers the class when needed and creates the window; handler gets
    // its messages from WM_NCCREATE on. Any window held before is destroyed
    // first. false when the window could not be made.
    bool Create(const WindowClassDesc& window_class, const Shape& shape, Handler handler);

    HWND get() const noexcept { return window_; }
    explicit operator bool() const noexcept { return window_ != nullptr; }
    // Detaches the handler, then destroys the window.
    void reset() noexcept;

    // The default handling of a message, in the window's own character form.
    static LRESULT Default(HWND window, UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK ClassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

    HWND window_ = nullptr;
    Handler handler_;
};

}  // namespace dorvane
