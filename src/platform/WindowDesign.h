// How the program's windows are described: each window has one design table of its
// controls, in tab order, with their ids, kinds, texts, fonts and places. Places are in
// twips (1/1440 inch) relative to the control's container and are scaled to the screen's
// DPI when the window is built (platform/win32/Controls.h builds every window's controls
// from its table). Portable: the core reads ids and places from the same tables.
#pragma once

namespace velmora {

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// MS Sans Serif, the one face of the windows, in hundredths of a point: 8.25 pt is the
// windows' default font.
struct FontDesign {
    int hundredthsOfPoint = 825;
    bool bold = false;
    bool underline = false;
    bool operator==(const FontDesign&) const = default;
};
inline constexpr wchar_t kFontFace[] = L"MS Sans Serif";

enum class ControlKind {
    Button,          // a push button with its text
    PictureButton,   // a push button that shows a picture the window gives it
    Label,           // text, wrapped at the control's width
    Link,            // one line of text that reports clicks, widened to its text
    Picture,         // drawn by the window; reports clicks
    DriveList,       // a list that drops down; its height is that of the closed box
    DirectoryList,   // a list whose rows the window draws
    FileList,        // a list of texts
    TextBox,         // one line of text to edit
    Frame,           // holds other controls; no border, no caption
    WorkspaceFrame,  // a frame in the colour of the application workspace
};

struct ControlDesign {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    const wchar_t* text = L"";
    TwipsRect place = {};
    FontDesign font = {};
    int container = 0;  // the id of the frame it stands in; 0: the window itself
    const wchar_t* toolTip = nullptr;
    bool visible = true;
};

}  // namespace velmora
