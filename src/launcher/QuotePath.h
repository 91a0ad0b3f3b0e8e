#pragma once

#include <string>

namespace velmora {

// A path for Total Commander's command line: trimmed, and in double quotes when it holds
// a blank and no quote yet. A blank path comes back as it was.
std::wstring QuotePath(const std::wstring& path);

}  // namespace velmora
