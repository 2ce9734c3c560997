// TsuiCheckBox: a native check box. OnClick runs when the checked state
// really changes: a setter that changes it, Click() (which toggles it, as a
// mouse click does) and every user click.
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TsuiCheckBox : public TControl {
public:
    TsuiCheckBox(HWND parent, std::string name, int x, int y, int width, int height,
                 const std::string& caption = {});

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void Click() { SetChecked(!checked_); }

    std::function<void()> OnClick;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;


private:
    bool checked_ = false;
};

}  // namespace dorvane
