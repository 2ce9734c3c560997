#include "CppWebBrowser.h"

namespace dorvane {

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

TCppWebBrowser::TCppWebBrowser(HWND parent, std::string name, int x, int y, int width, int height,
                               std::unique_ptr<IBrowserHost> host)
    : TContainer(parent, std::move(name), x, y, width, height), host_(std::move(host)) {}

void TCppWebBrowser::Navigate(const std::string& url) {
    location_ = url;
    if (host_) host_->Navigate(AnsiToWide(url));
}

bool TCppWebBrowser::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_SIZE && host_) host_->Resize(LOWORD(lp), HIWORD(lp));
    return TContainer::WndProc(msg, wp, lp, result);
}

}  // namespace dorvane
