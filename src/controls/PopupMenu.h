// TsuiPopupMenu: a popup menu built from TMenuItem objects. Popup raises
// OnPopup first (the place to bring the owner to the foreground, as the
// shell wants for a notification-area menu), tracks the native menu and runs
// the chosen item's OnClick.
#pragma once
#include <windows.h>
#include <functional>
#include "Handles.h"
#include "MenuItem.h"

namespace dorvane {

class TsuiPopupMenu {
public:
    explicit TsuiPopupMenu(HWND owner = nullptr);
    TsuiPopupMenu(const TsuiPopupMenu&) = delete;
    TsuiPopupMenu& operator=(const TsuiPopupMenu&) = delete;

    HMENU Handle() const { return menu_.get(); }
    HWND Owner() const { return owner_; }
    void SetOwner(HWND owner) { owner_ = owner; }

    // The top level of the menu: add items here.
    TMenuItem& Items() { return root_; }

    // Shows the menu at a screen point and returns the chosen item (after its
    // OnClick ran), or nullptr when the menu was dismissed. Needs an owner.
    TMenuItem* Popup(int x, int y);
    // What Popup does with the command the menu returned.
    TMenuItem* DispatchCommand(UINT command);

    std::function<void()> OnPopup;

private:
    MenuHandle menu_;
    TMenuItem root_;
    HWND owner_;
};

}  // namespace dorvane
