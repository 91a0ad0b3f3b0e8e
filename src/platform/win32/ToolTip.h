// Tool tips: a short text shown while the mouse rests on a control.
#pragma once

#include <windows.h>

#include <span>

namespace velmora::win32 {

struct ToolTipText {
    HWND control;
    const wchar_t* text;
};

// Gives each control of `parent` its tip. The tips share one tip window, which `parent`
// owns and so destroys with itself.
void AddToolTips(HWND parent, std::span<const ToolTipText> tips);

}  // namespace velmora::win32
