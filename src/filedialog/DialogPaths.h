// Small text rules of the file selection dialog: the values its set-up derives from the
// caller's arguments.
#pragma once

#include <string>

namespace velmora {

// "*." and the text behind the last "\" or "." of the name, whichever comes last:
// Default.bar -> *.bar, *.* -> *.*, C:\x\readme -> *.readme; "" when there is neither.
std::wstring ExtensionPattern(const std::wstring& name);

// The open dialog's caption: its own or the caller's, and the pattern of the default
// name in quotes behind four blanks when a default name was given.
std::wstring OpenDialogCaption(const std::wstring& WindowCaption, const std::wstring& DefaultFilename);

// The part after the last backslash or slash; "" when the path holds neither (a path
// without a separator names no element of a directory).
std::wstring LastPathPart(const std::wstring& path);

// The text before the last "\" (C:\Apps\TC -> C:\Apps, C:\ -> C:); unchanged without one.
std::wstring CutAtLastBackslash(const std::wstring& path);

// True when the name holds a wildcard ("*" or "?").
bool HasWildcard(const std::wstring& name);

// True when a typed name is a path of its own, which no directory goes before: it starts
// with a drive letter and a colon, or with two backslashes (a share).
bool IsFullPath(const std::wstring& name);

}  // namespace velmora
