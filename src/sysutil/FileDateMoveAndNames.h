// Small file utilities: a file's creation date, moving a file, and the short and long
// forms of a path. An error that ends an operation is handed back as a value the caller
// tests (an empty optional, FileMoveResult::Failed); nothing is thrown.
#pragma once

#include <optional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

// When the file was created, in local time; nothing (the error) for a missing file or a
// directory. Hidden and system files have a date like any other.
std::optional<LocalDateTime> getFileDate(Platform& platform, const std::wstring& FileName);

enum class FileMoveResult {
    Moved,     // the source has gone and the destination exists
    NotMoved,  // a destination was in the way, or the moved file is not seen as a normal file
    Failed,    // the error that ended it: no such source, or the file system refused
};

// Moves the file `Source` (hidden ones too) to `Destination`. An existing destination is
// replaced only when `Overwrite` is set and the source is a normal file, and then by the
// move itself: a move that fails leaves it. A destination that names the source in
// other letter case is not moved to.
FileMoveResult FileMove(Platform& platform, const std::wstring& Source, const std::wstring& Destination,
                        bool Overwrite);

// The short (8.3) and the long form of an existing path. `Path` comes back unchanged when
// the form cannot be had (no such path) or is longer than 163 characters, which the
// 164-character buffer of these utilities cannot hold.
std::wstring FileGetShortFileName(Platform& platform, std::wstring Path);
// Blanks around the long form are removed.
std::wstring FileGetLongFileName(Platform& platform, std::wstring Path);

}  // namespace velmora
