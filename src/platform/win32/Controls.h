// What every window of the program is built with: its controls made from its design table
// (platform/WindowDesign.h), its fonts made once, its size in twips and its place in the
// middle of the screen.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "platform/WindowDesign.h"
#include "platform/win32/GdiObject.h"

namespace velmora::win32 {

// The fonts of one window at one DPI, each made once and kept while the window lives.
class FontCache {
public:
    explicit FontCache(int dpi) : dpi_(dpi) {}
    int Dpi() const { return dpi_; }
    HFONT For(const FontDesign& design);

private:
    struct Entry {
        FontDesign design;
        UniqueFont font;
    };
    int dpi_;
    std::vector<Entry> fonts_;
};

// Creates the controls of `design` in `window` in the table's order, which is their tab
// order: each in its container (which comes before it), at its place at the fonts' DPI,
// with its text, font and tool tip. Gives back their handles in the table's order.
std::vector<HWND> CreateControls(HWND window, std::span<const ControlDesign> design, FontCache& fonts);

// Moves the control to `place` at `dpi`.
void PlaceControl(HWND control, ControlKind kind, const TwipsRect& place, int dpi);

// Gives `window` a size in twips at `dpi`: that of its client area, or with `outer` that
// of the whole window, frame and caption included.
void SizeWindow(HWND window, int width, int height, bool outer, int dpi);

// Moves `window` to the middle of the screen.
void CentreOnScreen(HWND window);

}  // namespace velmora::win32
