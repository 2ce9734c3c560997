// The container side of an embedded OLE object: the client site, the in-place
// site and the frame the object asks for, all one COM object over one window.
// The object holds references to it for as long as it likes, so the site is
// owned by its reference count; Detach cuts it loose from the window when the
// window's owner closes the object.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleidl.h>
#include <atomic>
#include "ComPtr.h"

namespace dorvane {

// IOleWindow is a base of both the in-place site and the frame, and each
// answers its own window: the site the window the object lives in, the frame
// the top-level window around it.
class TInPlaceSiteSide : public IOleInPlaceSite {
public:
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) final;

protected:
    virtual HWND SiteWindow() const noexcept = 0;
};

class TInPlaceFrameSide : public IOleInPlaceFrame {
public:
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) final;

protected:
    virtual HWND FrameWindow() const noexcept = 0;
};

class TBrowserSite final : public IOleClientSite, public TInPlaceSiteSide, public TInPlaceFrameSide {
public:
    explicit TBrowserSite(HWND window) noexcept : window_(window) {}

    // The window goes: the object is told no window from now on, and its
    // active part is let go (it holds the site: the two would keep each other).
    void Detach() noexcept {
        window_ = nullptr;
        active_.Reset();
    }
    // The object's active part, as it last named it; empty while none is.
    ComPtr<IOleInPlaceActiveObject> ActiveObject() const noexcept {
        return ComPtr<IOleInPlaceActiveObject>::Share(active_.Get());
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

    // IOleWindow, for the in-place site and the frame alike
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU descriptor, HWND object_window) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU shared) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg, WORD id) override;

protected:
    HWND SiteWindow() const noexcept override { return window_; }
    HWND FrameWindow() const noexcept override;

private:
    ~TBrowserSite() = default;
    std::atomic<ULONG> refs_{1};
    HWND window_;
    ComPtr<IOleInPlaceActiveObject> active_;
};

}  // namespace dorvane
