// TsuiComboBox: a native combo box with a list of 8-bit strings. Setting the
// selected index from code raises nothing; the user's selection raises
// OnChange.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "Control.h"

namespace dorvane {

class TsuiComboBox : public TControl {
public:
    enum class Style { DropDownList, DropDown };

    // height is the height of the closed box; the list drops below it.
    TsuiComboBox(HWND parent, std::string name, int x, int y, int width, int height,
                 Style style = Style::DropDownList);

    int Count() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    // Returns the new item's index, -1 when the box refused it.
    int AddItem(const std::string& text);
    void SetItems(const std::vector<std::string>& items);
    void Clear();
    int IndexOf(const std::string& text) const;

    // -1 for no selection. An index out of range selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text of the box: the selected item, or what the user typed.
    std::string Text() const { return Handle() ? Caption() : Item(ItemIndex()); }

    std::function<void()> OnChange;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;

private:
    // The list as the program gave it, and the selection while there is no
    // window to keep it.
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace dorvane
