#include "URLLabel.h"

namespace dorvane {

TsuiURLLabel::TsuiURLLabel(HWND parent, std::string name, int x, int y, int width, int height,
                           const std::string& caption)
    : TLabel(parent, std::move(name), x, y, width, height, caption) {
    SetFontColor(RGB(0, 0, 255));
    UpdateShownFont();
}

HFONT TsuiURLLabel::ShownFont() const {
    if (!Handle()) return nullptr;
    return reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
}

void TsuiURLLabel::UpdateShownFont() {
    if (!Handle()) return;
    if (!Enabled()) {
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
        underlined_.reset();
        return;
    }
    FontDesc desc = DescribeFont(Font());
    desc.underline = true;
    SharedFont font = ShareFontFor(desc);
    if (!font) return;
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->get()), TRUE);
    underlined_ = std::move(font);
}

void TsuiURLLabel::EnabledChanged() {
    if (!Enabled()) SetHot(false);
    UpdateShownFont();
    Repaint();
}

void TsuiURLLabel::Clicked() {
    if (Enabled()) TLabel::Clicked();
}

void TsuiURLLabel::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    Repaint();
}

bool TsuiURLLabel::WndProc(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_SETCURSOR:
        if (!Enabled()) return false;
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        result = TRUE;
        return true;
    case WM_MOUSEMOVE:
        if (!hot_ && Enabled()) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&track);
            SetHot(true);
        }
        return false;
    case WM_MOUSELEAVE:
        SetHot(false);
        return false;
    default:
        return false;
    }
}

}  // namespace dorvane
