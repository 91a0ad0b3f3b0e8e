#include <windows.h>

#include <cwctype>

#include "platform/win32/FileIo.h"
#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

bool Win32FileSystem::FileExists(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

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

namespace {

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

}  // namespace

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

std::optional<std::uint32_t> Win32FileSystem::EntryAttributes(const std::wstring& path) {
    if (path.empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32FileSystem::FlushFile(const std::wstring& path) {
    const UniqueHandle file = OwnFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get()) != 0;
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != 0;
}

bool Win32FileSystem::MoveReplacing(const std::wstring& replacement, const std::wstring& destination) {
    return MoveFileExW(replacement.c_str(), destination.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<std::vector<std::wstring>> Win32FileSystem::ListSubdirectories(const std::wstring& directory) {
    const auto entries = SearchEntries(SearchDirectoryPrefix(directory) + L"*");
    if (!entries) return std::nullopt;
    std::vector<std::wstring> names;
    for (const DirectoryEntry& entry : *entries) {
        if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && entry.name != L"." && entry.name != L"..") {
            names.push_back(entry.name);
        }
    }
    return names;
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
