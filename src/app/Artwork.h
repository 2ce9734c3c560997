// The panel's pictures as the system shows them: icons and bitmaps.
#pragma once
#include <windows.h>
#include "app/Pictures.h"
#include "controls/Handles.h"

namespace dorvane {

// An icon of the picture: 32-bit colour with alpha where the system shows
// it, and a mask (alpha of half or more is opaque) where it does not.
IconHandle IconFromPicture(const Picture& picture);
// A bitmap of the picture over a solid background colour (for the overlay,
// whose black is see-through).
GdiObject BitmapFromPicture(const Picture& picture, uint32_t background_rgb);

}  // namespace dorvane
