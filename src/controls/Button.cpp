#include "Button.h"

namespace dorvane {

TsuiButton::TsuiButton(HWND parent, std::string name, int x, int y, int width, int height,
                       const std::string& caption)
    : TControl(parent, std::move(name)) {
    CreateHandle("BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, width, height);
}

void TsuiButton::Click() {
    if (OnClick) OnClick();
}

bool TsuiButton::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    // A disabled button takes no clicks, even a click message sent to it.
    if (Enabled()) Click();
    result = 0;
    return true;
}

}  // namespace dorvane
