// TContainer: a control of the set's own window class that holds other
// controls. It routes its children's notifications to their objects and
// keeps a font that children created inside it start with.
#pragma once
#include "Control.h"

namespace dorvane {

class TContainer : public TControl {
protected:
    TContainer(HWND parent, std::string name, int x, int y, int width, int height,
               DWORD style = 0, DWORD ex_style = 0);
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace dorvane
