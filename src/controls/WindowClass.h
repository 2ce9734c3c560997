// Registration of the program's own window classes.
#pragma once
#include <windows.h>

namespace dorvane {

struct WindowClassDesc {
    const char* name = nullptr;
    HBRUSH background = nullptr;
    bool program_icon = false;  // the icon in the program's resources
    bool arrow_cursor = false;
    // A Unicode class: texts reach its windows as UTF-16, untouched by the
    // system code page.
    bool unicode = false;
};

// Registers the class in this process with the given procedure; a class
// already registered stays as it is, so every creator of such a window may
// call this first. Windows bound to an object register through BoundWindow.
void RegisterWindowClass(const WindowClassDesc& desc, WNDPROC procedure);

}  // namespace dorvane
