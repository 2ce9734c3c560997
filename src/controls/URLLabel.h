// TsuiURLLabel: a label that looks like a link: drawn in its font colour
// (blue unless set), in the hot colour while the mouse is over it, underlined
// and with a hand cursor while enabled, grey and plain while disabled.
// OnClick runs on a click, and Click() runs it, only while enabled.
#pragma once
#include <string>
#include "Label.h"

namespace dorvane {

class TsuiURLLabel : public TLabel {
public:
    TsuiURLLabel(HWND parent, std::string name, int x, int y, int width, int height,
                 const std::string& caption = {});

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }

    COLORREF HotColor() const { return hot_color_; }
    void SetHotColor(COLORREF color) { hot_color_ = color; }
    bool Hot() const { return hot_; }

    void Click() { Clicked(); }

    // The font the window shows: the control's font, underlined while enabled.
    HFONT ShownFont() const;

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    COLORREF TextColor() const override { return hot_ ? hot_color_ : FontColor(); }
    void Clicked() override;
    void FontChanged() override { UpdateShownFont(); }
    void EnabledChanged() override;
    void HandleCreated() override { UpdateShownFont(); }

private:
    void UpdateShownFont();
    void SetHot(bool hot);

    std::string url_;
    COLORREF hot_color_ = RGB(128, 0, 128);
    bool hot_ = false;
    SharedFont underlined_;
};

}  // namespace dorvane
