#include "Edit.h"
#include "i18n/TextConvert.h"

namespace dorvane {

TsuiEdit::TsuiEdit(HWND parent, std::string name, int x, int y, int width, int height,
                   const std::string& text)
    : TControl(parent, std::move(name)) {
    CreateHandle("EDIT", text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, x, y, width,
                 height);
}

int TsuiEdit::SelStart() const {
    DWORD start = 0, end = 0;
    if (Handle()) SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TsuiEdit::SelLength() const {
    DWORD start = 0, end = 0;
    if (Handle()) SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TsuiEdit::SetSelection(int start, int length) {
    if (!Handle()) return;
    const int end = length < 0 ? -1 : start + length;
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void TsuiEdit::SetCaption(const std::string& text) {
    TControl::SetCaption(text);
    if (!Handle() && OnChange) OnChange();
}

void TsuiEdit::HandleCreated() {
    if (read_only_) SendMessageA(Handle(), EM_SETREADONLY, TRUE, 0);
    ApplyMaxBytes();
}

bool TsuiEdit::ReadOnly() const {
    if (!Handle()) return read_only_;
    return (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void TsuiEdit::SetReadOnly(bool read_only) {
    read_only_ = read_only;
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

void TsuiEdit::SetMaxBytes(int max_bytes) {
    max_bytes_ = max_bytes;
    ApplyMaxBytes();
}

void TsuiEdit::FontChanged() { ApplyMaxBytes(); }

void TsuiEdit::ApplyMaxBytes() {
    if (!Handle() || max_bytes_ <= 0) return;
    // The window is a Unicode one and counts UTF-16 units, whereas Text() is
    // in the font's code page: a unit may take two bytes there (East Asian
    // code pages), so the units allowed are as many as the worst case still
    // fits. An ANSI edit that counted bytes would hold to it all the more.
    const auto units = static_cast<std::size_t>(max_bytes_) / MostBytesPerUnit(CodePageOfFont(Font()));
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(units > 0 ? units : 1), 0);
}

bool TsuiEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!OnKeyPress) return false;
    if (msg == WM_GETDLGCODE) {
        // Enter is the field's own key: the dialog manager would otherwise
        // take it for a default button, and the key press would never come.
        result = CallOriginal(msg, wp, lp);
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
        return true;
    }
    if (msg != WM_CHAR) return false;
    char key = static_cast<char>(wp);
    OnKeyPress(key);
    if (key == 0) {
        result = 0;
        return true;
    }
    // The window is a Unicode one: a key the handler left as it was is typed
    // as it came, not cut to its low byte.
    const WPARAM typed = key == static_cast<char>(wp) ? wp : static_cast<WPARAM>(static_cast<unsigned char>(key));
    result = CallOriginal(msg, typed, lp);
    return true;
}

bool TsuiEdit::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND) return false;
    switch (HIWORD(wp)) {
    case EN_CHANGE:
        if (OnChange) OnChange();
        break;
    case EN_SETFOCUS:
        if (OnEnter) OnEnter();
        break;
    case EN_KILLFOCUS:
        if (OnExit) OnExit();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

}  // namespace dorvane
