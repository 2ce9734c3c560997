// TsuiTabSheet: one page of a TsuiPageControl. The sheet adds itself to the
// page control at the end and leaves it when destroyed; its caption is the
// tab's text. Controls of the page are created with the sheet's Handle() as
// their parent.
#pragma once
#include "Container.h"

namespace dorvane {

class TsuiPageControl;

class TsuiTabSheet : public TContainer {
public:
    TsuiTabSheet(TsuiPageControl& page_control, std::string name, const std::string& caption = {});
    ~TsuiTabSheet() override;

    void SetCaption(const std::string& text) override;
    // The sheet's place in its page control, -1 once the page control is gone.
    int PageIndex() const;
    TsuiPageControl* PageControl() const { return page_control_; }

private:
    friend class TsuiPageControl;
    TsuiPageControl* page_control_;
};

}  // namespace dorvane
