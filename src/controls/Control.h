// TControl: the base of every windowed control of the set. A control is a
// native child window created at (x, y, w, h) in a parent window, named with
// its layout name. The control subclasses its own window, so it sees its own
// messages, and it marks the window so that a parent can route the
// notifications the window sends back to the control object.
//
// How a form uses the set: create the controls with the form's window as
// their parent (containers such as TsuiPageControl, TsuiTabSheet and
// TsuiGroupBox route for their own children), and call RouteControlMessage
// first in the form's window procedure:
//
//     LRESULT result;
//     if (RouteControlMessage(hwnd, msg, wp, lp, result)) return result;
//
// A container may defer its children's windows (DeferChildWindows): a
// control made inside it then keeps its state in the object (caption,
// position, enabled, visible, tab stop, font and what the kind of control
// holds) and has no handle until RealizeChildWindows makes the windows, in
// the order the controls were made, from that state. A window nobody sees
// costs nothing that way until it is first needed.
//
// Events are std::function members named as the events are named. Events
// raised by a user action run inside a window procedure and are guarded
// (an escaping exception goes to the exception reporter); events raised by
// a setter run on the caller's stack, so an exception reaches the caller.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>
#include "ControlFont.h"
#include "Handles.h"

namespace dorvane {

class TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // The control object of a window made by this set, or nullptr.
    static TControl* FromHandle(HWND window);

    // Controls made inside this one from now on wait for their windows;
    // RealizeChildWindows makes the windows of all that wait (a control made
    // inside an already realized one gets its window at once).
    void DeferChildWindows();
    void RealizeChildWindows();
    // The controls whose parent window is this one's parent, in the order
    // they were made (this one included).
    std::vector<TControl*> Siblings() const;

    HWND Handle() const { return window_.get(); }
    const std::string& Name() const { return name_; }

    // The caption as 8-bit text in the code page of the control's font.
    std::string Caption() const;
    std::wstring CaptionWide() const;
    virtual void SetCaption(const std::string& text);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    // The control's own visible flag (the window may still be hidden by a
    // hidden parent).
    bool Visible() const;
    void SetVisible(bool visible);

    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const;
    int Height() const;
    // The rectangle in the parent's client coordinates.
    RECT Bounds() const;
    void SetBounds(int x, int y, int width, int height);
    void SetHeight(int height);
    void SetWidth(int width);

    void SetFocus();
    bool Focused() const;

    bool TabStop() const;
    void SetTabStop(bool tab_stop);

    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    // The font the window shows. A HFONT handed in stays the caller's; a
    // font made from a description is the control's own.
    HFONT Font() const { return font_; }
    void SetFont(HFONT font);
    bool SetFont(const FontDesc& desc);

    // A control whose font is its own keeps it when a font is applied to the
    // whole form (ApplySharedFont): by default controls take the shared font.
    bool OwnFont() const { return own_font_; }
    void SetOwnFont(bool own) { own_font_ = own; }
    // Sets face, height and character set and keeps the control's own style
    // (bold, underline); does nothing and returns false for an OwnFont control.
    bool ApplySharedFont(const FontDesc& desc);

protected:
    TControl(HWND parent, std::string name);

    // Records the window's class, style and place, and makes and subclasses
    // the window unless a container defers it. Returns false when there is
    // no window yet: deferred, or the system refused it (the control then
    // stays without a handle).
    bool CreateHandle(const char* window_class, const std::string& text, DWORD style,
                      DWORD ex_style, int x, int y, int width, int height);
    // A deferred window has just been made from the base state: the kind of
    // control applies what it keeps (items, ranges, checks, pictures).
    virtual void HandleCreated() {}
    // Containers are made at once, even inside a deferring container: the
    // controls made inside them need their window as a parent.
    void MakeWindowAtOnce() { made_at_once_ = true; }

    // A message to the control's own window. Return true when handled and
    // put the answer in result; otherwise the window's own procedure runs.
    virtual bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // A notification the window sent to its parent (WM_COMMAND, WM_NOTIFY,
    // WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*), routed back to the control.
    virtual bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    virtual void FontChanged() {}
    virtual void EnabledChanged() {}

    // The window procedure the control replaced.
    LRESULT CallOriginal(UINT msg, WPARAM wp, LPARAM lp);
    HWND ParentHandle() const { return parent_; }

private:
    friend bool RouteControlMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Detach();
    bool MakeWindow();
    void Realize();
    TControl* DeferringAncestor() const;

    HWND parent_;
    std::string name_;
    WindowHandle window_;
    void ReencodeCaption(UINT old_code_page);

    WNDPROC original_ = nullptr;
    std::string caption_;
    HFONT font_ = nullptr;
    SharedFont own_font_object_;
    bool own_font_ = false;
    intptr_t tag_ = 0;

    // The state a window is made from, and what a control without a window
    // answers with.
    std::string window_class_;
    DWORD style_ = 0;
    DWORD ex_style_ = 0;
    RECT bounds_{};
    bool visible_ = false;
    bool enabled_ = true;
    bool tab_stop_ = false;
    // Notifications the window sends while it is being made from the kept
    // state are not events.
    bool making_ = false;
    bool made_at_once_ = false;
    bool defers_children_ = false;
    TControl* deferred_in_ = nullptr;
    std::vector<TControl*> waiting_;
};

// The window class of the set's own container windows (pages, group boxes,
// the page control's frame): a plain window that routes its children's
// notifications to their control objects.
const char* ContainerWindowClass();

// Registers the common control classes once per process.
void EnsureCommonControls();

}  // namespace dorvane
