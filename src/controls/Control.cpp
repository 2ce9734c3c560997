#include "Control.h"
#include <algorithm>
#include <commctrl.h>
#include "ControlRouting.h"
#include "HandlerGuard.h"
#include "WindowClass.h"

namespace dorvane {
namespace {
constexpr char kControlProperty[] = "DorvaneControl";
constexpr char kContainerClass[] = "DorvaneContainer";

// Every control of the calling thread, in the order they were made: windows
// belong to the thread that makes them, and so do siblings.
std::vector<TControl*>& LiveControls() {
    thread_local std::vector<TControl*> live;
    return live;
}

HFONT InheritedFont(HWND parent) {
    HFONT font = parent ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
}  // namespace

void EnsureCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                  ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

const char* ContainerWindowClass() {
    // A container is a control like the native ones: its object subclasses
    // it right after creation, and until then it is a plain window. A Unicode
    // one: its caption is set in UTF-16 and must not pass through the ANSI
    // code page.
    static const bool registered = [] {
        WindowClassDesc desc;
        desc.name = kContainerClass;
        desc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        desc.arrow_cursor = true;
        desc.unicode = true;
        RegisterWindowClass(desc, DefWindowProcW);
        return true;
    }();
    (void)registered;
    return kContainerClass;
}

TControl::TControl(HWND parent, std::string name)
    : parent_(parent), name_(std::move(name)) {
    EnsureCommonControls();
    LiveControls().push_back(this);
}

TControl::~TControl() {
    auto& live = LiveControls();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (deferred_in_) {
        auto& waiting = deferred_in_->waiting_;
        waiting.erase(std::remove(waiting.begin(), waiting.end(), this), waiting.end());
    }
    // Controls still waiting inside this one never get a window now.
    for (TControl* child : waiting_) child->deferred_in_ = nullptr;
    // Detach first: the window's last messages must not reach a half-destroyed
    // object.
    HWND window = window_.release();
    if (window) {
        RemovePropA(window, kControlProperty);
        if (original_) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        if (IsWindow(window)) DestroyWindow(window);
    }
}

TControl* TControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<TControl*>(GetPropA(window, kControlProperty));
}

bool TControl::CreateHandle(const char* window_class, const std::string& text, DWORD style,
                            DWORD ex_style, int x, int y, int width, int height) {
    window_class_ = window_class;
    style_ = style | WS_CHILD;
    ex_style_ = ex_style;
    bounds_ = RECT{x, y, x + width, y + height};
    visible_ = (style & WS_VISIBLE) != 0;
    enabled_ = (style & WS_DISABLED) == 0;
    tab_stop_ = (style & WS_TABSTOP) != 0;
    if (!text.empty()) caption_ = text;
    // A copy of the parent's font: the parent may drop its own font later.
    SetFont(DescribeFont(InheritedFont(parent_)));
    if (!made_at_once_) {
        if (TControl* container = DeferringAncestor()) {
            deferred_in_ = container;
            container->waiting_.push_back(this);
            return false;
        }
    }
    return MakeWindow();
}

bool TControl::MakeWindow() {
    DWORD style = style_ & ~static_cast<DWORD>(WS_VISIBLE | WS_DISABLED | WS_TABSTOP);
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    if (tab_stop_) style |= WS_TABSTOP;
    making_ = true;
    HWND window = CreateWindowExA(ex_style_, window_class_.c_str(), "", style, bounds_.left, bounds_.top,
                                  bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, parent_, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) {
        making_ = false;
        return false;
    }
    window_.reset(window);
    SetPropA(window, kControlProperty, this);
    // A Unicode window: its 8-bit captions are turned into UTF-16 here, in the
    // code page of the control's font, so a text in another language's code
    // page shows right when the font carries that language's character set.
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::ControlProc)));
    if (font_) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (!caption_.empty()) SetWindowTextW(window, WidenText(caption_, CodePageOfFont(font_)).c_str());
    making_ = false;
    return true;
}

TControl* TControl::DeferringAncestor() const {
    HWND desktop = GetDesktopWindow();
    for (HWND w = parent_; w && w != desktop; w = GetAncestor(w, GA_PARENT)) {
        TControl* control = FromHandle(w);
        if (control && control->defers_children_) return control;
    }
    return nullptr;
}

void TControl::DeferChildWindows() { defers_children_ = true; }

void TControl::Realize() {
    if (!deferred_in_) return;
    deferred_in_ = nullptr;
    if (!MakeWindow()) return;
    HandleCreated();
}

