#include "platform/win32/Dpi.h"

#include "platform/win32/GdiObject.h"

namespace velmora::win32 {

int ScreenDpi() {
    const WindowDc screen;
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

}  // namespace velmora::win32
