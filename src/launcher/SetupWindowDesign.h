// The setup window as designed: its caption, its controls in tab order, with their ids,
// texts, fonts and positions, and the texts that its labels show. Positions are in twips
// (1/1440 inch) and are scaled to the screen's DPI when the window is built. The view and
// the tests read this one header.
#pragma once

#include <array>
#include <string>

#include "Version.h"

namespace velmora::setup_design {

struct TwipsRect {
    int left, top, width, height;
};

enum class ControlKind { Button, Label, Link, Picture };

// MS Sans Serif in hundredths of a point: 8.25 pt is the window's default font.
struct FontDesign {
    int hundredthsOfPoint;
    bool bold;
    bool underline;
};
inline constexpr wchar_t kFontFace[] = L"MS Sans Serif";
inline constexpr FontDesign kDefaultFont{825, false, false};
inline constexpr FontDesign kBoldFont{825, true, false};
inline constexpr FontDesign kHelpFont{975, false, false};
inline constexpr FontDesign kLinkFont{825, false, true};
inline constexpr FontDesign kTitleFont{975, true, false};

struct ControlDesign {
    int id;
    const wchar_t* name;
    ControlKind kind;
    const wchar_t* text;  // labels get their texts at run time
    TwipsRect twips;
    FontDesign font;
};

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

inline constexpr wchar_t kPatchBtnBarToolTip[] = L"Patch a Button Bar to relative pathes (if possible)";

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

// The directory list of the original window is left out: the discovery of Total
// Commander lists subdirectories without it.
inline constexpr std::array<ControlDesign, 8> kControls{{
    {kCommand1, L"Command1", ControlKind::Button, L"Close", {240, 3240, 2655, 495}, kBoldFont},
    {kCommand3,
     L"Command3",
     ControlKind::Button,
     L" Import TC-Ini-Files >>",
     {240, 1920, 2655, 495},
     kDefaultFont},
    {kCommand4,
     L"Command4",
     ControlKind::Button,
     L"Create Destktop Shortcut >>",
     {240, 2520, 2655, 495},
     kDefaultFont},
    {kLabel1, L"Label1", ControlKind::Label, L"Label1", {3120, 1560, 3735, 1215}, kHelpFont},
    {kLabel2, L"Label2", ControlKind::Link, L"", {5040, 3600, 1710, 195}, kLinkFont},
    {kPicture1, L"Picture1", ControlKind::Picture, L"", {120, 120, 1185, 1095}, kDefaultFont},
    {kTitelLable, L"TitelLable", ControlKind::Label, L"TitelLable", {1080, 480, 5895, 375}, kTitleFont},
    {kPatchBtnBar,
     L"PatchBtnBar",
     ControlKind::Button,
     L"Import Button Bar (*.bar)",
     {240, 1320, 2655, 495},
     kDefaultFont},
}};

// The design text of the control with this id; "" for an id of none.
constexpr const wchar_t* DesignText(int id) {
    for (const ControlDesign& control : kControls) {
        if (control.id == id) return control.text;
    }
    return L"";
}

}  // namespace velmora::setup_design
