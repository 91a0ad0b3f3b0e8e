#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

std::wstring Win32ProfileStore::ReadValue(const std::wstring& section, const std::wstring& key,
                                          const std::wstring& file) {
    // The function cuts a value that does not fit and says so by filling the buffer;
    // a larger buffer is tried until the whole value has been read.
    constexpr DWORD kLargest = 1u << 20;
    for (DWORD size = 256;; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD length =
            GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(), size, file.c_str());
        if (length + 1 < size || size >= kLargest) {
            buffer.resize(length);
            return buffer;
        }
    }
}

bool Win32ProfileStore::WriteValue(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value, const std::wstring& file) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace velmora::win32
