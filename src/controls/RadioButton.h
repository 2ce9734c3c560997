// TsuiRadioButton: a native radio button. The radio buttons of one parent
// window with the same GroupIndex form a group: checking one (by code or by
// the user) unchecks the others. OnClick runs when the button becomes
// checked; being unchecked, by code or by a sibling, raises nothing, so a
// group raises exactly one OnClick per change of its checked button.
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TsuiRadioButton : public TControl {
public:
    TsuiRadioButton(HWND parent, std::string name, int x, int y, int width, int height,
                    const std::string& caption = {}, int group_index = 0);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // As a mouse click: checks the button.
    void Click() { SetChecked(true); }

    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int group_index) { group_index_ = group_index; }

    std::function<void()> OnClick;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;


private:
    void SetMark(bool checked);
    void UncheckSiblings();

    bool checked_ = false;
    int group_index_;
};

}  // namespace dorvane
