// Starting a program with an exact command line, inside a job object, so that the test
// can tell when the program and everything it started have ended, and how many
// processes that was.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <type_traits>

#include "driver/Wait.h"

namespace velmora::e2e {

class Program {
public:
    // Starts `executable` with `commandLine` passed through untouched (blanks at the end
    // included) and `currentDirectory` as its working directory. Throws when it cannot.
    Program(const std::wstring& executable, const std::wstring& commandLine,
            const std::wstring& currentDirectory);
    // Ends whatever of the job still runs, so a failed test leaves nothing behind.
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return id_; }
    bool HasEnded() const;
    bool WaitForEnd(std::chrono::milliseconds timeout = kWaitTimeout) const;

    // Processes of the job: the program and everything started from it.
    DWORD ActiveProcesses() const;
    DWORD ProcessesStarted() const;
    bool WaitForAllProcessesToEnd(std::chrono::milliseconds timeout = kWaitTimeout) const;

private:
    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    using Handle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

    Handle job_;
    Handle process_;
    DWORD id_ = 0;
};

}  // namespace velmora::e2e
