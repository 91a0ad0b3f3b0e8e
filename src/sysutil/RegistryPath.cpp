#include "sysutil/RegistryPath.h"

#include <array>
#include <utility>

#include "common/StringOps.h"

namespace velmora {

std::optional<std::uint32_t> RegistryRootKey(const std::wstring& rootName) {
    static constexpr std::array<std::pair<const wchar_t*, std::uint32_t>, 7> kRoots{{
        {L"HKEY_CLASSES_ROOT", 0x80000000u},
        {L"HKEY_CURRENT_USER", 0x80000001u},
        {L"HKEY_LOCAL_MACHINE", 0x80000002u},
        {L"HKEY_USERS", 0x80000003u},
        {L"HKEY_PERFORMANCE_DATA", 0x80000004u},
        {L"HKEY_CURRENT_CONFIG", 0x80000005u},
        {L"HKEY_DYN_DATA", 0x80000006u},
    }};
    const std::wstring upper = UpperAscii(rootName);
    for (const auto& [name, key] : kRoots) {
        if (upper == name) return key;
    }
    return std::nullopt;
}

std::wstring ReadRegistryString(Registry& registry, std::uint32_t rootKey, const std::wstring& keyPath,
                                const std::wstring& valueName, const std::wstring& defaultText) {
    std::optional<std::wstring> value = registry.ReadRegistryString(rootKey, keyPath, valueName);
    if (!value) return defaultText;
    // A stored string may carry its own terminator and garbage behind it.
    const auto nul = value->find(L'\0');
    if (nul != std::wstring::npos) value->resize(nul);
    return *value;
}

std::wstring RegistryGetAbsolutValue(Registry& registry, const std::wstring& RegistryKeyPath) {
    std::wstring path = TrimBlanks(RegistryKeyPath);
    if (!path.empty() && path.back() == L'\\') path.pop_back();

    const auto rootEnd = path.find(L'\\');
    const auto root = RegistryRootKey(path.substr(0, rootEnd));
    if (!root) return {};  // an unknown root opens nothing

    const std::wstring rest = rootEnd == std::wstring::npos ? std::wstring() : path.substr(rootEnd + 1);
    const auto valueStart = rest.rfind(L'\\');
    if (valueStart == std::wstring::npos) return ReadRegistryString(registry, *root, rest, L"", L"");
    return ReadRegistryString(registry, *root, rest.substr(0, valueStart), rest.substr(valueStart + 1), L"");
}

}  // namespace velmora
