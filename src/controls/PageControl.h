// TsuiPageControl: a native tab strip over a stack of TsuiTabSheet pages.
// Exactly the active page is visible and enabled. The active page changes by
// a tab click or by code, and each real change raises OnChange once; no page
// is active until one is made active (so making the first page active at
// start raises OnChange too). A focus on the page that goes moves to the new
// page's first tab stop.
#pragma once
#include <functional>
#include <vector>
#include "Container.h"

namespace dorvane {

class TsuiTabSheet;

class TsuiPageControl : public TContainer {
public:
    TsuiPageControl(HWND parent, std::string name, int x, int y, int width, int height);
    ~TsuiPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TsuiTabSheet* Page(int index) const;
    int IndexOf(const TsuiTabSheet* page) const;

    // -1 while no page is active. An index out of range changes nothing.
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);
    TsuiTabSheet* ActivePage() const { return Page(active_); }
    void SetActivePage(TsuiTabSheet& page) { SetActivePageIndex(IndexOf(&page)); }

    // The area the pages fill, in the page control's client coordinates.
    RECT PageRect() const;
    HWND TabHandle() const { return tabs_.get(); }

    std::function<void()> OnChange;

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void FontChanged() override;

private:
    friend class TsuiTabSheet;
    void InsertPage(TsuiTabSheet& page);
    void RemovePage(TsuiTabSheet& page);
    void UpdateTab(TsuiTabSheet& page);
    void Activate(int index);
    void ShowActive();
    void FocusActivePage();
    void LayOut();

    WindowHandle tabs_;
    std::vector<TsuiTabSheet*> pages_;
    int active_ = -1;
};

}  // namespace dorvane
