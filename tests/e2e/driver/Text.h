// Conversions between the wide strings of the Windows API and the UTF-8 bytes of
// record files and test output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::e2e {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// Splits at every occurrence of `separator`; n separators give n + 1 parts.
std::vector<std::wstring> Split(std::wstring_view text, wchar_t separator);

}  // namespace velmora::e2e
