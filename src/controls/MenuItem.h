// TMenuItem: one item of a TsuiPopupMenu, kept in step with the native menu
// at once (every setter updates the native item, so GetMenuItemInfo reads
// what the object holds). An item that gets children becomes a submenu.
// Items live as long as their menu; there is no removal.
//
// Radio items: checking a radio item unchecks the other radio items of the
// same GroupIndex in the same (sub)menu. Default: at most one default item
// per (sub)menu; making an item the default takes the mark from the other.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dorvane {

class TMenuItem {
public:
    // Only the menu and its items make items.
    class Key {
        Key() = default;
        friend class TMenuItem;
        friend class TsuiPopupMenu;
    };

    // The root of a popup menu: it holds the popup's native menu.
    TMenuItem(Key, HMENU root_menu);
    TMenuItem(Key, TMenuItem* parent, UINT command, std::string caption, std::string name, bool separator);
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;
    ~TMenuItem();

    // Adds an item at the end of this item's submenu.
    TMenuItem& Add(const std::string& caption, std::string name = {});
    TMenuItem& AddSeparator(std::string name = {});
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Item(int index) { return *items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    const std::string& Name() const { return name_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool RadioItem() const { return radio_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int group_index) { group_index_ = group_index; }
    bool Default() const { return default_; }
    void SetDefault(bool is_default);
    bool IsSeparator() const { return separator_; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    // The command the native menu returns for this item (0 for none).
    UINT Command() const { return command_; }
    // The native menu holding this item, and the one it opens (if any).
    HMENU Menu() const;
    HMENU SubMenu() const { return submenu_; }

    // The item with this command among this item and its descendants.
    TMenuItem* FindCommand(UINT command);

    void Click();
    std::function<void()> OnClick;

private:
    TMenuItem& Insert(std::unique_ptr<TMenuItem> item);
    UINT NextCommand();
    void Sync();

    TMenuItem* parent_ = nullptr;
    HMENU submenu_ = nullptr;  // owned by the native menu tree, not by the item
    UINT command_ = 0;
    UINT next_command_ = 1;  // used by the root only
    std::string name_;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool radio_ = false;
    bool default_ = false;
    bool separator_ = false;
    int group_index_ = 0;
    intptr_t tag_ = 0;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

}  // namespace dorvane
