// The system's web browser control as the host behind TCppWebBrowser: an OLE
// object activated in place in the control's window, reached through its
// IWebBrowser2 interface. When the object cannot be made or activated, Attach
// fails and the control stays an empty panel.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <functional>
#include "BrowserHost.h"
#include "ComPtr.h"

namespace dorvane {

class TBrowserSite;

class TOleBrowserHost final : public IBrowserHost {
public:
    // Makes the object to embed; it must answer IWebBrowser2 as well.
    using ObjectFactory = std::function<ComPtr<IOleObject>()>;
    // The system's web browser control, made only on a thread in a
    // single-threaded apartment; empty on any other thread or on failure.
    static ComPtr<IOleObject> CreateWebBrowser();

    explicit TOleBrowserHost(ObjectFactory factory = CreateWebBrowser);
    // Closes the object.
    ~TOleBrowserHost() override;
    TOleBrowserHost(const TOleBrowserHost&) = delete;
    TOleBrowserHost& operator=(const TOleBrowserHost&) = delete;

    bool Attach(HWND window) override;
    void Navigate(const std::wstring& url) override;
    void Resize(int width, int height) override;
    void Focus() override;
    // Offered to the object's active part, the one it named when it became
    // active (it takes keys only while it is).
    bool TranslateAccelerator(MSG& msg) override;

private:
    void Close() noexcept;

    ObjectFactory factory_;
    HWND window_ = nullptr;
    ComPtr<TBrowserSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
};

}  // namespace dorvane
