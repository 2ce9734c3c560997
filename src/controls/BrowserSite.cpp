#include "BrowserSite.h"

namespace dorvane {
namespace {
HRESULT AnswerWindow(HWND* out, HWND window) {
    if (!out) return E_POINTER;
    *out = window;
    return window ? S_OK : E_FAIL;
}
}  // namespace

HRESULT TInPlaceSiteSide::GetWindow(HWND* window) { return AnswerWindow(window, SiteWindow()); }
HRESULT TInPlaceFrameSide::GetWindow(HWND* window) { return AnswerWindow(window, FrameWindow()); }

HWND TBrowserSite::FrameWindow() const noexcept { return window_ ? GetAncestor(window_, GA_ROOT) : nullptr; }

HRESULT TBrowserSite::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    // Asked for a bare IOleWindow, the object gets the in-place site's.
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *out = static_cast<IOleInPlaceSite*>(static_cast<TInPlaceSiteSide*>(this));
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        *out = static_cast<IOleInPlaceFrame*>(static_cast<TInPlaceFrameSide*>(this));
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG TBrowserSite::AddRef() { return ++refs_; }

ULONG TBrowserSite::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;  // COM lifetime: the last reference owns the object
    return left;
}

// The page is never saved, named or linked: the object lives only in the window.
HRESULT TBrowserSite::SaveObject() { return E_NOTIMPL; }
HRESULT TBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}
HRESULT TBrowserSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}
HRESULT TBrowserSite::ShowObject() { return S_OK; }
HRESULT TBrowserSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT TBrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT TBrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT TBrowserSite::CanInPlaceActivate() { return window_ ? S_OK : S_FALSE; }
HRESULT TBrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT TBrowserSite::OnUIActivate() { return S_OK; }

HRESULT TBrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                       LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = nullptr;
    *document = nullptr;  // no document window between the object and the frame
    if (!window_) return E_FAIL;
    // The object covers the whole window it is hosted in.
    GetClientRect(window_, position);
    *clip = *position;
    info->cb = sizeof(OLEINPLACEFRAMEINFO);
    info->fMDIApp = FALSE;
    info->hwndFrame = FrameWindow();
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
}

HRESULT TBrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT TBrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT TBrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT TBrowserSite::DiscardUndoState() { return E_NOTIMPL; }
HRESULT TBrowserSite::DeactivateAndUndo() { return E_NOTIMPL; }
// The window decides the object's size: its own wishes are not followed.
HRESULT TBrowserSite::OnPosRectChange(LPCRECT) { return S_OK; }

// No tool space, menus or status bar to share: the frame is a plain window.
HRESULT TBrowserSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT TBrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT TBrowserSite::SetBorderSpace(LPCBORDERWIDTHS widths) { return widths ? OLE_E_INVALIDRECT : S_OK; }
// The object names its active part when it becomes active and none when it
// stops: the keys for the page go to that part first.
HRESULT TBrowserSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    active_ = window_ ? ComPtr<IOleInPlaceActiveObject>::Share(object) : nullptr;
    return S_OK;
}
HRESULT TBrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT TBrowserSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT TBrowserSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT TBrowserSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT TBrowserSite::EnableModeless(BOOL) { return S_OK; }
HRESULT TBrowserSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

}  // namespace dorvane
