#include "platform/win32/ModalLoop.h"

#include <utility>

namespace velmora::win32 {
namespace {

// Windows and their message queues belong to a thread; the program's all live on one.
std::exception_ptr pendingFailure;

}  // namespace

void ReportWindowFailure(std::exception_ptr failure) {
    // The first failure says what went wrong; later ones may only follow from it.
    if (!pendingFailure) pendingFailure = std::move(failure);
    PostQuitMessage(1);
}

void RethrowWindowFailure() {
    if (!pendingFailure) return;
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    std::rethrow_exception(std::exchange(pendingFailure, nullptr));
}

void ModalLoop::Run(const HWND& window) {
    running_ = true;
    MSG message;
    while (!pendingFailure && window && IsWindowVisible(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0 && !pendingFailure) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    running_ = false;
    RethrowWindowFailure();
}

void ModalLoop::Wake() const {
    if (running_) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

}  // namespace velmora::win32
