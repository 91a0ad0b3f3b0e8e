// Writing a file so that it is never lost or left half written, whatever interrupts the
// program: the new content is made complete under a working name beside it, flushed to
// the medium, and only then moved into its place.
//
// Two working names tell a finished working file from an unfinished one after an
// interruption. "<file>_temp2.txt" only ever replaces a file that exists: alone, it is
// complete (the file was removed to make room and the rename did not follow, as on FAT).
// "<file>_temp1.txt" makes a file that does not exist yet: left behind, it is unfinished.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

// The working file that replaces an existing `destination`: + "_temp2.txt".
std::wstring WorkingFileFor(const std::wstring& destination);
// The working file that makes a missing `destination`: + "_temp1.txt".
std::wstring NewFileWorkingName(const std::wstring& destination);

// True when the file at `path` may be replaced: it is not hidden, system or read-only,
// and no directory stands there.
[[nodiscard]] bool MayReplace(FileSystem& files, const std::wstring& path);

// Puts a file that `produce` makes under a working name in the place of `destination`,
// which is created when missing. A hidden, system or read-only destination is never
// touched; whatever file stands at the working name goes first (a directory there
// abandons the write). The destination keeps its old content unless the new one is
// complete, and no working file of this write survives.
[[nodiscard]] bool ReplaceThroughWorkingFile(Platform& platform, const std::wstring& destination,
                                             const std::function<bool(const std::wstring& working)>& produce);

// The same with the bytes to write.
[[nodiscard]] bool PutInPlace(Platform& platform, const std::wstring& destination, std::string_view bytes);
// The same with the bytes in pieces, written one after the other.
[[nodiscard]] bool PutInPlace(Platform& platform, const std::wstring& destination,
                              const std::vector<std::string>& pieces);

// Tidies what an interrupted write may have left beside `destination`: an unfinished new
// file goes, a lone complete replacement takes the destination's place, a stale one goes.
void RecoverInterruptedWrite(Platform& platform, const std::wstring& destination);

}  // namespace velmora
