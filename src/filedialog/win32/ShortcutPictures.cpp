#include "filedialog/win32/ShortcutPictures.h"

namespace velmora::win32 {
namespace {

constexpr int kSize = 32;

void Frame(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    const RECT rect{left, top, right, bottom};
    const UniqueBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.get());
}

// A monitor showing a small desktop: two icons and a task strip.
void DrawDesktop(HDC dc) {
    FillBox(dc, 3, 4, 29, 23, RGB(64, 64, 72));      // casing
    FillBox(dc, 5, 6, 27, 21, RGB(0, 128, 128));     // screen
    FillBox(dc, 7, 8, 11, 12, RGB(255, 255, 255));   // icon
    FillBox(dc, 7, 14, 11, 18, RGB(255, 220, 64));   // folder icon
    FillBox(dc, 5, 19, 27, 21, RGB(192, 192, 192));  // task strip
    FillBox(dc, 6, 19, 10, 21, RGB(0, 160, 0));      // its button
    FillBox(dc, 13, 23, 19, 26, RGB(96, 96, 104));   // neck
    FillBox(dc, 9, 26, 23, 28, RGB(64, 64, 72));     // foot
    Frame(dc, 3, 4, 29, 23, RGB(0, 0, 0));
}

// An opened menu: a coloured band on the left and a column of entries with icons.
void DrawStartMenu(HDC dc) {
    FillBox(dc, 6, 2, 27, 30, RGB(255, 255, 255));
    FillBox(dc, 6, 2, 11, 30, RGB(0, 0, 160));
    static constexpr COLORREF kIcons[] = {RGB(220, 40, 40), RGB(255, 200, 0), RGB(0, 150, 0),
                                          RGB(40, 90, 230), RGB(150, 60, 180)};
    int top = 4;
    for (COLORREF icon : kIcons) {
        FillBox(dc, 13, top, 17, top + 4, icon);
        FillBox(dc, 19, top + 1, 25, top + 3, RGB(128, 128, 128));
        top += 5;
    }
    Frame(dc, 6, 2, 27, 30, RGB(0, 0, 0));
    // The arrow that says "opens from here".
    const POINT arrow[] = {{1, 26}, {5, 22}, {5, 30}};
    const UniqueBrush brush(CreateSolidBrush(RGB(0, 0, 0)));
    const SelectedObject selected(dc, brush.get());
    Polygon(dc, arrow, 3);
}

}  // namespace

UniqueBitmap DrawShortcutPicture(ShortcutPicture picture, COLORREF background) {
    const WindowDc screen;
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), kSize, kSize));
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!bitmap || !dc) return bitmap;
    // The bitmap must be out of the device context before the caller can use it.
    const SelectedObject selected(dc.get(), bitmap.get());
    FillBox(dc.get(), 0, 0, kSize, kSize, background);
    if (picture == ShortcutPicture::Desktop) {
        DrawDesktop(dc.get());
    } else {
        DrawStartMenu(dc.get());
    }
    return bitmap;
}

}  // namespace velmora::win32
