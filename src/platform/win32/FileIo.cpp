#include "platform/win32/FileIo.h"

#include "platform/win32/Owners.h"

namespace velmora::win32 {

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

std::wstring SearchDirectoryPrefix(const std::wstring& directory) {
    if (!directory.empty() && directory.back() != L'\\' && directory.back() != L'/') return directory + L'\\';
    return directory;
}

std::optional<std::vector<DirectoryEntry>> SearchEntries(const std::wstring& pattern) {
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

}  // namespace velmora::win32
