// TForm2, the status overlay: a small borderless window in the bottom-right
// corner of the work area that shows while keyboard typing is locked. Black
// is its see-through colour, so only the picture shows.
#pragma once
#include <windows.h>
#include <memory>
#include "controls/BoundWindow.h"
#include "controls/Image.h"

namespace dorvane {

class TApplication;

class TForm2 {
public:
    explicit TForm2(TApplication& application);
    ~TForm2();
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    HWND Handle() const { return window_.get(); }
    bool Visible() const { return IsWindowVisible(window_.get()) != FALSE; }

    std::unique_ptr<TImage> Image1;

private:
    BoundWindow window_;
};

}  // namespace dorvane
