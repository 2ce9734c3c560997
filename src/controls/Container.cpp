#include "Container.h"

namespace dorvane {

TContainer::TContainer(HWND parent, std::string name, int x, int y, int width, int height,
                       DWORD style, DWORD ex_style)
    : TControl(parent, std::move(name)) {
    MakeWindowAtOnce();
    // CONTROLPARENT lets the dialog keyboard walk into the children.
    CreateHandle(ContainerWindowClass(), "", style | WS_VISIBLE | WS_CLIPSIBLINGS,
                 ex_style | WS_EX_CONTROLPARENT, x, y, width, height);
}

bool TContainer::WndProc(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(Font());
        return true;
    }
    return false;
}

}  // namespace dorvane
