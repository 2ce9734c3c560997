#include "RadioButton.h"

namespace dorvane {

TsuiRadioButton::TsuiRadioButton(HWND parent, std::string name, int x, int y, int width, int height,
                                 const std::string& caption, int group_index)
    : TControl(parent, std::move(name)), group_index_(group_index) {
    // Not an auto radio button: the group is ours to keep, so the objects
    // and the windows never disagree about which one is checked.
    CreateHandle("BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON, 0, x, y, width, height);
}

void TsuiRadioButton::SetMark(bool checked) {
    checked_ = checked;
    if (!Handle()) return;
    // The native button makes the checked radio button of a group its tab
    // stop; a group the program took out of the tab order stays out.
    const bool tab_stop = TabStop();
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!tab_stop) SetTabStop(false);
}

void TsuiRadioButton::UncheckSiblings() {
    // The objects, not the windows: a sibling may still wait for its window.
    for (TControl* control : Siblings()) {
        auto* sibling = dynamic_cast<TsuiRadioButton*>(control);
        if (sibling && sibling != this && sibling->group_index_ == group_index_ && sibling->checked_)
            sibling->SetMark(false);
    }
}

void TsuiRadioButton::HandleCreated() { SetMark(checked_); }

void TsuiRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    SetMark(checked);
    if (!checked) return;
    UncheckSiblings();
    if (OnClick) OnClick();
}

bool TsuiRadioButton::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    // A disabled button takes no clicks, even a click message sent to it.
    if (Enabled()) SetChecked(true);
    result = 0;
    return true;
}

}  // namespace dorvane
