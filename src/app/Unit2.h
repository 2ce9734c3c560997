// TForm2, the status overlay: a small borderless window in the bottom-right
// corner that shows while keyboard typing is locked.
#pragma once
#include <windows.h>
#include "controls/Handles.h"

namespace dorvane {

class TApplication;

class TForm2 {
public:
    explicit TForm2(TApplication& application);
    HWND Handle() const { return window_.get(); }
    bool Visible() const { return IsWindowVisible(window_.get()) != FALSE; }

private:
    WindowHandle window_;
};

}  // namespace dorvane
