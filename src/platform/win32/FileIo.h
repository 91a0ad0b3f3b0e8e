// The two loops the real file system's calls share: writing a whole buffer to an open
// file, and walking the entries of a directory search.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace velmora::win32 {

// Writes every byte, however the system splits the writes. False on the first failure.
bool WriteAll(HANDLE file, std::string_view bytes);

// `directory` as the start of a search pattern: a backslash appended unless it ends in a
// separator; an empty one stays empty, so that the search looks in the current directory.
// (The core's path rules live in common/Paths.h, above this layer.)
std::wstring SearchDirectoryPrefix(const std::wstring& directory);

// The entries that match a search pattern ("E:\TC\*"), "." and ".." included where the
// system returns them; empty when nothing matches, nothing when the search failed.
std::optional<std::vector<DirectoryEntry>> SearchEntries(const std::wstring& pattern);

}  // namespace velmora::win32
