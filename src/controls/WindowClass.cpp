#include "controls/WindowClass.h"
#include <string>

namespace dorvane {
namespace {
// The class structure of either character form, but for its name.
template <typename WindowClass>
WindowClass Describe(const WindowClassDesc& desc, WNDPROC procedure) {
    WindowClass wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    if (desc.program_icon) wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    if (desc.arrow_cursor) wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = desc.background;
    return wc;
}
}  // namespace

void RegisterWindowClass(const WindowClassDesc& desc, WNDPROC procedure) {
    // A class already registered makes the call fail harmlessly.
    if (desc.unicode) {
        // Class names are plain ASCII, the same in both forms.
        const std::wstring name(desc.name, desc.name + lstrlenA(desc.name));
        WNDCLASSW wc = Describe<WNDCLASSW>(desc, procedure);
        wc.lpszClassName = name.c_str();
        RegisterClassW(&wc);
    } else {
        WNDCLASSA wc = Describe<WNDCLASSA>(desc, procedure);
        wc.lpszClassName = desc.name;
        RegisterClassA(&wc);
    }
}

}  // namespace dorvane
