#include "controls/WindowClass.h"

namespace dorvane {

void RegisterWindowClass(const WindowClassDesc& desc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = desc.procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    if (desc.program_icon) wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    if (desc.arrow_cursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = desc.background;
    wc.lpszClassName = desc.name;
    RegisterClassA(&wc);  // fails harmlessly when the class is there already
}

}  // namespace dorvane
