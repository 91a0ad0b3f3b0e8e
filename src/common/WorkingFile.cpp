#include "common/WorkingFile.h"

namespace velmora {
namespace {

using namespace file_attributes;

constexpr std::uint32_t kNeverReplaced = kReadOnly | kNotNormal;

// Removes the file at `path`, if any. False when something stays there (a directory, or
// a file the system would not remove).
bool ClearName(FileSystem& files, const std::wstring& path) {
    const auto attributes = files.EntryAttributes(path);
    if (!attributes) return true;
    if (*attributes & kDirectory) return false;
    return files.RemoveFile(path) && !files.EntryAttributes(path);
}

}  // namespace

std::wstring WorkingFileFor(const std::wstring& destination) {
    return destination + L"_temp2.txt";
}

std::wstring NewFileWorkingName(const std::wstring& destination) {
    return destination + L"_temp1.txt";
}

bool MayReplace(FileSystem& files, const std::wstring& path) {
    const auto attributes = files.EntryAttributes(path);
    return !attributes || (*attributes & kNeverReplaced) == 0;
}

bool ReplaceThroughWorkingFile(Platform& platform, const std::wstring& destination,
                               const std::function<bool(const std::wstring& working)>& produce) {
    FileSystem& files = platform.files;
    if (!MayReplace(files, destination)) return false;
    const bool replacing = files.EntryAttributes(destination).has_value();
    const std::wstring working = replacing ? WorkingFileFor(destination) : NewFileWorkingName(destination);
    if (!ClearName(files, working)) return false;
    // Only a flushed working file may take the place: after the move nothing is written.
    const bool placed =
        produce(working) && files.FlushFile(working) &&
        files.Move(working, destination, replacing ? MoveKind::Replacing : MoveKind::ToNewName);
    if (placed) return true;
    // A replacing move that removed the old file and then failed (a FAT rename is a removal
    // and a rename) leaves the complete working file as the only copy: it takes the place
    // now, or on the next start.
    if (replacing && !files.EntryAttributes(destination)) {
        RecoverInterruptedWrite(platform, destination);
        return files.EntryAttributes(destination).has_value();
    }
    ClearName(files, working);
    return false;
}

bool PutInPlace(Platform& platform, const std::wstring& destination, std::string_view bytes) {
    return ReplaceThroughWorkingFile(platform, destination, [&](const std::wstring& working) {
        return platform.files.WriteFileBytes(working, bytes);
    });
}

bool PutInPlace(Platform& platform, const std::wstring& destination, const std::vector<std::string>& pieces) {
    return ReplaceThroughWorkingFile(platform, destination, [&](const std::wstring& working) {
        if (!platform.files.WriteFileBytes(working, pieces.empty() ? std::string_view() : pieces[0]))
            return false;
        for (std::size_t i = 1; i < pieces.size(); ++i) {
            if (!platform.files.AppendFileBytes(working, pieces[i])) return false;
        }
        return true;
    });
}

void RecoverInterruptedWrite(Platform& platform, const std::wstring& destination) {
    FileSystem& files = platform.files;
    ClearName(files, NewFileWorkingName(destination));
    const std::wstring working = WorkingFileFor(destination);
    const auto attributes = files.EntryAttributes(working);
    if (!attributes || (*attributes & kDirectory)) return;
    // The program writes its working files without attributes; one that has some is not its own.
    if (!files.EntryAttributes(destination) && (*attributes & kNeverReplaced) == 0 &&
        files.Move(working, destination, MoveKind::ToNewName)) {
        return;
    }
    ClearName(files, working);
}

}  // namespace velmora
