// Owners for GDI objects and device contexts, and for an object selected into a device
// context: each is given back exactly once, none is copied.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velmora::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using UniqueFont = GdiObject<HFONT>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniquePen = GdiObject<HPEN>;
using UniqueBitmap = GdiObject<HBITMAP>;

// A memory device context of CreateCompatibleDC.
struct MemoryDcDeleter {
    void operator()(HDC dc) const {
        if (dc) DeleteDC(dc);
    }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// The device context of a window, or of the screen for none, released when this goes.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects `object` into `dc` until this goes, then selects back what was there: a device
// context must not hold an object when the object is deleted.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Paints the rectangle from (left, top) to (right, bottom) in one colour.
inline void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    const RECT rect{left, top, right, bottom};
    const UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

}  // namespace velmora::win32
