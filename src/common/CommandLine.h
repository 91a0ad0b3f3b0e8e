#pragma once

#include <string>

namespace velmora {

// The command line after the program's own path (quoted or not) and the blanks that
// separate the two. Blanks at the end belong to the tail.
std::wstring CommandLineTailOf(const std::wstring& commandLine);

}  // namespace velmora
