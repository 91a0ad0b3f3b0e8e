// The real file system's calls behind the file utilities of the Files object: directory
// searches with attributes, appending, creation times, moves and short/long path forms.
#include <windows.h>

#include "platform/win32/FileIo.h"
#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {
namespace {

// GetShortPathNameW and GetLongPathNameW: asked once for the size, then for the text.
using PathFormCall = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

std::optional<std::wstring> PathForm(PathFormCall call, const std::wstring& path) {
    const DWORD needed = call(path.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::wstring buffer(needed, L'\0');
    const DWORD length = call(path.c_str(), buffer.data(), needed);
    // The path may have changed between the two calls; then the text is not trusted.
    if (length == 0 || length >= needed) return std::nullopt;
    buffer.resize(length);
    return buffer;
}

}  // namespace

std::vector<DirectoryEntry> Win32FileSystem::FindEntries(const std::wstring& pattern) {
    return SearchEntries(pattern).value_or(std::vector<DirectoryEntry>());
}

bool Win32FileSystem::AppendFileBytes(const std::wstring& path, std::string_view bytes) {
    // FILE_APPEND_DATA alone puts every write at the end of the file.
    const UniqueHandle file =
        OwnFileHandle(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.get(), bytes);
}

std::optional<LocalDateTime> Win32FileSystem::CreationTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    // The time zone rules of the moment itself, so that a summer date reads as summer time.
    if (!FileTimeToSystemTime(&data.ftCreationTime, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return std::nullopt;
    }
    return LocalDateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

bool Win32FileSystem::MoveNewFile(const std::wstring& source, const std::wstring& destination) {
    // Without MOVEFILE_REPLACE_EXISTING an existing destination makes the move fail.
    return MoveFileExW(source.c_str(), destination.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) !=
           0;
}

bool Win32FileSystem::MoveOverFile(const std::wstring& source, const std::wstring& destination) {
    return MoveFileExW(source.c_str(), destination.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<std::wstring> Win32FileSystem::ShortPathName(const std::wstring& path) {
    return PathForm(GetShortPathNameW, path);
}

std::optional<std::wstring> Win32FileSystem::LongPathName(const std::wstring& path) {
    return PathForm(GetLongPathNameW, path);
}

}  // namespace velmora::win32
