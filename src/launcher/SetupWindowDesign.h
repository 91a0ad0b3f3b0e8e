// The setup window as designed: its caption, its controls in tab order with their ids,
// texts, fonts and places, and the texts that its labels show. The controller reads the
// ids, the window is built from the table.
#pragma once

#include <array>
#include <string>

#include "Version.h"
#include "platform/WindowDesign.h"

namespace velmora::setup_design {

inline constexpr FontDesign kBoldFont{.bold = true};
inline constexpr FontDesign kHelpFont{.hundredthsOfPoint = 975};
inline constexpr FontDesign kLinkFont{.underline = true};
inline constexpr FontDesign kTitleFont{.hundredthsOfPoint = 975, .bold = true};

inline constexpr int kClientWidth = 7065;
inline constexpr int kClientHeight = 4005;

inline constexpr int kCommand1 = 101;  // "Close"
inline constexpr int kCommand3 = 103;  // imports both settings files
inline constexpr int kCommand4 = 104;  // desktop shortcuts
inline constexpr int kLabel1 = 105;    // help text
inline constexpr int kLabel2 = 106;    // web page link
inline constexpr int kPicture1 = 107;  // desktop shortcuts too
inline constexpr int kTitelLable = 108;
inline constexpr int kPatchBtnBar = 109;  // imports a button bar

inline constexpr wchar_t kVersion[] = L"" VELMORA_VERSION;
inline constexpr wchar_t kDesignCaption[] = L"Velmora - Total Commander mobile launcher";

inline std::wstring Caption() {
    return std::wstring(kDesignCaption) + L"  V." + kVersion;
}

// What TitelLable shows.
inline std::wstring Title() {
    return std::wstring(L"Velmora - TC-Mobile Launcher (V.") + kVersion + L")";
}

// What Label1 shows; a bare CR breaks the line, as in the program's messages. Label2
// shows the web page that the build sets.
inline constexpr wchar_t kHelpText[] =
    L"Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r"
    L"..for more infos: check the Web-page";

// The labels' texts here are replaced at run time. The directory list of the original
// window is left out: the discovery of Total Commander lists subdirectories without it.
inline constexpr std::array<ControlDesign, 8> kControls{{
    {.id = kCommand1,
     .kind = ControlKind::Button,
     .text = L"Close",
     .place = {240, 3240, 2655, 495},
     .font = kBoldFont},
    {.id = kCommand3,
     .kind = ControlKind::Button,
     .text = L" Import TC-Ini-Files >>",
     .place = {240, 1920, 2655, 495}},
    {.id = kCommand4,
     .kind = ControlKind::Button,
     .text = L"Create Destktop Shortcut >>",
     .place = {240, 2520, 2655, 495}},
    {.id = kLabel1,
     .kind = ControlKind::Label,
     .text = L"Label1",
     .place = {3120, 1560, 3735, 1215},
     .font = kHelpFont},
    {.id = kLabel2, .kind = ControlKind::Link, .place = {5040, 3600, 1710, 195}, .font = kLinkFont},
    {.id = kPicture1, .kind = ControlKind::Picture, .place = {120, 120, 1185, 1095}},
    {.id = kTitelLable,
     .kind = ControlKind::Label,
     .text = L"TitelLable",
     .place = {1080, 480, 5895, 375},
     .font = kTitleFont},
    {.id = kPatchBtnBar,
     .kind = ControlKind::Button,
     .text = L"Import Button Bar (*.bar)",
     .place = {240, 1320, 2655, 495},
     .toolTip = L"Patch a Button Bar to relative pathes (if possible)"},
}};

}  // namespace velmora::setup_design
