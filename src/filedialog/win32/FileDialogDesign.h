// The file selection window as designed: its control ids, the texts of its buttons and
// tool tips, and its font, for the window itself and for the tests that drive it from
// outside. The caption and the lists come from the dialog's model. No id is IDOK or
// IDCANCEL: Enter and Escape press no button.
#pragma once

namespace velmora::file_dialog_design {

inline constexpr int kDrive1 = 201;
inline constexpr int kDir1 = 202;
inline constexpr int kFileName = 203;
inline constexpr int kFile1 = 204;
inline constexpr int kFrame1 = 205;
inline constexpr int kStartMenuButton = 206;
inline constexpr int kCommand1 = 207;  // the "Desktop" button
inline constexpr int kFrame2 = 208;
inline constexpr int kAbbruch = 209;
inline constexpr int kOk = 210;

inline constexpr wchar_t kAbbruchText[] = L"Abbruch";
inline constexpr wchar_t kOkText[] = L"Ok";
// The two shortcut buttons show pictures; their tips name them.
inline constexpr wchar_t kCommand1ToolTip[] = L"Desktop";
inline constexpr wchar_t kStartMenuToolTip[] = L"Startmen\u00fc";

// MS Sans Serif at 8.25 points; the Abbruch and Ok buttons in bold.
inline constexpr wchar_t kFontFace[] = L"MS Sans Serif";
inline constexpr int kFontHundredthsOfPoint = 825;

}  // namespace velmora::file_dialog_design
