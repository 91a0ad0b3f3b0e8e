// The window procedure of a window that a C++ object owns: the object comes as the
// creation parameter and is bound to the window at WM_NCCREATE, every message goes to its
// handler, and the binding is cleared at WM_NCDESTROY. An exception of the handler stops
// here and goes to the modal loops (ModalLoop.h), which end and rethrow it.
#pragma once

#include <windows.h>

#include <exception>

#include "platform/win32/ModalLoop.h"

namespace velmora::win32 {

template <typename Owner>
LRESULT RouteToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HWND Owner::*handle,
                     LRESULT (Owner::*handler)(UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        owner->*handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (owner->*handle == window) owner->*handle = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return (owner->*handler)(message, wParam, lParam);
    } catch (...) {
        ReportWindowFailure(std::current_exception());
        return 0;
    }
}

}  // namespace velmora::win32