void TControl::RealizeChildWindows() {
    defers_children_ = false;
    std::vector<TControl*> waiting;
    waiting.swap(waiting_);
    if (waiting.empty()) return;
    std::vector<HWND> parents;
    for (TControl* child : waiting) {
        child->Realize();
        if (std::find(parents.begin(), parents.end(), child->parent_) == parents.end())
            parents.push_back(child->parent_);
    }
    // Windows made now come after those made at once; the order they were
    // made in as objects is the tab order, so siblings are put back in it.
    for (HWND parent : parents) {
        HWND after = HWND_TOP;
        for (TControl* sibling : LiveControls()) {
            if (sibling->parent_ != parent || !sibling->Handle()) continue;
            SetWindowPos(sibling->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = sibling->Handle();
        }
    }
}

std::vector<TControl*> TControl::Siblings() const {
    std::vector<TControl*> siblings;
    for (TControl* control : LiveControls())
        if (control->parent_ == parent_) siblings.push_back(control);
    return siblings;
}

void TControl::Detach() {
    HWND window = window_.release();
    if (!window) return;
    RemovePropA(window, kControlProperty);
    if (original_) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

LRESULT TControl::CallOriginal(UINT msg, WPARAM wp, LPARAM lp) {
    HWND window = window_.get();
    if (!original_) return DefWindowProcW(window, msg, wp, lp);
    return CallWindowProcW(original_, window, msg, wp, lp);
}

LRESULT CALLBACK TControl::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    TControl* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // The window goes away under the object (its parent was destroyed):
        // the object lives on without a handle.
        WNDPROC original = self->original_;
        self->Detach();
        return original ? CallWindowProcW(original, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    if (RouteControlMessage(hwnd, msg, wp, lp, result)) return result;
    bool handled = false;
    GuardedCall([&] { handled = self->WndProc(msg, wp, lp, result); });
    if (handled) return result;
    return self->CallOriginal(msg, wp, lp);
}

bool TControl::WndProc(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool TControl::Notify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

std::wstring TControl::CaptionWide() const {
    if (!Handle()) return WidenText(caption_, CodePageOfFont(font_));
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(Handle(), text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string TControl::Caption() const {
    if (!Handle()) return caption_;
    return NarrowText(CaptionWide(), CodePageOfFont(font_));
}

void TControl::SetCaption(const std::string& text) {
    caption_ = text;
    if (Handle()) SetWindowTextW(Handle(), WidenText(text, CodePageOfFont(font_)).c_str());
}

void TControl::ReencodeCaption(UINT old_code_page) {
    // A caption the program set is 8-bit text: shown anew in the new font's
    // code page. Text the user typed is left as it is.
    if (caption_.empty() || old_code_page == CodePageOfFont(font_)) return;
    SetCaption(caption_);
}

bool TControl::Enabled() const { return Handle() ? IsWindowEnabled(Handle()) != FALSE : enabled_; }

void TControl::SetEnabled(bool enabled) {
    if (Enabled() == enabled) return;
    enabled_ = enabled;
    if (Handle()) EnableWindow(Handle(), enabled ? TRUE : FALSE);
    EnabledChanged();
}

bool TControl::Visible() const {
    if (!Handle()) return visible_;
    return (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (Handle()) ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

RECT TControl::Bounds() const {
    RECT r{};
    if (!Handle()) return bounds_;
    GetWindowRect(Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int TControl::Width() const {
    const RECT r = Bounds();
    return r.right - r.left;
}

int TControl::Height() const {
    const RECT r = Bounds();
    return r.bottom - r.top;
}

void TControl::SetBounds(int x, int y, int width, int height) {
    bounds_ = RECT{x, y, x + width, y + height};
    if (Handle()) MoveWindow(Handle(), x, y, width, height, TRUE);
}

void TControl::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
void TControl::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

void TControl::SetFocus() {
    // Whatever takes the focus is needed now.
    if (deferred_in_) deferred_in_->RealizeChildWindows();
    if (Handle()) ::SetFocus(Handle());
}

bool TControl::Focused() const { return Handle() && GetFocus() == Handle(); }

bool TControl::TabStop() const {
    if (!Handle()) return tab_stop_;
    return (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
}

void TControl::SetTabStop(bool tab_stop) {
    tab_stop_ = tab_stop;
    if (!Handle()) return;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = tab_stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void TControl::SetFont(HFONT font) {
    if (!font) return;
    const UINT old_code_page = CodePageOfFont(font_);
    font_ = font;
    if (Handle()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The old own font is released only once the window no longer uses it.
    own_font_object_.reset();
    FontChanged();
    ReencodeCaption(old_code_page);
}

bool TControl::SetFont(const FontDesc& desc) {
    SharedFont font = ShareFontFor(desc);
    if (!font) return false;
    HFONT handle = static_cast<HFONT>(font->get());
    const UINT old_code_page = CodePageOfFont(font_);
    font_ = handle;
    if (Handle()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    own_font_object_ = std::move(font);
    FontChanged();
    ReencodeCaption(old_code_page);
    return true;
}

bool TControl::ApplySharedFont(const FontDesc& desc) {
    if (own_font_) return false;
    FontDesc next = DescribeFont(font_);
    next.face = desc.face;
    next.height = desc.height;
    next.charset = desc.charset;
    return SetFont(next);
}

}  // namespace dorvane
