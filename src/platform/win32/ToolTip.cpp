#include "platform/win32/ToolTip.h"

// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

namespace velmora::win32 {

void AddToolTips(HWND parent, std::span<const ToolTipText> tips) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};  // the tip window's class
    InitCommonControlsEx(&controls);
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, nullptr, nullptr);
    if (!tip) return;
    for (const ToolTipText& each : tips) {
        TTTOOLINFOW tool{};
        // The size that every version of the common controls takes, with or without a manifest.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(each.control);
        tool.lpszText = const_cast<wchar_t*>(each.text);
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace velmora::win32
