// Totalcmd.exe for the launch benchmark: tells the timer it was started, then exits.
#include <windows.h>

#include "LaunchShared.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HANDLE started = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, velmora::bench::kStandInStarted);
    if (started != nullptr) {
        ReleaseSemaphore(started, 1, nullptr);
        CloseHandle(started);
    }
    return 0;
}
