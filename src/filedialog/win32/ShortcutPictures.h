// The 32 x 32 pictures of the dialog's two shortcut buttons, drawn for this program.
#pragma once

#include <windows.h>

namespace velmora::win32 {

enum class ShortcutPicture { Desktop, StartMenu };

// A new bitmap the caller owns, on the given background colour.
HBITMAP DrawShortcutPicture(ShortcutPicture picture, COLORREF background);

}  // namespace velmora::win32
