#include "filedialog/DirectoryTree.h"

#include <algorithm>
#include <cwctype>

#include "common/Paths.h"
#include "common/StringOps.h"
#include "filedialog/DialogPaths.h"

namespace velmora {
namespace {

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Splits an absolute path into its root ("E:\" or "\\server\share\") and the rest.
std::pair<std::wstring, std::wstring> SplitRoot(const std::wstring& path) {
    if (path.starts_with(L"\\\\")) {
        // The root ends with the path's fourth separator, the one behind the share's name.
        std::size_t end = 0;
        int separators = 0;
        for (; end < path.size() && separators < 4; ++end)
            separators += path[end] == L'\\';
        if (separators < 4) return {path + L'\\', {}};
        return {path.substr(0, end), path.substr(end)};
    }
    return {path.substr(0, 3), path.substr(std::min<std::size_t>(path.size(), 3))};
}

std::vector<std::wstring> Components(const std::wstring& rest) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const auto end = std::min(rest.find(L'\\', start), rest.size());
        const std::wstring part = rest.substr(start, end - start);
        if (part == L"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

std::wstring Join(const std::wstring& root, const std::vector<std::wstring>& parts) {
    std::wstring path = root;
    for (std::size_t i = 0; i < parts.size(); ++i)
        path += (i == 0 ? L"" : L"\\") + parts[i];
    return path;
}

}  // namespace

std::optional<std::wstring> AbsoluteDirectoryPath(FileSystem& files, const std::wstring& path) {
    std::wstring given = path;
    std::replace(given.begin(), given.end(), L'/', L'\\');
    if (given.empty()) return std::nullopt;

    std::wstring absolute;
    if (given.starts_with(L"\\\\")) {
        absolute = given;
    } else if (const auto drive = DriveLetterOf(given); drive && IsDriveLetter(*drive)) {
        // Rooted on its drive it is absolute already; otherwise it goes on from that drive's
        // current directory. The letter's case is set once, in the root below.
        const std::wstring rest = given.substr(2);
        if (rest.starts_with(L'\\')) {
            absolute = given;
        } else {
            const auto current = files.DriveCurrentDirectory(*drive);
            if (!current) return std::nullopt;
            absolute = JoinPath(*current, rest);
        }
    } else {
        const std::wstring current = files.CurrentDirectory();
        if (current.size() < 2) return std::nullopt;
        absolute = given[0] == L'\\' ? current.substr(0, 2) + given : JoinPath(current, given);
    }
    const auto [root, rest] = SplitRoot(absolute);
    // A drive's letter in upper case, as the system gives it back.
    std::wstring fixedRoot = root;
    if (DriveLetterOf(fixedRoot)) fixedRoot[0] = static_cast<wchar_t>(std::towupper(fixedRoot[0]));
    return Join(fixedRoot, Components(rest));
}

std::vector<DirectoryRow> DirectoryRows(const std::wstring& directory,
                                        std::vector<std::wstring> subdirectories) {
    const auto [root, rest] = SplitRoot(directory);
    std::vector<DirectoryRow> rows{{root, 0, true}};
    int level = 0;
    for (std::wstring& part : Components(rest))
        rows.push_back({std::move(part), ++level, true});
    std::sort(subdirectories.begin(), subdirectories.end(),
              [](const std::wstring& a, const std::wstring& b) { return LessIgnoringCase(a, b); });
    for (std::wstring& name : subdirectories)
        rows.push_back({std::move(name), level + 1, false});
    return rows;
}

std::size_t CurrentDirectoryRow(const std::vector<DirectoryRow>& rows) {
    // The open rows come first, the root always among them: the last of them.
    const auto closed = std::ranges::find_if(rows, [](const DirectoryRow& row) { return !row.open; });
    return static_cast<std::size_t>(closed - rows.begin()) - 1;
}

std::optional<std::wstring> DirectoryOfRow(const std::vector<DirectoryRow>& rows, std::size_t index) {
    if (index >= rows.size()) return std::nullopt;
    // An open row ends the path at itself; a closed one hangs below the last open row.
    const std::size_t lastOpen = rows[index].open ? index : CurrentDirectoryRow(rows);
    std::vector<std::wstring> parts;
    for (std::size_t i = 1; i <= lastOpen; ++i)
        parts.push_back(rows[i].name);
    if (!rows[index].open) parts.push_back(rows[index].name);
    return Join(rows[0].name, parts);
}

}  // namespace velmora
