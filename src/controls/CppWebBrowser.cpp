#include "CppWebBrowser.h"
#include "i18n/TextConvert.h"

namespace dorvane {

TCppWebBrowser::TCppWebBrowser(HWND parent, std::string name, int x, int y, int width, int height,
                               std::unique_ptr<IBrowserHost> host)
    : TContainer(parent, std::move(name), x, y, width, height), host_(std::move(host)) {
    if (host_ && !(Handle() && host_->Attach(Handle()))) host_.reset();
    if (!host_) return;
    // The page is one stop of the tab order, not a container of the panel's
    // controls: Tab onto it hands the focus to the page, whose own Tab then
    // goes through its links and fields.
    SetTabStop(true);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & ~WS_EX_CONTROLPARENT);
}

void TCppWebBrowser::Navigate(const std::string& url) {
    location_ = url;
    if (host_) host_->Navigate(WidenText(url, CP_ACP));
}

KeyUse TCppWebBrowser::RouteKey(MSG& msg) {
    if (!host_ || !Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return KeyUse::Dialog;
    if (host_->TranslateAccelerator(msg)) return KeyUse::Taken;
    // The dialog manager would take the arrows, Enter and Escape from the
    // page's fields; only Tab leaves the page.
    return msg.message == WM_KEYDOWN && msg.wParam == VK_TAB ? KeyUse::Dialog : KeyUse::Typed;
}

bool TCppWebBrowser::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE && host_) host_->Resize(LOWORD(lp), HIWORD(lp));
    if (msg == WM_SETFOCUS && host_) host_->Focus();
    // The browser is closed while its windows still stand: a parent window
    // destroyed before the control takes them down with it.
    if (msg == WM_DESTROY) host_.reset();
    return TContainer::WndProc(msg, wp, lp, result);
}

}  // namespace dorvane
