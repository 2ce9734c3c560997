// What becomes of a key message before the dialog manager sees it.
#pragma once

namespace dorvane {

enum class KeyUse {
    Dialog,  // the dialog manager's: Tab, Shift+Tab and the arrows as in a dialog box
    Taken,   // dealt with: neither translated nor dispatched
    Typed,   // translated and dispatched to its window, past the dialog manager
};

}  // namespace dorvane
