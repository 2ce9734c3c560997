#include "ComboBox.h"

namespace dorvane {
namespace {
constexpr int kDroppedListHeight = 160;
}

TsuiComboBox::TsuiComboBox(HWND parent, std::string name, int x, int y, int width, int height,
                           Style style)
    : TControl(parent, std::move(name)) {
    const DWORD kind = style == Style::DropDownList ? CBS_DROPDOWNLIST : (CBS_DROPDOWN | CBS_AUTOHSCROLL);
    CreateHandle("COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind, 0, x, y, width,
                 height + kDroppedListHeight);
}

int TsuiComboBox::Count() const {
    if (!Handle()) return 0;
    const LRESULT n = SendMessageA(Handle(), CB_GETCOUNT, 0, 0);
    return n == CB_ERR ? 0 : static_cast<int>(n);
}

std::string TsuiComboBox::Item(int index) const {
    if (!Handle() || index < 0 || index >= Count()) return {};
    const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

std::vector<std::string> TsuiComboBox::Items() const {
    std::vector<std::string> items;
    const int n = Count();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items.push_back(Item(i));
    return items;
}

int TsuiComboBox::AddItem(const std::string& text) {
    if (!Handle()) return -1;
    const LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

void TsuiComboBox::SetItems(const std::vector<std::string>& items) {
    Clear();
    for (const auto& item : items) AddItem(item);
}

void TsuiComboBox::Clear() {
    if (Handle()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TsuiComboBox::IndexOf(const std::string& text) const {
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (Item(i) == text) return i;
    return -1;
}

int TsuiComboBox::ItemIndex() const {
    if (!Handle()) return -1;
    const LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TsuiComboBox::SetItemIndex(int index) {
    if (!Handle()) return;
    if (index < 0 || index >= Count()) index = -1;
    // CB_SETCURSEL sends no notification, so nothing is raised.
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TsuiComboBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != CBN_SELCHANGE) return false;
    if (OnChange) OnChange();
    result = 0;
    return true;
}

}  // namespace dorvane
