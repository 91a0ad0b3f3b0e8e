// Opening a web page with the program Windows associates with ".html" files, and finding
// the program associated with any file. Windows only answers that question for a file
// that exists, so the lookups write small throw-away files into the root of the
// program's own drive and delete them again.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// Starts the ".html" program with the address as its argument, in a normal window; when
// none is found, or it cannot start, nothing happens and nothing is said.
void OpenWebPage(Platform& platform, const std::wstring& address);

// The full path of the program associated with the file, or "". A file name that does
// not exist is created empty for the lookup and deleted again; a file part starting
// with "*" ("*.txt") asks about its extension. When nothing is registered for the file
// itself, the program registered for its extension is looked up.
std::wstring GetAssociatedProgram(Platform& platform, const std::wstring& fileName);

// One question to the shell: the program that opens this existing file, or "".
std::wstring FindExecutablePath(Platform& platform, const std::wstring& fileName);

// The question shown for a file part that still holds a "*" after its first character.
Message InvalidCharactersQuestion(const std::wstring& programTitle, const std::wstring& filePart);

}  // namespace velmora
