#include "import/FileCopyChecked.h"

#include "common/StringOps.h"
#include "common/WorkingFile.h"

namespace velmora {

std::wstring GetSpecialFolderPath(Platform& platform, int csidl) {
    return platform.process.SpecialFolderPath(csidl);
}

bool FileCopyChecked(Platform& platform, const std::wstring& Source, const std::wstring& Destination,
                     bool Overwrite) {
    FileSystem& files = platform.files;
    if (Destination.empty()) return false;  // nothing is written, not even a working file
    if (EqualsIgnoringCase(Source, Destination) || !files.FileExists(Source)) return false;
    if (files.FileExists(Destination) && !Overwrite) return false;
    // Byte for byte through a working file: the copy takes none of the source's attributes.
    const auto bytes = files.ReadFileBytes(Source);
    return bytes && PutInPlace(platform, Destination, *bytes) && files.FileExists(Source) &&
           files.FileExists(Destination);
}

}  // namespace velmora
