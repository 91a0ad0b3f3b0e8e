// The file system on the real machine: one wide-character Win32 call (or a short,
// fixed sequence of them) for each primitive of the interface.
#include <windows.h>

#include <cwctype>

#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {
namespace {

// Writes every byte, however the system splits the writes. False on the first failure.
bool WriteAll(HANDLE file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

class MappedFile final : public FileView {
public:
    MappedFile(const void* view, std::size_t size) : view_(view), size_(size) {}
    ~MappedFile() override {
        if (view_) UnmapViewOfFile(view_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const override { return {static_cast<const char*>(view_), size_}; }

private:
    const void* view_;
    std::size_t size_;
};

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

std::optional<std::string> Win32FileSystem::ReadFileBytes(const std::wstring& path) {
    // Total Commander may hold its settings file open while the launcher reads it.
    const UniqueHandle file =
        OwnFileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;

    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::unique_ptr<FileView> Win32FileSystem::ViewFile(const std::wstring& path) {
    const UniqueHandle file =
        OwnFileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return nullptr;
    if (size.QuadPart == 0) return std::make_unique<MappedFile>(nullptr, 0);  // nothing to map
    // The view keeps the mapping alive; neither handle is needed once it exists.
    const UniqueHandle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    const void* view = mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (!view) return nullptr;
    return std::make_unique<MappedFile>(view, static_cast<std::size_t>(size.QuadPart));
}

bool Win32FileSystem::WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    // CREATE_NEW: whatever stands at the name is never emptied, hidden files included.
    const UniqueHandle file = OwnFileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAll(file.get(), bytes)) return false;
    // The data must be on the medium before the file takes the place of a settings file.
    return FlushFileBuffers(file.get()) != 0;
}

bool Win32FileSystem::AppendFileBytes(const std::wstring& path, std::string_view bytes) {
    // FILE_APPEND_DATA alone puts every write at the end of the file.
    const UniqueHandle file =
        OwnFileHandle(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.get(), bytes);
}

bool Win32FileSystem::FlushFile(const std::wstring& path) {
    const UniqueHandle file = OwnFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get()) != 0;
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != 0;
}

bool Win32FileSystem::Move(const std::wstring& source, const std::wstring& destination, MoveKind kind) {
    // Without MOVEFILE_REPLACE_EXISTING an existing destination makes the move fail; without
    // MOVEFILE_COPY_ALLOWED a move stays on its volume, where it is one step.
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (kind != MoveKind::ToNewName) flags |= MOVEFILE_REPLACE_EXISTING;
    if (kind != MoveKind::Replacing) flags |= MOVEFILE_COPY_ALLOWED;
    return MoveFileExW(source.c_str(), destination.c_str(), flags) != 0;
}

std::optional<std::uint32_t> Win32FileSystem::EntryAttributes(const std::wstring& path) {
    if (path.empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
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

std::optional<std::wstring> Win32FileSystem::ShortPathName(const std::wstring& path) {
    return PathForm(GetShortPathNameW, path);
}

std::optional<std::wstring> Win32FileSystem::LongPathName(const std::wstring& path) {
    return PathForm(GetLongPathNameW, path);
}

std::optional<std::vector<DirectoryEntry>> Win32FileSystem::FindEntries(const std::wstring& pattern) {
    WIN32_FIND_DATAW entry{};
    const UniqueFind find(
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
    if (find.get() == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<DirectoryEntry>();
        return std::nullopt;
    }
    std::vector<DirectoryEntry> entries;
    do {
        entries.push_back({entry.cFileName, entry.dwFileAttributes});
    } while (FindNextFileW(find.get(), &entry));
    return entries;
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

std::wstring Win32FileSystem::CurrentDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);
    }
}

bool Win32FileSystem::ChangeDirectory(const std::wstring& path) {
    const std::wstring current = CurrentDirectory();
    const auto onDrive = [](const std::wstring& at, wchar_t letter) {
        return at.size() >= 2 && at[1] == L':' && std::towupper(at[0]) == std::towupper(letter);
    };
    if (path.size() < 2 || path[1] != L':' || onDrive(current, path[0]))
        return SetCurrentDirectoryW(path.c_str()) != 0;
    // Another drive's own current directory is the variable "=E:" of the environment, where
    // "E:" alone is resolved.
    wchar_t full[MAX_PATH + 1];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH + 1, full, nullptr);
    if (length == 0 || length > MAX_PATH || !DirectoryExists(full)) return false;
    if (length > 3 && full[length - 1] == L'\\') full[length - 1] = L'\0';
    const wchar_t variable[] = {L'=', static_cast<wchar_t>(std::towupper(path[0])), L':', L'\0'};
    return SetEnvironmentVariableW(variable, full) != 0;
}

bool Win32FileSystem::ChangeDrive(wchar_t letter) {
    const auto directory = DriveCurrentDirectory(letter);
    return directory && SetCurrentDirectoryW(directory->c_str()) != 0;
}

}  // namespace velmora::win32
