// Small text rules of the file selection dialog: the values its set-up derives from the
// caller's arguments, and how a directory is joined with a name.
#pragma once

#include <string>

namespace velmora {

// "*." and the text behind the last "\" or "." of the name, whichever comes last:
// Default.bar -> *.bar, *.* -> *.*, C:\x\readme -> *.readme; "" when there is neither.
std::wstring ExtensionPattern(const std::wstring& name);

// The text behind the last "\" or "/"; "" when the path holds neither.
std::wstring LastPathPart(const std::wstring& path);

// The text before the last "\" (C:\Apps\TC -> C:\Apps, C:\ -> C:); unchanged without one.
std::wstring CutAtLastBackslash(const std::wstring& path);

// The directory with a "\" appended unless it already ends in one; "" stays "".
std::wstring WithSeparator(const std::wstring& directory);

// The open dialog's caption: its own or the caller's, and the pattern of the default
// name in quotes behind four blanks when a default name was given.
std::wstring OpenDialogCaption(const std::wstring& WindowCaption, const std::wstring& DefaultFilename);

// True when the name holds a wildcard ("*" or "?").
bool HasWildcard(const std::wstring& name);

}  // namespace velmora
