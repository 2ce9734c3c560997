#include "TabSheet.h"
#include "PageControl.h"

namespace dorvane {

TsuiTabSheet::TsuiTabSheet(TsuiPageControl& page_control, std::string name, const std::string& caption)
    : TContainer(page_control.Handle(), std::move(name), 0, 0, 0, 0), page_control_(&page_control) {
    // Hidden and disabled until the page control makes it the active page.
    SetVisible(false);
    if (Handle()) EnableWindow(Handle(), FALSE);
    TControl::SetCaption(caption);
    page_control_->InsertPage(*this);
}

TsuiTabSheet::~TsuiTabSheet() {
    if (page_control_) page_control_->RemovePage(*this);
}

void TsuiTabSheet::SetCaption(const std::string& text) {
    TControl::SetCaption(text);
    if (page_control_) page_control_->UpdateTab(*this);
}

int TsuiTabSheet::PageIndex() const { return page_control_ ? page_control_->IndexOf(this) : -1; }

}  // namespace dorvane
