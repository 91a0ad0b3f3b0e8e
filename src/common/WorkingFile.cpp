#include "common/WorkingFile.h"

namespace velmora {

std::wstring WorkingFileFor(const std::wstring& destination) {
    return destination + L"_temp2.txt";
}

bool ReplaceThroughWorkingFile(Platform& platform, const std::wstring& destination,
                               const std::function<bool(const std::wstring& working)>& produce) {
    FileSystem& files = platform.files;
    const std::wstring working = WorkingFileFor(destination);
    if (files.FileExists(working)) files.RemoveFile(working);
    if (produce(working) && files.MoveReplacing(working, destination)) return true;
    // A half-written or unmovable working file must not stay behind.
    if (files.FileExists(working)) files.RemoveFile(working);
    return false;
}

}  // namespace velmora
