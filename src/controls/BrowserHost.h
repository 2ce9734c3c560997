// The web browser behind TCppWebBrowser: a thin interface, so the browser
// control can be absent (the control then only keeps the address) and tests
// can see what it was asked to open.
#pragma once
#include <windows.h>
#include <string>

namespace dorvane {

class IBrowserHost {
public:
    virtual ~IBrowserHost() = default;
    // Puts the browser into the control's window, once the window exists.
    // false: there is no browser to show, and the control lets the host go.
    virtual bool Attach(HWND window) = 0;
    // Starts loading the address and returns at once.
    virtual void Navigate(const std::wstring& url) = 0;
    // The host's window follows the control's size.
    virtual void Resize(int width, int height) = 0;
    // The keyboard comes to the page: it takes the focus and becomes active.
    virtual void Focus() = 0;
    // A key for the page's own handling (its Tab, Ctrl+C, Ctrl+V, Delete in
    // its forms); true when the page took it.
    virtual bool TranslateAccelerator(MSG& msg) = 0;
};

}  // namespace dorvane
