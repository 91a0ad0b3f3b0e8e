// Sizes at the screen's DPI: twips (1/1440 inch) of a window's design, pixels of a
// picture drawn for 96 DPI, and fonts sized in points.
#pragma once

#include <windows.h>

#include "platform/win32/GdiObject.h"

namespace velmora::win32 {

// Dots per inch of the screen, vertically; 96 when the screen does not say.
int ScreenDpi();

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

inline int ScaledFrom96Dpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

struct FontDescription {
    const wchar_t* face;
    int hundredthsOfPoint;
    bool bold;
    bool underline;
};

UniqueFont MakeFont(const FontDescription& font, int dpi);

}  // namespace velmora::win32
