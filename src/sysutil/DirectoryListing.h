// A recursive listing of the files under a directory, written into a text file: one line
// per file with its full path, in the order the directory search returns the entries,
// a subdirectory's files at the place of the subdirectory's own entry.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// Lists `Path` (given a trailing "\" when it has none) with the search pattern
// `SearchExtension` ("*.*" for everything; the pattern decides in every directory, so
// with "*.txt" only subdirectories whose names match it are entered). The target is
// emptied first unless `AppendTarget`; a directory without matches adds no line.
// Every directory is entered, whatever its other attributes, except "." and "..";
// every other entry is written as a line.
// `StopListing` is checked before each entry: the directory level that sees it set
// clears it and ends, the levels above it go on. Pending window messages are handled at
// each directory entry, so a window can set it.
// False when an error ended the listing: the target could not be prepared or written.
// The lines written until then stay in the target.
bool ReadDirctoryStructureToFile(Platform& platform, bool& StopListing, std::wstring& Path,
                                 const std::wstring& TargetTextFileName, const std::wstring& SearchExtension,
                                 bool AppendTarget);

}  // namespace velmora
