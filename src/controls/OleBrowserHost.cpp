#include "OleBrowserHost.h"
#include "BrowserSite.h"
#include "OleValues.h"

namespace dorvane {
namespace {

// Created from any other apartment, the control would run on a thread of
// COM's own, with its windows there too, and every call would cross threads.
bool InSingleThreadedApartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result == S_FALSE;
}

}  // namespace

ComPtr<IOleObject> TOleBrowserHost::CreateWebBrowser() {
    ComPtr<IOleObject> object;
    if (InSingleThreadedApartment())
        CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object.PutVoid());
    return object;
}

TOleBrowserHost::TOleBrowserHost(ObjectFactory factory) : factory_(std::move(factory)) {}

TOleBrowserHost::~TOleBrowserHost() { Close(); }

bool TOleBrowserHost::Attach(HWND window) {
    Close();
    if (factory_) object_ = factory_();
    if (!object_) return false;
    browser_ = object_.As<IWebBrowser2>(IID_IWebBrowser2);
    site_ = MakeCom<TBrowserSite>(window);
    RECT area{};
    GetClientRect(window, &area);
    if (!browser_ || FAILED(object_->SetClientSite(site_.Get())) ||
        FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window, &area))) {
        Close();
        return false;
    }
    // The page loads at logon while the panel is hidden: a script error on
    // it must not open a dialog of its own.
    browser_->put_Silent(VARIANT_TRUE);
    window_ = window;
    return true;
}

void TOleBrowserHost::Focus() {
    if (!object_ || !site_) return;
    // Made active, the object puts the focus into its page and names its
    // active part, which then has the first say over the keys.
    RECT area{};
    GetClientRect(window_, &area);
    object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_.Get(), 0, window_, &area);
}

void TOleBrowserHost::Navigate(const std::wstring& url) {
    if (!browser_) return;
    Bstr address(url);
    if (!address) return;
    Variant flags = OmittedArgument(), target = OmittedArgument(), post = OmittedArgument(),
            headers = OmittedArgument();
    // Loading goes on inside the control; what Navigate answers changes nothing here.
    browser_->Navigate(address.Get(), flags.Arg(), target.Arg(), post.Arg(), headers.Arg());
}

void TOleBrowserHost::Resize(int width, int height) {
    if (!object_) return;
    if (auto in_place = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
        const RECT area{0, 0, width, height};
        in_place->SetObjectRects(&area, &area);
    }
}

bool TOleBrowserHost::TranslateAccelerator(MSG& msg) {
    // Held for the call: the object may give up its activation meanwhile.
    ComPtr<IOleInPlaceActiveObject> active = site_ ? site_->ActiveObject() : nullptr;
    return active && active->TranslateAccelerator(&msg) == S_OK;
}

void TOleBrowserHost::Close() noexcept {
    if (object_) {
        if (auto in_place = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject)) in_place->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        // The object lets go of its site here. Should it keep a reference of
        // its own a while longer, the site no longer leads to the window.
        object_->SetClientSite(nullptr);
    }
    browser_.Reset();
    object_.Reset();
    if (site_) site_->Detach();
    site_.Reset();
    window_ = nullptr;
}

}  // namespace dorvane
