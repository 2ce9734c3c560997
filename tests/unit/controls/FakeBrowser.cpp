#include "FakeBrowser.h"
#include <cwchar>

namespace dorvane::test {
namespace {

std::wstring SizeText(const RECT& r) {
    return std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
}

// An argument the caller left out is a VT_ERROR of DISP_E_PARAMNOTFOUND.
std::wstring ArgumentText(const VARIANT* v) {
    if (!v) return L"null";
    if (v->vt == VT_ERROR && v->scode == DISP_E_PARAMNOTFOUND) return L"omitted";
    return L"vt " + std::to_wstring(v->vt);
}

}  // namespace

std::wstring HandleText(HWND window) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%p", static_cast<void*>(window));
    return text;
}

HRESULT FakeBrowser::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
        *out = static_cast<IOleObject*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
        *out = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
        *out = static_cast<IOleInPlaceActiveObject*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IWebBrowser) ||
             IsEqualIID(iid, IID_IWebBrowserApp) || IsEqualIID(iid, IID_IWebBrowser2))
        *out = static_cast<IWebBrowser2*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT FakeBrowser::SetClientSite(IOleClientSite* site) {
    log.push_back(site ? L"SetClientSite a site" : L"SetClientSite none");
    site_ = ComPtr<IOleClientSite>::Share(site);
    if (site && !keptSite) keptSite = ComPtr<IOleClientSite>::Share(site);
    return S_OK;
}

HRESULT FakeBrowser::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = ComPtr<IOleClientSite>::Share(site_.Get()).Detach();
    return S_OK;
}

HRESULT FakeBrowser::Close(DWORD save) {
    log.push_back(save == OLECLOSE_NOSAVE ? L"Close without saving" : L"Close saving");
    return S_OK;
}

HRESULT FakeBrowser::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT area) {
    if (verb == OLEIVERB_UIACTIVATE && inPlaceSite_) {
        // Already in place: the page takes the focus and names its active part.
        log.push_back(L"DoVerb activate");
        SetActive(true);
        SetFocus(page_.get());
        return S_OK;
    }
    log.push_back(L"DoVerb " + std::wstring(verb == OLEIVERB_INPLACEACTIVATE ? L"in-place activate" : L"other") +
                  L" in " + HandleText(parent) + L" " + (area ? SizeText(*area) : L"no area"));
    if (refuseActivation) return E_FAIL;
    ComPtr<IOleClientSite> client = ComPtr<IOleClientSite>::Share(site);
    inPlaceSite_ = client.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    if (!inPlaceSite_) {
        log.push_back(L"site: not in place");
        return E_NOINTERFACE;
    }
    HWND window = nullptr;
    inPlaceSite_->GetWindow(&window);
    log.push_back(L"site: window " + HandleText(window));
    if (inPlaceSite_->CanInPlaceActivate() != S_OK) {
        log.push_back(L"site: cannot activate");
        return E_FAIL;
    }
    inPlaceSite_->OnInPlaceActivate();
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    const HRESULT context = inPlaceSite_->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &info);
    HWND frameWindow = nullptr;
    if (frame) frame->GetWindow(&frameWindow);
    frame_ = std::move(frame);
    page_.reset(CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, position.right, position.bottom, window,
                                nullptr, nullptr, nullptr));
    log.push_back(L"site: context " + std::wstring(SUCCEEDED(context) ? L"ok" : L"failed") + L", frame window " +
                  HandleText(frameWindow) + L", " + (document ? L"a document window" : L"no document window") +
                  L", " + SizeText(position) + L" clipped " + SizeText(clip) + L", top window " +
                  HandleText(info.hwndFrame));
    return S_OK;
}

HRESULT FakeBrowser::InPlaceDeactivate() {
    log.push_back(L"InPlaceDeactivate");
    if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_.Reset();
    frame_.Reset();
    page_.reset();
    return S_OK;
}

void FakeBrowser::SetActive(bool active) {
    if (frame_) frame_->SetActiveObject(active ? static_cast<IOleInPlaceActiveObject*>(this) : nullptr, L"page");
}

HRESULT FakeBrowser::TranslateAccelerator(LPMSG msg) {
    if (!msg) return E_INVALIDARG;
    log.push_back(L"TranslateAccelerator " + std::to_wstring(msg->message) + L" " + std::to_wstring(msg->wParam));
    return takesKeys ? S_OK : S_FALSE;
}

HRESULT FakeBrowser::put_Silent(VARIANT_BOOL silent) {
    log.push_back(silent ? L"put_Silent true" : L"put_Silent false");
    return S_OK;
}

HRESULT FakeBrowser::SetObjectRects(LPCRECT position, LPCRECT clip) {
    log.push_back(L"SetObjectRects " + (position ? SizeText(*position) : L"none") + L" clipped " +
                  (clip ? SizeText(*clip) : L"none"));
    return S_OK;
}

HRESULT FakeBrowser::Navigate(BSTR url, VARIANT* flags, VARIANT* target, VARIANT* post, VARIANT* headers) {
    log.push_back(L"Navigate " + (url ? std::wstring(url, SysStringLen(url)) : L"(no string)") + L" " + ArgumentText(flags) + L" " +
                  ArgumentText(target) + L" " + ArgumentText(post) + L" " + ArgumentText(headers));
    return S_OK;
}

}  // namespace dorvane::test
