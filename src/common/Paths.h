// Path rules shared by the whole program. Paths are text here: nothing is looked up.
//
// Two ways to end a directory with a backslash differ on purpose in what they do with an
// empty directory: WithSeparator keeps it empty (a dialog or folder lookup that found no
// directory has none), DirectoryPrefix turns it into "\" (a name joined to it is then
// looked for in the root of the current drive, as the listing and the INI lookup do).
#pragma once

#include <string>

namespace velmora {

// The path with the separator it already uses appended (a backslash when it has both
// kinds, none when it has neither); a closing double quote stays last.
std::wstring PathWithSeparator(const std::wstring& path);

// The directory with a "\" appended unless it already ends in one; "" stays "".
std::wstring WithSeparator(const std::wstring& directory);

// The directory with a "\" appended unless it already ends in one; "" becomes "\".
std::wstring DirectoryPrefix(const std::wstring& directory);

// Two readings of "the name at the end of a path", which differ for a path without any
// separator: a file name (the whole path) or a last element behind a separator ("").
// The part after the last backslash or slash; the whole path when it has neither.
std::wstring GetFileNameFromPath(const std::wstring& path);
// The part after the last backslash or slash; "" when the path holds neither.
std::wstring LastPathPart(const std::wstring& path);

// The text before the last "\" (C:\Apps\TC -> C:\Apps, C:\ -> C:); unchanged without one.
std::wstring CutAtLastBackslash(const std::wstring& path);

// A path for a command line: trimmed, and in double quotes when it holds a blank and no
// quote yet. A blank path comes back as it was.
std::wstring QuotePath(const std::wstring& path);

}  // namespace velmora
