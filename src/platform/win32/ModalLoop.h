// The message loop that runs while one of the program's windows is shown modally.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class ModalLoop {
public:
    ModalLoop() = default;
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Takes the thread's messages while `window` is shown, giving the window its dialog
    // keys (Tab, arrows, Enter) first. `window` is read again for each message, as the
    // window's owner clears it when the window goes. A WM_QUIT ends the loop and is
    // posted again for the loop that owns the quit.
    void Run(const HWND& window);

    // Makes the running loop look at its window again. A sent message (not a posted one)
    // may end the showing; GetMessage would then go on waiting for the next posted
    // message before the loop sees that it is over.
    void Wake() const;

private:
    bool running_ = false;
};

}  // namespace velmora::win32
