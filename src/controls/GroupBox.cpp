#include "GroupBox.h"

namespace dorvane {

TsuiGroupBox::TsuiGroupBox(HWND parent, std::string name, int x, int y, int width, int height,
                           const std::string& caption)
    : TContainer(parent, std::move(name), x, y, width, height) {
    if (!Handle()) return;
    TControl::SetCaption(caption);
    // The frame lies under every control of the group and clips them out, so
    // it never paints over them.
    frame_.reset(CreateWindowExW(0, L"BUTTON", WidenText(caption, CodePageOfFont(Font())).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, width,
                                 height, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowPos(frame_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FontChanged();
}

void TsuiGroupBox::SetCaption(const std::string& text) {
    TControl::SetCaption(text);
    if (frame_) SetWindowTextW(frame_.get(), CaptionWide().c_str());
}

void TsuiGroupBox::FontChanged() {
    if (frame_) SendMessageA(frame_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

bool TsuiGroupBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE && frame_) {
        MoveWindow(frame_.get(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return false;
    }
    return TContainer::WndProc(msg, wp, lp, result);
}

}  // namespace dorvane
