// TImage: a native static picture showing an icon or a bitmap it owns.
#pragma once
#include "Control.h"

namespace dorvane {

class TImage : public TControl {
public:
    TImage(HWND parent, std::string name, int x, int y, int width, int height);

    // The image takes the picture and releases the one it showed before.
    void SetIcon(IconHandle icon);
    void SetBitmap(GdiObject bitmap);
    void ClearPicture();

    HICON Icon() const { return icon_.get(); }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }

protected:
    void HandleCreated() override;

private:
    void SetStyleFor(DWORD kind);

    IconHandle icon_;
    GdiObject bitmap_;
};

}  // namespace dorvane
