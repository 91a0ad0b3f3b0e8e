// Sequences that go on whatever one of their steps meets.
#pragma once

#include <exception>

namespace velmora {

// Runs one step of a sequence. A step that fails by an exception (memory running out on a
// very large file, say) is abandoned, and the caller goes on with its next one; false then.
template <typename Step>
bool TryStep(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace velmora
