// The content rules of Windows' private-profile functions on an ANSI INI file, as pure
// functions of the file's bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace velmora::sim {

// What GetPrivateProfileString reports: the first matching key of the first matching
// section, blanks and one pair of surrounding quotes removed; empty when missing.
std::wstring ReadProfileValue(std::string_view file, std::wstring_view section, std::wstring_view key,
                              AnsiCodePage& codePage);

// The file's new content after WritePrivateProfileString. Every byte outside the changed
// value or the added lines stays as it was. Characters without an ANSI form are written
// as '?', as the system's conversion does.
std::string WriteProfileValue(std::string_view file, std::wstring_view section, std::wstring_view key,
                              std::wstring_view value, AnsiCodePage& codePage);

}  // namespace velmora::sim
