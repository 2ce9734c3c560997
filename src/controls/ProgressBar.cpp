#include "ProgressBar.h"
#include <algorithm>
#include <commctrl.h>

namespace dorvane {

TsuiProgressBar::TsuiProgressBar(HWND parent, std::string name, int x, int y, int width, int height)
    : TControl(parent, std::move(name)) {
    if (CreateHandle(PROGRESS_CLASSA, "", WS_VISIBLE, 0, x, y, width, height)) Apply();
}

void TsuiProgressBar::Apply() {
    if (!Handle()) return;
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TsuiProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (Handle()) SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TsuiProgressBar::SetMin(int min) { SetRange(min, std::max(min, max_)); }
void TsuiProgressBar::SetMax(int max) { SetRange(std::min(min_, max), max); }

void TsuiProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

}  // namespace dorvane
