// Waiting on a condition under Wine, where a program's start or window can take seconds on a
// loaded machine.
#pragma once

#include <windows.h>

#include <chrono>

namespace velmora {

// Calls `condition` until it holds or 60 s have passed; true when it held. Only a failing
// wait lasts that long.
inline bool WaitUntil(auto&& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (; !condition(); Sleep(5))
        if (std::chrono::steady_clock::now() > deadline) return false;
    return true;
}

}  // namespace velmora
