#include <windows.h>

#include "platform/win32/Owners.h"
#include "platform/win32/Win32Platform.h"

namespace velmora::win32 {

std::optional<std::wstring> Win32Registry::ReadRegistryString(std::uint32_t rootKey,
                                                              const std::wstring& keyPath,
                                                              const std::wstring& valueName) {
    HKEY root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(rootKey));
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const UniqueKey key(opened);

    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The stored string may or may not carry its terminating NUL.
    value.resize(bytes / sizeof(wchar_t));
    const auto nul = value.find(L'\0');
    if (nul != std::wstring::npos) value.resize(nul);
    return value;
}

}  // namespace velmora::win32
