#include "sysutil/FileDateMoveAndNames.h"

#include "common/StringOps.h"

namespace velmora {
namespace {

// The longest form that fits the 164-character buffer, its closing NUL included.
constexpr std::size_t kLongestPathForm = 163;

// Whether the path names a file of any attributes, the test a file object's creation
// makes: a search for exactly that name finds it, and it is no directory.
bool FileFound(FileSystem& files, const std::wstring& path) {
    if (path.find_first_of(L"*?") != std::wstring::npos) return false;
    const auto entries = files.FindEntries(path);
    return entries && entries->size() == 1 &&
           (entries->front().attributes & file_attributes::kDirectory) == 0;
}

std::wstring FormOrPath(const std::optional<std::wstring>& form, std::wstring path) {
    if (!form || form->empty() || form->size() > kLongestPathForm) return path;
    return *form;
}

}  // namespace

std::optional<LocalDateTime> getFileDate(Platform& platform, const std::wstring& FileName) {
    return platform.files.CreationTime(FileName);
}

FileMoveResult FileMove(Platform& platform, const std::wstring& Source, const std::wstring& Destination,
                        bool Overwrite) {
    FileSystem& files = platform.files;
    if (!FileFound(files, Source)) return FileMoveResult::Failed;
    // A name that differs in letter case only is the source itself, as for a copy.
    if (EqualsIgnoringCase(Source, Destination)) return FileMoveResult::NotMoved;
    if (files.FileExists(Destination)) {
        if (!Overwrite || !files.FileExists(Source)) return FileMoveResult::NotMoved;
        // One replacing move: the destination goes only when the source takes its place. A
        // read-only one is refused, as Windows refuses it.
        const auto attributes = files.EntryAttributes(Destination);
        if (!attributes || (*attributes & file_attributes::kReadOnly) ||
            !files.Move(Source, Destination, MoveKind::OverAcrossVolumes))
            return FileMoveResult::Failed;
    } else if (!files.Move(Source, Destination, MoveKind::ToNewName)) {
        return FileMoveResult::Failed;
    }
    return !files.FileExists(Source) && files.FileExists(Destination) ? FileMoveResult::Moved
                                                                      : FileMoveResult::NotMoved;
}

std::wstring FileGetShortFileName(Platform& platform, std::wstring Path) {
    const std::optional<std::wstring> form = platform.files.ShortPathName(Path);
    return FormOrPath(form, std::move(Path));
}

std::wstring FileGetLongFileName(Platform& platform, std::wstring Path) {
    std::optional<std::wstring> form = platform.files.LongPathName(Path);
    if (form) form = TrimBlanks(*form);
    return FormOrPath(form, std::move(Path));
}

}  // namespace velmora
