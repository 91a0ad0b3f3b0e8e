// Single values of INI files (Total Commander's settings format), through the system's
// private-profile functions.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// The value, or `defaultValue` when the file, section or key is missing or the value is
// empty. A missing file is created empty first when `createIfMissing` is set.
std::wstring ReadIniValue(Platform& platform, const std::wstring& section, const std::wstring& key,
                          const std::wstring& fileName, const std::wstring& defaultValue,
                          bool createIfMissing);

// Writes one key; a missing file is left alone unless `createIfMissing` is set.
// False when nothing was written.
bool WriteIniValue(Platform& platform, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value, const std::wstring& fileName, bool createIfMissing);

// Binds a name without a drive to the current directory when the file is there; the
// system would otherwise look for a bare name in the Windows directory.
std::wstring ResolveIniFilePath(Platform& platform, const std::wstring& fileName);

// Creates an empty file for a name that does not exist yet (callers test first).
void CreateEmptyFile(Platform& platform, const std::wstring& fileName);

}  // namespace velmora
