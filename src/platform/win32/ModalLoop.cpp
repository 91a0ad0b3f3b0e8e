#include "platform/win32/ModalLoop.h"

namespace velmora::win32 {

void ModalLoop::Run(const HWND& window) {
    running_ = true;
    MSG message;
    while (window && IsWindowVisible(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    running_ = false;
}

void ModalLoop::Wake() const {
    if (running_) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

}  // namespace velmora::win32
