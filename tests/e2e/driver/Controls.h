// The child controls of another process's window: where they are, which has the focus,
// and clicks on controls that are not buttons.
#pragma once

#include <windows.h>

namespace velmora::e2e {

// The control's rectangle in its parent's client coordinates.
RECT ControlRect(HWND control);

// The control that has the keyboard focus in the window's thread, or nullptr.
HWND FocusedControl(HWND window);

// Reports a click on a static control (a label with SS_NOTIFY, a picture) to its parent,
// as the control itself does.
void PostStaticClick(HWND control);

// Clicks the window's close box.
void PressCloseBox(HWND window);

}  // namespace velmora::e2e
