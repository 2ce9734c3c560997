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
    return true;
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
}

}  // namespace dorvane
