#include "CheckBox.h"

namespace dorvane {

TsuiCheckBox::TsuiCheckBox(HWND parent, std::string name, int x, int y, int width, int height,
                           const std::string& caption)
    : TControl(parent, std::move(name)) {
    CreateHandle("BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, x, y, width, height);
}

void TsuiCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (Handle()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick) OnClick();
}

void TsuiCheckBox::HandleCreated() {
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TsuiCheckBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    result = 0;
    // A disabled box takes no clicks; a click message sent to it anyway
    // (BM_CLICK goes through on some systems) is undone.
    if (!Enabled()) {
        SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    }
    // The native box has already toggled itself.
    const bool now = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now != checked_) {
        checked_ = now;
        if (OnClick) OnClick();
    }
    return true;
}

}  // namespace dorvane
