// What the control tests share: a form window that routes its children's
// notifications the way the program's forms do, and an event log.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "controls/BoundWindow.h"
#include "controls/Handles.h"
#include "TempFolder.h"

namespace dorvane::test {

class TestForm {
public:
    TestForm();
    HWND Handle() const { return window_.get(); }
    // Destroys the window before the controls made in it (for lifetime tests).
    void Destroy() { window_.reset(); }

private:
    BoundWindow window_;
};

using EventLog = std::vector<std::string>;

// Every window of this thread, top-level and child, counted.
int CountThreadWindows();


}  // namespace dorvane::test
