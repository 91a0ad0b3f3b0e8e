// The 32 x 32 pictures of the dialog's two shortcut buttons, drawn for this program.
#pragma once

#include <windows.h>

#include "platform/win32/GdiObject.h"

namespace velmora::win32 {

enum class ShortcutPicture { Desktop, StartMenu };

// A new bitmap, on the given background colour.
UniqueBitmap DrawShortcutPicture(ShortcutPicture picture, COLORREF background);

}  // namespace velmora::win32
