// Text rules shared by the simulated file system and profile files: Windows compares
// names without regard to case and ignores blanks around INI names and values.
#pragma once

#include <string>
#include <string_view>

namespace velmora::sim {

// Upper case as the file system compares names; covers ASCII and Latin-1, which is
// all the simulated code page can hold.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);

bool IsBlank(wchar_t c);

// Wildcard match as the file system does it: '*' any run, '?' one character, case ignored.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern);
std::wstring_view TrimBlanks(std::wstring_view text);

}  // namespace velmora::sim
