#include "sysutil/DirectoryListing.h"

#include "common/Paths.h"

namespace velmora {
namespace {

// A name the ANSI code page cannot hold is written with "?" for each such character,
// as the ANSI file functions would have reported it.
std::string AnsiLine(AnsiCodePage& codePage, const std::wstring& text) {
    if (const std::optional<std::string> whole = codePage.Encode(text)) return *whole + "\r\n";
    std::string bytes;
    for (wchar_t c : text) {
        const auto one = codePage.Encode(std::wstring(1, c));
        bytes += one ? *one : "?";
    }
    return bytes + "\r\n";
}

// Empties the target unless the listing appends to it; creates it when missing.
bool PrepareTarget(FileSystem& files, const std::wstring& target, bool append) {
    const bool exists = files.FileExists(target);
    if (exists && !append && !files.RemoveFile(target)) return false;
    if ((!exists || !append) && !files.WriteFileBytes(target, "")) return false;
    return true;
}

}  // namespace

bool ReadDirctoryStructureToFile(Platform& platform, bool& StopListing, std::wstring& Path,
                                 const std::wstring& TargetTextFileName, const std::wstring& SearchExtension,
                                 bool AppendTarget) {
    if (!PrepareTarget(platform.files, TargetTextFileName, AppendTarget)) return false;
    // The target counts as open from here to each close; what was written while it was
    // open reaches the file at the close. It is closed while a subdirectory is listed,
    // so the nested listing appends after this level's lines.
    std::string written;
    const auto close = [&] {
        const bool appended = platform.files.AppendFileBytes(TargetTextFileName, written);
        written.clear();
        return appended;
    };
    Path = EndingInBackslash(Path);

    // A directory that cannot be searched is listed as an empty one.
    const auto entries = platform.files.FindEntries(Path + SearchExtension);
    for (const DirectoryEntry& entry : entries.value_or(std::vector<DirectoryEntry>())) {
        if (StopListing) {
            StopListing = false;
            return close();
        }
        // The directory bit decides, whatever other bits (hidden, not indexed, a reparse
        // point) the entry carries.
        if (!(entry.attributes & file_attributes::kDirectory)) {
            written += AnsiLine(platform.codePage, Path + entry.name);
            continue;
        }
        platform.ui.ProcessPendingMessages();
        if (entry.name == L"." || entry.name == L"..") continue;
        if (!close()) return false;
        std::wstring subdirectory = Path + entry.name;
        if (!ReadDirctoryStructureToFile(platform, StopListing, subdirectory, TargetTextFileName,
                                         SearchExtension, true)) {
            return false;
        }
    }
    return close();
}

}  // namespace velmora
