#include "driver/Files.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

#include "driver/Text.h"

namespace velmora::e2e {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct FindCloser {
    void operator()(HANDLE handle) const { FindClose(handle); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

[[noreturn]] void Fail(const std::string& what, const std::wstring& path) {
    throw std::runtime_error(what + " '" + ToUtf8(path) + "' (error " + std::to_string(GetLastError()) + ")");
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

}  // namespace

std::optional<std::string> ReadBytes(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

void WriteBytes(const std::wstring& path, std::string_view bytes) {
    FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        Fail("cannot create", path);
    }
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        Fail("cannot write", path);
    }
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeDirectories(const std::wstring& path) {
    if (path.empty() || DirectoryExists(path)) {
        return;
    }
    const size_t separator = path.find_last_of(L'\\');
    if (separator != std::wstring::npos && separator > 2) {
        MakeDirectories(path.substr(0, separator));
    }
    if (!CreateDirectoryW(path.c_str(), nullptr) && !DirectoryExists(path)) {
        Fail("cannot create directory", path);
    }
}

void RemoveContents(const std::wstring& directory, const std::wstring& keep) {
    std::wstring base = directory;
    if (base.back() != L'\\') {
        base += L'\\';
    }
    WIN32_FIND_DATAW entry;
    FindHandle find(FindFirstFileW((base + L"*").c_str(), &entry));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L".." || (!keep.empty() && lstrcmpiW(name.c_str(), keep.c_str()) == 0)) {
            continue;
        }
        const std::wstring path = base + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveContents(path);
            if (!RemoveDirectoryW(path.c_str())) {
                Fail("cannot remove directory", path);
            }
        } else {
            RemoveFile(path);
        }
    } while (FindNextFileW(find.get(), &entry));
}

void RemoveFile(const std::wstring& path) {
    if (!DeleteFileW(path.c_str()) && FileExists(path)) {
        Fail("cannot delete", path);
    }
}

void CopyFileTo(const std::wstring& source, const std::wstring& destination) {
    if (!CopyFileW(source.c_str(), destination.c_str(), FALSE)) {
        Fail("cannot copy '" + ToUtf8(source) + "' to", destination);
    }
}

std::wstring Environment(const std::wstring& name) {
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name.c_str(), value.data(), size));
    return value;
}

void SetEnvironment(const std::wstring& name, const std::wstring& value) {
    if (!SetEnvironmentVariableW(name.c_str(), value.c_str())) {
        Fail("cannot set environment variable", name);
    }
}

std::wstring ParentDirectory(const std::wstring& path) {
    const size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::wstring FileName(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring OwnDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return ParentDirectory(path);
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ScratchDirectory(const std::wstring& name) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring directory =
        std::wstring(temp, n) + L"velmora-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"\\" + name;
    MakeDirectories(directory);
    RemoveContents(directory);
    return directory;
}

}  // namespace velmora::e2e
