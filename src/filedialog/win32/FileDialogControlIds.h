// Control ids of the file selection window, for the window itself and for the tests that
// drive it from outside. None is IDOK or IDCANCEL: Enter and Escape press no button.
#pragma once

namespace velmora::file_dialog_ids {

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

}  // namespace velmora::file_dialog_ids
