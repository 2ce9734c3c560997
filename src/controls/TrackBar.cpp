#include "TrackBar.h"
#include <algorithm>
#include <commctrl.h>

namespace dorvane {

TsuiTrackBar::TsuiTrackBar(HWND parent, std::string name, int x, int y, int width, int height,
                           Orientation orientation)
    : TControl(parent, std::move(name)) {
    const DWORD style = WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS |
                        (orientation == Orientation::Vertical ? TBS_VERT : TBS_HORZ);
    if (CreateHandle(TRACKBAR_CLASSA, "", style, 0, x, y, width, height)) HandleCreated();
}

void TsuiTrackBar::HandleCreated() {
    ApplyRange();
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, page_size_);
    SendMessageA(Handle(), TBM_SETLINESIZE, 0, line_size_);
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
    ApplyTicks();
}

void TsuiTrackBar::ApplyRange() {
    if (!Handle()) return;
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
}

void TsuiTrackBar::MoveTo(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    if (Handle()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
    if (OnChange) OnChange();
}

void TsuiTrackBar::SetPosition(int position) { MoveTo(position); }

void TsuiTrackBar::SetMin(int min) { SetRange(min, std::max(min, max_)); }

void TsuiTrackBar::SetMax(int max) { SetRange(std::min(min_, max), max); }

void TsuiTrackBar::SetRange(int min, int max) {
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    // The native bar clamps its own thumb silently; keep our position in step
    // and report the change the clamp made.
    ApplyRange();
    if (Handle()) SendMessageA(Handle(), TBM_SETPOS, TRUE, std::clamp(position_, min_, max_));
    MoveTo(position_);
}

void TsuiTrackBar::SetPageSize(int page_size) {
    page_size_ = page_size;
    if (Handle()) SendMessageA(Handle(), TBM_SETPAGESIZE, 0, page_size_);
}

void TsuiTrackBar::SetLineSize(int line_size) {
    line_size_ = line_size;
    if (Handle()) SendMessageA(Handle(), TBM_SETLINESIZE, 0, line_size_);
}

void TsuiTrackBar::SetFrequency(int frequency) {
    frequency_ = frequency;
    if (Handle()) SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TsuiTrackBar::SetTicksVisible(bool visible) {
    if (visible == ticks_visible_) return;
    ticks_visible_ = visible;
    ApplyTicks();
}

void TsuiTrackBar::ApplyTicks() {
    if (!Handle()) return;
    const bool visible = ticks_visible_;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = visible ? (style & ~static_cast<LONG_PTR>(TBS_NOTICKS)) | TBS_AUTOTICKS
                    : (style & ~static_cast<LONG_PTR>(TBS_AUTOTICKS)) | TBS_NOTICKS;
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    // The style alone moves no tick: the strip is laid out and drawn anew.
    SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TsuiTrackBar::Notify(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_HSCROLL && msg != WM_VSCROLL) return false;
    // Every scroll code (line, page, thumb track, end) reports the thumb's
    // place; only a real move counts.
    const int native = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
    MoveTo(native);
    result = 0;
    return true;
}

}  // namespace dorvane
