// Small string routines shared by the whole program. Upper case means ASCII upper case:
// letters outside ASCII are compared as they are, which is safe for every ANSI code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

std::wstring TrimBlanks(std::wstring_view text);
std::string UpperAscii(std::string_view text);
void UpperAsciiInPlace(std::string& text);
void UpperAsciiInPlace(char* text, std::size_t size);
std::wstring UpperAscii(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
// Ordering of file names as a directory list shows them: by name, regardless of case.
bool LessIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace velmora
