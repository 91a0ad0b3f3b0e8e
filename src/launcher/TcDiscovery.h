// Finding Total Commander's directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

// The first immediate subdirectory of `start`, in order of name, that holds one of
// `executables`; its full path without trailing separator, or "" when none does.
// Nothing when `start` cannot be listed.
std::optional<std::wstring> FindTCDirectory(Platform& platform, const std::wstring& start,
                                            const std::vector<std::wstring>& executables);

}  // namespace velmora
