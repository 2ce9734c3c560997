// TsuiGroupBox: a container with the native group frame and caption around
// the controls created inside it (with the group box's Handle() as parent).
#pragma once
#include "Container.h"

namespace dorvane {

class TsuiGroupBox : public TContainer {
public:
    TsuiGroupBox(HWND parent, std::string name, int x, int y, int width, int height,
                 const std::string& caption = {});

    void SetCaption(const std::string& text) override;
    HWND FrameHandle() const { return frame_.get(); }

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void FontChanged() override;

private:
    WindowHandle frame_;
};

}  // namespace dorvane
