#include "platform/win32/Dpi.h"

namespace velmora::win32 {

int ScreenDpi() {
    const WindowDc screen;
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

UniqueFont MakeFont(const FontDescription& font, int dpi) {
    // A negative height asks for the character height, as a point size means.
    const int height = -MulDiv(font.hundredthsOfPoint, dpi, 7200);
    return UniqueFont(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, font.face));
}

}  // namespace velmora::win32
