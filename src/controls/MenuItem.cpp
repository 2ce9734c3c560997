#include "MenuItem.h"

namespace dorvane {

TMenuItem::TMenuItem(Key, HMENU root_menu) : submenu_(root_menu) {}

TMenuItem::TMenuItem(Key, TMenuItem* parent, UINT command, std::string caption, std::string name, bool separator)
    : parent_(parent), command_(command), name_(std::move(name)), caption_(std::move(caption)),
      separator_(separator) {}

TMenuItem::~TMenuItem() = default;

UINT TMenuItem::NextCommand() {
    TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->next_command_++;
}

HMENU TMenuItem::Menu() const { return parent_ ? parent_->submenu_ : nullptr; }

int TMenuItem::MenuIndex() const {
    if (!parent_) return -1;
    for (size_t i = 0; i < parent_->items_.size(); ++i)
        if (parent_->items_[i].get() == this) return static_cast<int>(i);
    return -1;
}

TMenuItem& TMenuItem::Add(const std::string& caption, std::string name) {
    return Insert(std::make_unique<TMenuItem>(Key{}, this, NextCommand(), caption, std::move(name), false));
}

TMenuItem& TMenuItem::AddSeparator(std::string name) {
    return Insert(std::make_unique<TMenuItem>(Key{}, this, 0, std::string(), std::move(name), true));
}

TMenuItem& TMenuItem::Insert(std::unique_ptr<TMenuItem> item) {
    if (!submenu_) {
        // The first child makes this item a submenu; the parent menu owns the
        // new native menu from here on and destroys it with itself.
        submenu_ = CreatePopupMenu();
        Sync();
    }
    TMenuItem& added = *item;
    items_.push_back(std::move(item));
    if (submenu_) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        info.wID = added.command_;
        InsertMenuItemA(submenu_, static_cast<UINT>(items_.size() - 1), TRUE, &info);
        added.Sync();
    }
    return added;
}

void TMenuItem::Sync() {
    HMENU menu = Menu();
    if (!menu) return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    info.wID = command_;
    info.hSubMenu = submenu_;
    if (separator_) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = radio_ ? MFT_RADIOCHECK : MFT_STRING;
        info.dwTypeData = const_cast<char*>(caption_.c_str());
        info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED) |
                      (default_ ? MFS_DEFAULT : 0);
    }
    SetMenuItemInfoA(menu, static_cast<UINT>(MenuIndex()), TRUE, &info);
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Sync();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked && radio_ && parent_) {
        for (auto& sibling : parent_->items_) {
            if (sibling.get() == this || !sibling->radio_ || sibling->group_index_ != group_index_) continue;
            if (sibling->checked_) {
                sibling->checked_ = false;
                sibling->Sync();
            }
        }
    }
    checked_ = checked;
    Sync();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Sync();
}

void TMenuItem::SetRadioItem(bool radio) {
    radio_ = radio;
    Sync();
}

void TMenuItem::SetDefault(bool is_default) {
    if (!parent_ || separator_) return;
    for (auto& sibling : parent_->items_) {
        if (sibling.get() != this && sibling->default_) {
            sibling->default_ = false;
            sibling->Sync();
        }
    }
    default_ = is_default;
    Sync();
    if (HMENU menu = Menu())
        SetMenuDefaultItem(menu, is_default ? static_cast<UINT>(MenuIndex()) : static_cast<UINT>(-1), TRUE);
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
    if (command == 0) return nullptr;
    if (command_ == command && !separator_) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->FindCommand(command)) return found;
    return nullptr;
}

void TMenuItem::Click() {
    if (OnClick) OnClick();
}

}  // namespace dorvane
