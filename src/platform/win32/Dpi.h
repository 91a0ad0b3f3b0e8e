// Sizes at the screen's DPI: twips (1/1440 inch) of a window's design and pixels of a
// picture drawn for 96 DPI.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// Dots per inch of the screen, vertically; 96 when the screen does not say.
int ScreenDpi();

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

inline int ScaledFrom96Dpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

}  // namespace velmora::win32
