#include "Image.h"

namespace dorvane {

TImage::TImage(HWND parent, std::string name, int x, int y, int width, int height)
    : TControl(parent, std::move(name)) {
    CreateHandle("STATIC", "", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0, x, y,
                 width, height);
}

void TImage::SetStyleFor(DWORD kind) {
    if (!Handle()) return;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | kind;
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void TImage::HandleCreated() {
    // The window is made as an icon picture; a bitmap changes its kind.
    if (bitmap_) {
        SetStyleFor(SS_BITMAP);
        SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
    } else if (icon_) {
        SendMessageA(Handle(), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_.get()));
    }
}

void TImage::SetIcon(IconHandle icon) {
    SetStyleFor(SS_ICON);
    if (Handle()) SendMessageA(Handle(), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
    // Released only once the window shows the new picture.
    icon_ = std::move(icon);
    bitmap_.reset();
}

void TImage::SetBitmap(GdiObject bitmap) {
    SetStyleFor(SS_BITMAP);
    if (Handle()) SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    bitmap_ = std::move(bitmap);
    icon_.reset();
}

void TImage::ClearPicture() {
    if (Handle()) {
        SendMessageA(Handle(), STM_SETIMAGE, IMAGE_ICON, 0);
        SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
    }
    icon_.reset();
    bitmap_.reset();
}

}  // namespace dorvane
