#include "filedialog/win32/DirectoryListDrawing.h"

#include <algorithm>
#include <string>

#include "platform/win32/Dpi.h"
#include "platform/win32/GdiObject.h"

namespace velmora::win32 {
namespace {

constexpr LPARAM kOpenFlag = 0x10000;

// A folder 16 x 12 (at 96 dpi) with its top-left corner at (x, y).
void DrawFolder(HDC dc, int x, int y, bool open, int dpi) {
    const auto s = [dpi](int pixels) { return ScaledFrom96Dpi(pixels, dpi); };
    const COLORREF back = RGB(214, 170, 40);
    const COLORREF front = RGB(255, 214, 80);
    FillBox(dc, x, y, x + s(6), y + s(2), back);  // the tab
    FillBox(dc, x, y + s(2), x + s(16), y + s(12), back);
    if (open) {
        // The front flap tilted down and away from the back.
        const POINT flap[] = {
            {x + s(3), y + s(5)}, {x + s(17), y + s(5)}, {x + s(14), y + s(12)}, {x, y + s(12)}};
        const UniqueBrush brush(CreateSolidBrush(front));
        const UniquePen pen(CreatePen(PS_SOLID, 1, RGB(120, 90, 0)));
        const SelectedObject brushSelected(dc, brush.get());
        const SelectedObject penSelected(dc, pen.get());
        Polygon(dc, flap, 4);
    } else {
        FillBox(dc, x + s(1), y + s(4), x + s(15), y + s(11), front);
    }
}

}  // namespace

LPARAM DirectoryRowData(int level, bool open) {
    return static_cast<LPARAM>(level) | (open ? kOpenFlag : 0);
}

int DirectoryRowHeight(int dpi, HFONT font) {
    TEXTMETRICW metrics{};
    {
        const WindowDc screen;
        const SelectedObject selected(screen.get(), font);
        GetTextMetricsW(screen.get(), &metrics);
    }
    return std::max<int>(metrics.tmHeight + ScaledFrom96Dpi(2, dpi), ScaledFrom96Dpi(16, dpi));
}

void DrawDirectoryRow(const DRAWITEMSTRUCT& item, int dpi) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const RECT& box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));

    const int level = static_cast<int>(item.itemData & 0xFFFF);
    const bool open = (item.itemData & kOpenFlag) != 0;
    const int height = box.bottom - box.top;
    const int folderLeft = box.left + ScaledFrom96Dpi(2, dpi) + level * ScaledFrom96Dpi(10, dpi);
    DrawFolder(dc, folderLeft, box.top + (height - ScaledFrom96Dpi(12, dpi)) / 2, open, dpi);

    const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length > 0)
        SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT textBox{folderLeft + ScaledFrom96Dpi(20, dpi), box.top,
                 folderLeft + ScaledFrom96Dpi(24, dpi) + extent.cx, box.bottom};
    if (selected) FillRect(dc, &textBox, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    textBox.left += ScaledFrom96Dpi(2, dpi);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &textBox);
}

}  // namespace velmora::win32
