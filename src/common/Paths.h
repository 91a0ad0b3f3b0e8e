// Path rules shared by the whole program. Paths are text here: nothing is looked up. The
// elementary parts (separator, join, directory and file part) are in platform/PathParts.h.
#pragma once

#include <optional>
#include <string>

#include "platform/PathParts.h"

namespace velmora {

// The path with the separator it already uses appended (a backslash when it has both
// kinds, none when it has neither); a closing double quote stays last.
std::wstring PathWithSeparator(const std::wstring& path);

// The text with a "\" appended unless it already ends in one, a slash counting for none:
// "" becomes "\", so that a name joined to it is looked for in the root of the current
// drive. The rule of the directory listing, the run directory and the INI lookup.
std::wstring EndingInBackslash(const std::wstring& text);

// The part after the last backslash or slash; the whole path when it has neither.
inline std::wstring GetFileNameFromPath(const std::wstring& path) {
    return FilePart(path);
}

// The drive letter of a path that starts with one and a colon ("E:\TC", "E:"); none for a
// path on a share, or a relative one.
std::optional<wchar_t> DriveLetterOf(const std::wstring& path);

// A path for a command line: trimmed, and in double quotes when it holds a blank and no
// quote yet. A blank path comes back as it was.
std::wstring QuotePath(const std::wstring& path);

}  // namespace velmora
