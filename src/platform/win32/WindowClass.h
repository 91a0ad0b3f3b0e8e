// Registration of the program's window classes.
#pragma once

#include <windows.h>

namespace velmora::win32 {

struct WindowClassDesign {
    const wchar_t* name;
    WNDPROC procedure;
    int background;  // a system colour, COLOR_BTNFACE for example
    WORD icon = 0;   // the resource id of the big and the small icon; 0: the system's
};

// Registers the class unless this program already has it: a window built again for each
// showing registers its class once.
void RegisterWindowClass(HINSTANCE instance, const WindowClassDesign& design);

}  // namespace velmora::win32
