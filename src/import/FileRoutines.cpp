#include "import/FileRoutines.h"

#include "common/StringOps.h"
#include "common/WorkingFile.h"

namespace velmora {

std::wstring GetFileNameFromPath(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring GetSpecialFolderPath(Platform& platform, int csidl) {
    return platform.process.SpecialFolderPath(csidl);
}

bool FileCopyChecked(Platform& platform, const std::wstring& Source, const std::wstring& Destination,
                     bool Overwrite) {
    FileSystem& files = platform.files;
    if (Source.empty() || Destination.empty() || EqualsIgnoringCase(Source, Destination) ||
        !files.FileExists(Source)) {
        return false;
    }
    bool copied = false;
    if (files.FileExists(Destination)) {
        if (!Overwrite) return false;
        copied = ReplaceThroughWorkingFile(platform, Destination, [&](const std::wstring& working) {
            return files.CopyNewFile(Source, working);
        });
    } else {
        copied = files.CopyNewFile(Source, Destination);
    }
    return copied && files.FileExists(Source) && files.FileExists(Destination);
}

}  // namespace velmora
