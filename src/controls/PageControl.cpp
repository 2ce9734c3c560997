#include "PageControl.h"
#include <algorithm>
#include <commctrl.h>
#include "TabSheet.h"

namespace dorvane {

TsuiPageControl::TsuiPageControl(HWND parent, std::string name, int x, int y, int width, int height)
    : TContainer(parent, std::move(name), x, y, width, height, WS_TABSTOP) {
    if (!Handle()) return;
    tabs_.reset(CreateWindowExA(0, WC_TABCONTROLA, "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, width,
                                height, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
    FontChanged();
}

TsuiPageControl::~TsuiPageControl() {
    // Pages that outlive the page control keep no pointer to it.
    for (TsuiTabSheet* page : pages_) page->page_control_ = nullptr;
}

TsuiTabSheet* TsuiPageControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

int TsuiPageControl::IndexOf(const TsuiTabSheet* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

RECT TsuiPageControl::PageRect() const {
    // A fixed frame, not the strip's own idea of its display area: the pages'
    // controls are placed for a 575 x 260 page in a 581 x 285 control, and
    // that must hold whatever the tab font and the system's tab metrics.
    constexpr int kFrame = 3;
    constexpr int kStrip = 22;
    RECT r{};
    if (!Handle()) return r;
    GetClientRect(Handle(), &r);
    r.left += kFrame;
    r.top += kStrip;
    r.right -= kFrame;
    r.bottom -= kFrame;
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

void TsuiPageControl::InsertPage(TsuiTabSheet& page) {
    pages_.push_back(&page);
    if (tabs_) {
        std::wstring caption = page.CaptionWide();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs_.get(), TCM_INSERTITEMW, pages_.size() - 1, reinterpret_cast<LPARAM>(&item));
        // The strip selects its first tab by itself; no page is active yet.
        if (active_ < 0) SendMessageA(tabs_.get(), TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
        // The strip lies under the pages and clips them out.
        SetWindowPos(tabs_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    LayOut();
}

void TsuiPageControl::RemovePage(TsuiTabSheet& page) {
    const int index = IndexOf(&page);
    if (index < 0) return;
    pages_.erase(pages_.begin() + index);
    if (tabs_) SendMessageA(tabs_.get(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    // A page going away is not a page change: no event.
    if (index == active_) active_ = -1;
    else if (index < active_) --active_;
    if (tabs_) SendMessageA(tabs_.get(), TCM_SETCURSEL, static_cast<WPARAM>(active_), 0);
}

void TsuiPageControl::UpdateTab(TsuiTabSheet& page) {
    const int index = IndexOf(&page);
    if (index < 0 || !tabs_) return;
    // The sheet's caption in the code page of the sheet's own font.
    std::wstring caption = page.CaptionWide();
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_.get(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    LayOut();
}

void TsuiPageControl::SetActivePageIndex(int index) {
    if (index < -1 || index >= PageCount()) return;
    if (tabs_) SendMessageA(tabs_.get(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    Activate(index);
}

void TsuiPageControl::Activate(int index) {
    if (index == active_) return;
    active_ = index;
    ShowActive();
    if (OnChange) OnChange();
}

void TsuiPageControl::ShowActive() {
    // A control of a page going out of sight keeps the focus unless it is
    // moved: it would take the keys, and Tab would walk on through its page.
    const HWND focus = GetFocus();
    bool focus_leaves = false;
    // Show the new page before hiding the old one, so the area never flashes
    // empty; only the active page takes input.
    if (TsuiTabSheet* page = ActivePage()) {
        page->SetEnabled(true);
        page->SetVisible(true);
    }
    for (int i = 0; i < PageCount(); ++i) {
        if (i == active_) continue;
        TsuiTabSheet& page = *pages_[static_cast<size_t>(i)];
        if (focus && page.Handle() && IsChild(page.Handle(), focus)) focus_leaves = true;
        page.SetVisible(false);
        page.SetEnabled(false);
    }
    if (focus_leaves) FocusActivePage();
}

void TsuiPageControl::FocusActivePage() {
    // The new page's first tab stop, as a dialog box starts; the tab strip
    // when the page has none.
    TsuiTabSheet* page = ActivePage();
    HWND first = page && page->Handle() ? GetNextDlgTabItem(page->Handle(), nullptr, FALSE) : nullptr;
    if (!first || !IsChild(page->Handle(), first)) first = tabs_.get();
    if (first) ::SetFocus(first);
}

void TsuiPageControl::LayOut() {
    const RECT r = PageRect();
    for (TsuiTabSheet* page : pages_)
        page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TsuiPageControl::FontChanged() {
    if (tabs_) SendMessageA(tabs_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    LayOut();
}

bool TsuiPageControl::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_NOTIFY && tabs_) {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->hwndFrom == tabs_.get() && header->code == TCN_SELCHANGE) {
            Activate(static_cast<int>(SendMessageA(tabs_.get(), TCM_GETCURSEL, 0, 0)));
            result = 0;
            return true;
        }
    }
    if (msg == WM_SIZE && tabs_) {
        MoveWindow(tabs_.get(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        LayOut();
        return false;
    }
    return TContainer::WndProc(msg, wp, lp, result);
}

}  // namespace dorvane
