// The font a control shows: either one the caller owns (a HFONT handed in) or
// one the control made from a face, a height and a character set and owns.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include "Handles.h"
// Captions are converted with WidenText/NarrowText in the font's code page.
#include "i18n/TextConvert.h"

namespace dorvane {

struct FontDesc {
    std::string face;
    int height = 0;  // logical units as CreateFont takes them; negative = character height
    BYTE charset = DEFAULT_CHARSET;
    bool bold = false;
    bool underline = false;

    bool operator==(const FontDesc&) const = default;
};

// The character height of a point size on the screen, as CreateFont wants it.
int FontHeightForPoints(int points);

// A new font as described; empty when the system refuses it.
GdiObject CreateFontFor(const FontDesc& desc);

// A font object shared by every control that shows the same description:
// a window of controls in one face holds one font, not one per control (and
// another per language applied). It is deleted when its last holder lets go.
using SharedFont = std::shared_ptr<const GdiObject>;
// Empty when the system refuses the font.
SharedFont ShareFontFor(const FontDesc& desc);

// What a font handle describes (face, height, charset, weight, underline).
FontDesc DescribeFont(HFONT font);

// The code page in which 8-bit text shown in a font of this character set
// is written: the system's ANSI code page for the ANSI and default sets,
// the set's own code page otherwise (949 for Hangeul, 950 for Big5, ...).
UINT CodePageOfCharset(BYTE charset);
UINT CodePageOfFont(HFONT font);

}  // namespace dorvane
