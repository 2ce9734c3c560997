#include "CppWebBrowser.h"
#include "i18n/TextConvert.h"

namespace dorvane {

TCppWebBrowser::TCppWebBrowser(HWND parent, std::string name, int x, int y, int width, int height,
                               std::unique_ptr<IBrowserHost> host)
    : TContainer(parent, std::move(name), x, y, width, height), host_(std::move(host)) {
    if (host_ && !(Handle() && host_->Attach(Handle()))) host_.reset();
}

void TCppWebBrowser::Navigate(const std::string& url) {
    location_ = url;
    if (host_) host_->Navigate(WidenText(url, CP_ACP));
}

bool TCppWebBrowser::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE && host_) host_->Resize(LOWORD(lp), HIWORD(lp));
    // The browser is closed while its windows still stand: a parent window
    // destroyed before the control takes them down with it.
    if (msg == WM_DESTROY) host_.reset();
    return TContainer::WndProc(msg, wp, lp, result);
}

}  // namespace dorvane
