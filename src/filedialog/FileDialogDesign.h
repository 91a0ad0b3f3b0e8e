// The file selection window as designed: its controls in tab order with their ids, texts,
// fonts and places in the design state, which every showing starts from (each mode then
// moves a few, FileDialogLayout.h). The caption and the lists come from the dialog's model.
// No id is IDOK or IDCANCEL: Enter and Escape press no button.
#pragma once

#include <array>

#include "platform/WindowDesign.h"

namespace velmora::file_dialog_design {

inline constexpr int kDrive1 = 201;
inline constexpr int kDir1 = 202;
inline constexpr int kFileName = 203;
inline constexpr int kFile1 = 204;
inline constexpr int kFrame1 = 205;  // the shortcut bar
inline constexpr int kStartMenuButton = 206;
inline constexpr int kCommand1 = 207;  // the "Desktop" button
inline constexpr int kFrame2 = 208;    // the button bar
inline constexpr int kAbbruch = 209;
inline constexpr int kOk = 210;

// The client area in the design state.
inline constexpr int kClientWidth = 9225;
inline constexpr int kClientHeight = 5190;

inline constexpr FontDesign kBoldFont{.bold = true};

// The two shortcut buttons show pictures; their tips name them.
inline constexpr std::array<ControlDesign, 10> kControls{{
    {.id = kDrive1, .kind = ControlKind::DriveList, .place = {1110, 120, 4455, 315}},
    {.id = kDir1, .kind = ControlKind::DirectoryList, .place = {1080, 600, 4455, 3915}},
    {.id = kFileName, .kind = ControlKind::TextBox, .place = {5760, 120, 3375, 345}},
    {.id = kFile1, .kind = ControlKind::FileList, .place = {5760, 540, 3375, 3990}},
    {.id = kFrame1, .kind = ControlKind::WorkspaceFrame, .place = {0, 0, 735, 5175}},
    {.id = kStartMenuButton,
     .kind = ControlKind::PictureButton,
     .place = {120, 960, 495, 495},
     .container = kFrame1,
     .toolTip = L"Startmen\u00fc"},
    {.id = kCommand1,
     .kind = ControlKind::PictureButton,
     .place = {120, 240, 495, 495},
     .container = kFrame1,
     .toolTip = L"Desktop"},
    {.id = kFrame2, .kind = ControlKind::Frame, .place = {5760, 4680, 3615, 495}},
    {.id = kAbbruch,
     .kind = ControlKind::Button,
     .text = L"Abbruch",
     .place = {1800, 0, 1455, 375},
     .font = kBoldFont,
     .container = kFrame2},
    {.id = kOk,
     .kind = ControlKind::Button,
     .text = L"Ok",
     .place = {0, 0, 1455, 375},
     .font = kBoldFont,
     .container = kFrame2},
}};

}  // namespace velmora::file_dialog_design
