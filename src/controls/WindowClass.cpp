#include "controls/WindowClass.h"

namespace dorvane {

void RegisterWindowClass(const WindowClassSpec& spec) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = spec.procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    if (spec.program_icon) wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    if (spec.arrow_cursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = spec.background;
    wc.lpszClassName = spec.name;
    RegisterClassA(&wc);  // fails harmlessly when the class is there already
}

}  // namespace dorvane
