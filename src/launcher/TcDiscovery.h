// Finding Total Commander's directory, and turning a directory into a file-name prefix.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

// The path with the separator it already uses appended (a backslash when it has both
// kinds, none when it has neither); a closing double quote stays last.
std::wstring PathWithSeparator(const std::wstring& path);

// The first immediate subdirectory of `start`, in order of name, that holds one of
// `executables`; its full path without trailing separator, or "" when none does.
// Nothing when `start` cannot be listed.
std::optional<std::wstring> FindTCDirectory(Platform& platform, const std::wstring& start,
                                            const std::vector<std::wstring>& executables);

}  // namespace velmora
