// Building the setup window's controls from the design table: DPI-scaled positions,
// the fonts and the picture.
#pragma once

#include <windows.h>

#include <vector>

#include "launcher/SetupWindowDesign.h"
#include "platform/win32/GdiObject.h"

namespace velmora::win32 {

// The fonts of one window, each made once for the screen's DPI.
class SetupFonts {
public:
    explicit SetupFonts(int dpi) : dpi_(dpi) {}
    HFONT For(const setup_design::FontDesign& design);

private:
    struct Entry {
        setup_design::FontDesign design;
        UniqueFont font;
    };
    int dpi_;
    std::vector<Entry> fonts_;
};

// Creates the control as a child of `parent`, at its design position scaled to `dpi`.
HWND CreateControl(HWND parent, const setup_design::ControlDesign& design, const std::wstring& text,
                   HFONT font, int dpi);

// Draws the picture into the owner-drawn picture control, scaled to `dpi` from its
// 96-DPI size, on the window's background.
void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP picture, int dpi);

}  // namespace velmora::win32
