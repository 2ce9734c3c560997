// A window's text as a test reads it, from its own program or another: through
// the A function, in the reader's code page, or through the W function, the
// window's own UTF-16 text (the one its title bar draws).
#pragma once
#include <windows.h>
#include <string>

namespace dorvane::testing {

inline std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::wstring WideTextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

}  // namespace dorvane::testing
