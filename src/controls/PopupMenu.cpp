#include "PopupMenu.h"

namespace dorvane {

TsuiPopupMenu::TsuiPopupMenu(HWND owner) : menu_(CreatePopupMenu()), root_(TMenuItem::Key{}, menu_.get()), owner_(owner) {}

TMenuItem* TsuiPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup();
    if (!owner_ || !menu_) return nullptr;
    const UINT command = static_cast<UINT>(TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                          x, y, 0, owner_, nullptr));
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(owner_, WM_NULL, 0, 0);
    return DispatchCommand(command);
}

TMenuItem* TsuiPopupMenu::DispatchCommand(UINT command) {
    TMenuItem* item = root_.FindCommand(command);
    if (!item || !item->Enabled() || item->Count() > 0) return nullptr;
    item->Click();
    return item;
}

}  // namespace dorvane
