// What the setup window must look like on every way into it.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::e2e {

inline constexpr wchar_t kSetupHelpText[] =
    L"Run this file from your TC dirctory.\r\n\r\nParameter for this screen: '/?'\r\n\r\n"
    L"..for more infos: check the Web-page";
inline constexpr wchar_t kWebLinkCaption[] = L"velmora.example.org/";
inline constexpr wchar_t kWebPage[] = L"https://velmora.example.org/";

// Control ids of the setup window.
inline constexpr int kCloseId = 101;
inline constexpr int kImportIniId = 103;
inline constexpr int kShortcutId = 104;
inline constexpr int kHelpTextId = 105;
inline constexpr int kWebLinkId = 106;
inline constexpr int kPictureId = 107;
inline constexpr int kTitleId = 108;
inline constexpr int kButtonBarId = 109;

// Checks the caption, the controls' texts and positions, the focus on "Close", the
// window's place in the middle of the screen and that it has no taskbar button.
void ExpectSetupWindow(HWND window);

}  // namespace velmora::e2e
