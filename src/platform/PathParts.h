// How a path is taken apart and put together: text only, nothing is looked up. Windows
// reads a backslash and a slash alike as a separator. It lives at the lowest layer
// because the file system's own listings join a directory and a pattern with it.
#pragma once

#include <string>

namespace velmora {

inline bool IsPathSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

inline bool EndsInSeparator(const std::wstring& path) {
    return !path.empty() && IsPathSeparator(path.back());
}

// The directory as the start of a path in it: a backslash appended unless it already ends
// in a separator. "" stays "", so that a name joined to it is taken in the current
// directory.
inline std::wstring WithSeparator(const std::wstring& directory) {
    return directory.empty() || EndsInSeparator(directory) ? directory : directory + L'\\';
}

inline std::wstring JoinPath(const std::wstring& directory, const std::wstring& name) {
    return WithSeparator(directory) + name;
}

// The part after the last separator; the whole path when it has none.
inline std::wstring FilePart(const std::wstring& path) {
    const auto last = path.find_last_of(L"\\/");
    return last == std::wstring::npos ? path : path.substr(last + 1);
}

// The part before the last separator (C:\Apps\TC -> C:\Apps, C:\TC -> C:); "" when the
// path has none.
inline std::wstring DirectoryPart(const std::wstring& path) {
    const auto last = path.find_last_of(L"\\/");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

}  // namespace velmora
