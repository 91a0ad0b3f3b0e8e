// Polling for a condition with a deadline: the tests wait on what they can observe
// (a window, a process end), never for a fixed time.
#pragma once

#include <windows.h>

#include <chrono>

namespace velmora::e2e {

// How long one wait for a window or a process end may take before the test fails.
inline constexpr std::chrono::milliseconds kWaitTimeout{12000};

// Calls `condition` until it returns true or `timeout` has passed; true when it held.
template <typename Condition>
bool WaitUntil(Condition&& condition, std::chrono::milliseconds timeout = kWaitTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Sleep(5);
    }
}

}  // namespace velmora::e2e
