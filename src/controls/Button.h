// TsuiButton: a native push button; OnClick on a user click and on Click().
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TsuiButton : public TControl {
public:
    TsuiButton(HWND parent, std::string name, int x, int y, int width, int height,
               const std::string& caption = {});

    void Click();

    std::function<void()> OnClick;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace dorvane
