// Registration of the program's own window classes.
#pragma once
#include <windows.h>

namespace dorvane {

struct WindowClassDesc {
    const char* name = nullptr;
    WNDPROC procedure = DefWindowProcA;
    HBRUSH background = nullptr;
    bool program_icon = false;  // the icon in the program's resources
    bool arrow_cursor = false;
};

// Registers the class in this process; a class already registered stays as
// it is, so every creator of such a window may call this first.
void RegisterWindowClass(const WindowClassDesc& desc);

}  // namespace dorvane
