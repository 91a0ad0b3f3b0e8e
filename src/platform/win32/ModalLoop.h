// The message loop that runs while one of the program's windows is shown modally, and
// what becomes of an exception in a window procedure. Such an exception must not unwind
// through the system's frames (the 32-bit build cannot): the procedure reports it, which
// ends every modal loop (the quit that it posts also ends the system's own, a message
// box's), and the loop that showed the window rethrows it to the code that showed it.
#pragma once

#include <windows.h>

#include <exception>

namespace velmora::win32 {

// Keeps the first failure until it is rethrown and ends the running modal loops.
void ReportWindowFailure(std::exception_ptr failure);

// Rethrows the failure reported on the way here, if any, and takes back the quit that
// ended the loops: nothing of it is left for a later loop.
void RethrowWindowFailure();

class ModalLoop {
public:
    ModalLoop() = default;
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Takes the thread's messages while `window` is shown, giving the window its dialog
    // keys (Tab, arrows, Enter) first. `window` is read again for each message, as the
    // window's owner clears it when the window goes. A WM_QUIT ends the loop and is
    // posted again for the loop that owns the quit. A failure of a window procedure ends
    // the loop too, and is rethrown from here.
    void Run(const HWND& window);

    // Makes the running loop look at its window again. A sent message (not a posted one)
    // may end the showing; GetMessage would then go on waiting for the next posted
    // message before the loop sees that it is over.
    void Wake() const;

private:
    bool running_ = false;
};

}  // namespace velmora::win32
