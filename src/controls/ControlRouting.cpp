#include "ControlRouting.h"
#include "Control.h"
#include "HandlerGuard.h"

namespace dorvane {
namespace {
HWND NotifyingChild(UINT msg, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY:
        return lp ? reinterpret_cast<const NMHDR*>(lp)->hwndFrom : nullptr;
    default:
        return nullptr;
    }
}
}  // namespace

bool RouteControlMessage(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = NotifyingChild(msg, lp);
    if (!child || child == parent) return false;
    TControl* control = TControl::FromHandle(child);
    if (!control) return false;
    // A window being made from the control's kept state reports nothing the
    // program did not already know.
    if (control->making_ && (msg == WM_COMMAND || msg == WM_NOTIFY || msg == WM_HSCROLL || msg == WM_VSCROLL))
        return false;
    bool handled = false;
    LRESULT answer = 0;
    GuardedCall([&] { handled = control->Notify(msg, wp, lp, answer); });
    if (handled) result = answer;
    return handled;
}

}  // namespace dorvane
