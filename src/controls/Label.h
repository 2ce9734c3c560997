// TLabel: a native static text with a text colour of its own. OnClick runs
// on a click on the text.
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TLabel : public TControl {
public:
    enum class Alignment { Left, Center, Right };

    TLabel(HWND parent, std::string name, int x, int y, int width, int height,
           const std::string& caption = {}, Alignment alignment = Alignment::Left);

    COLORREF FontColor() const { return color_; }
    // Repaints only when the colour really changes.
    void SetFontColor(COLORREF color);

    std::function<void()> OnClick;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // The colour the text is drawn in now.
    virtual COLORREF TextColor() const { return color_; }
    void Repaint();
    virtual void Clicked();

private:
    COLORREF color_ = GetSysColor(COLOR_BTNTEXT);
};

}  // namespace dorvane
