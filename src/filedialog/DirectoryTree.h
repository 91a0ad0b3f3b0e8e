// What the directory list shows for a path, as the classic directory list control does:
// the path's root and ancestors as open folders, the path itself as the last open folder,
// then the subdirectories of its last level as closed folders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

struct DirectoryRow {
    std::wstring name;  // the root with its separator ("E:\"), otherwise one directory name
    int level = 0;      // indentation: the root is 0
    bool open = false;  // an ancestor or the shown directory itself
    bool operator==(const DirectoryRow&) const = default;
};

// The absolute form of a directory path as the system would take it: "E:" and "E:x" are
// relative to E:'s own current directory, "\x" to the current drive's root, "x" to the
// current directory; "." and ".." are resolved, "/" counts as "\", and the result has no
// trailing separator except at a root (E:\). Nothing when a drive's current directory
// cannot be read.
std::optional<std::wstring> AbsoluteDirectoryPath(FileSystem& files, const std::wstring& path);

// Rows for an absolute directory path; `subdirectories` are sorted by name here.
std::vector<DirectoryRow> DirectoryRows(const std::wstring& directory,
                                        std::vector<std::wstring> subdirectories);

// The directory a row stands for; nothing for an index outside the rows.
std::optional<std::wstring> DirectoryOfRow(const std::vector<DirectoryRow>& rows, std::size_t index);

// Index of the row of the shown directory (the last open one).
std::size_t CurrentDirectoryRow(const std::vector<DirectoryRow>& rows);

}  // namespace velmora
