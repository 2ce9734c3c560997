#include "Label.h"

namespace dorvane {

TLabel::TLabel(HWND parent, std::string name, int x, int y, int width, int height,
               const std::string& caption, Alignment alignment)
    : TControl(parent, std::move(name)) {
    const DWORD align = alignment == Alignment::Center ? SS_CENTER
                        : alignment == Alignment::Right ? SS_RIGHT
                                                        : SS_LEFT;
    CreateHandle("STATIC", caption, WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | align, 0, x, y, width, height);
}

void TLabel::SetFontColor(COLORREF color) {
    if (color == color_) return;
    color_ = color;
    Repaint();
}

void TLabel::Repaint() {
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::Clicked() {
    if (OnClick) OnClick();
}

bool TLabel::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, Enabled() ? TextColor() : GetSysColor(COLOR_GRAYTEXT));
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    (void)lp;
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
        Clicked();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace dorvane
