// Running a file: a program directly, a document with the program associated with its
// type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

// Runs `Datei` with its window shown as `Style` (0 hidden, 1 normal, ...). A `Datei`
// with a directory is cut down to its file name, the directory becoming the run
// directory; otherwise the current directory is. A name ending in .exe, .com or .bat, or
// shorter than four characters, is started itself, the current directory untouched.
// A document is opened with its associated program, started from the program's own
// directory; afterwards the run directory is the current directory. Paths with blanks
// are put in quotes, so that "C:\Program Files\x.exe" cannot start C:\Program.exe.
// The started process's id, or nothing when nothing was started; errors are not
// reported otherwise.
std::optional<std::uint32_t> FileRun(Platform& platform, std::wstring& Datei,
                                     int Style = ProcessEnvironment::kShowHidden);

}  // namespace velmora
