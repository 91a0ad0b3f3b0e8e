#include "platform/win32/WindowClass.h"

namespace velmora::win32 {
namespace {

HICON LoadIconSized(HINSTANCE instance, WORD icon, int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                         LR_DEFAULTCOLOR));
}

}  // namespace

void RegisterWindowClass(HINSTANCE instance, const WindowClassDesign& design) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    WNDCLASSEXW registered = windowClass;
    if (GetClassInfoExW(instance, design.name, &registered)) return;

    windowClass.lpfnWndProc = design.procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A system colour's index plus one stands for its brush.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(design.background + 1));
    windowClass.lpszClassName = design.name;
    if (design.icon) {
        windowClass.hIcon = LoadIconSized(instance, design.icon, SM_CXICON, SM_CYICON);
        windowClass.hIconSm = LoadIconSized(instance, design.icon, SM_CXSMICON, SM_CYSMICON);
    }
    RegisterClassExW(&windowClass);
}

}  // namespace velmora::win32
