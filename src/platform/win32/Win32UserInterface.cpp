#include <windows.h>

#include "platform/win32/ModalLoop.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

MessageAnswer Win32UserInterface::ShowMessage(const Message& message) {
    UINT style = MB_SETFOREGROUND | MB_TASKMODAL;
    style |= message.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (message.icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case MessageIcon::Critical:
            style |= MB_ICONERROR;
            break;
    }
    const int answer = MessageBoxW(nullptr, message.text.c_str(), message.title.c_str(), style);
    // A window of the program that failed while the box was up has ended it: no answer counts.
    RethrowWindowFailure();
    if (answer == IDYES) return MessageAnswer::Yes;
    if (answer == IDOK) return MessageAnswer::Ok;
    return MessageAnswer::No;
}

void Win32UserInterface::SystemBeep() {
    MessageBeep(MB_OK);
}

void Win32UserInterface::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        // No message more once a window procedure has failed: what it left undone stays so.
        RethrowWindowFailure();
    }
}

}  // namespace velmora::win32
