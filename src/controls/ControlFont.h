// The font a control shows: either one the caller owns (a HFONT handed in) or
// one the control made from a face, a height and a character set and owns.
#pragma once
#include <windows.h>
#include <string>
#include "Handles.h"

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

// What a font handle describes (face, height, charset, weight, underline).
FontDesc DescribeFont(HFONT font);

}  // namespace dorvane
