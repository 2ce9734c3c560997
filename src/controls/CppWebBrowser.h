// TCppWebBrowser: the place of the embedded web page. Navigate converts the
// 8-bit address (system code page) to UTF-16 and hands it to the browser
// host; without a host, or with one that could not attach to the window, the
// control is an empty panel that remembers the address.
#pragma once
#include <memory>
#include <string>
#include "BrowserHost.h"
#include "Container.h"
#include "KeyUse.h"

namespace dorvane {

class TCppWebBrowser : public TContainer {
public:
    TCppWebBrowser(HWND parent, std::string name, int x, int y, int width, int height,
                   std::unique_ptr<IBrowserHost> host = {});

    void Navigate(const std::string& url);
    // The last address asked for.
    const std::string& LocationURL() const { return location_; }
    bool HasHost() const { return host_ != nullptr; }
    // A key message for the page's windows goes to the page first; what the
    // page leaves is typed into it, but Tab, which moves on to the next
    // control. Keys for other windows are the dialog manager's.
    KeyUse RouteKey(MSG& msg);

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    std::unique_ptr<IBrowserHost> host_;
    std::string location_;
};

}  // namespace dorvane
