#include "ComboBox.h"
#include <algorithm>

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

int TsuiComboBox::Count() const { return static_cast<int>(items_.size()); }

std::string TsuiComboBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return items_[static_cast<size_t>(index)];
}

std::vector<std::string> TsuiComboBox::Items() const { return items_; }

int TsuiComboBox::AddItem(const std::string& text) {
    if (Handle()) {
        const LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (index < 0) return -1;
    }
    items_.push_back(text);
    return Count() - 1;
}

void TsuiComboBox::SetItems(const std::vector<std::string>& items) {
    Clear();
    for (const auto& item : items) AddItem(item);
}

void TsuiComboBox::Clear() {
    items_.clear();
    index_ = -1;
    if (Handle()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TsuiComboBox::IndexOf(const std::string& text) const {
    const auto found = std::find(items_.begin(), items_.end(), text);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TsuiComboBox::ItemIndex() const {
    if (!Handle()) return index_;
    const LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TsuiComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= Count()) index = -1;
    index_ = index;
    // CB_SETCURSEL sends no notification, so nothing is raised.
    if (Handle()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TsuiComboBox::HandleCreated() {
    for (const auto& item : items_) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index_), 0);
}

bool TsuiComboBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != CBN_SELCHANGE) return false;
    if (OnChange) OnChange();
    result = 0;
    return true;
}

}  // namespace dorvane
