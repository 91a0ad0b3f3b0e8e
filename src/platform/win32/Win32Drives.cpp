// Drives and directory listings on the real system.
#include <windows.h>

#include "platform/win32/FileIo.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

bool Win32FileSystem::DirectoryExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::vector<std::wstring>> Win32FileSystem::ListFiles(const std::wstring& directory,
                                                                    const std::wstring& pattern) {
    const auto entries = SearchEntries(SearchDirectoryPrefix(directory) + pattern);
    if (!entries) return std::nullopt;
    std::vector<std::wstring> names;
    constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (const DirectoryEntry& entry : *entries) {
        if ((entry.attributes & kLeftOut) == 0) names.push_back(entry.name);
    }
    return names;
}

std::vector<DriveInfo> Win32FileSystem::ListDrives() {
    std::vector<DriveInfo> drives;
    const DWORD present = GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
        if ((present & (1u << index)) == 0) continue;
        DriveInfo drive;
        drive.letter = static_cast<wchar_t>(L'A' + index);
        const wchar_t root[] = {drive.letter, L':', L'\\', L'\0'};
        // Only drives that are there for good: asking a floppy or an empty card reader for
        // its label can take seconds.
        const UINT type = GetDriveTypeW(root);
        if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
            wchar_t label[MAX_PATH + 1] = {};
            if (GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
                drive.label = label;
            }
        }
        drives.push_back(drive);
    }
    return drives;
}

std::optional<std::wstring> Win32FileSystem::DriveCurrentDirectory(wchar_t letter) {
    const wchar_t drive[] = {letter, L':', L'\0'};
    wchar_t directory[MAX_PATH + 1];
    const DWORD length = GetFullPathNameW(drive, MAX_PATH + 1, directory, nullptr);
    if (length == 0 || length > MAX_PATH) return std::nullopt;
    if (DirectoryExists(directory)) return std::wstring(directory);
    // The remembered directory may be gone; the root still says whether the drive is readable.
    const std::wstring root{letter, L':', L'\\'};
    if (DirectoryExists(root)) return root;
    return std::nullopt;
}

}  // namespace velmora::win32
