// Reading a registry string named by one full path: root name, key path and value name
// joined by backslashes ("HKEY_LOCAL_MACHINE\Software\...\SystemRoot").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

// The predefined key of a root name ("HKEY_USERS", any letter case; no abbreviations).
std::optional<std::uint32_t> RegistryRootKey(const std::wstring& rootName);

// The string stored as `valueName` of `keyPath` under the root key, or `defaultText` when
// the key or value is missing or holds no string. Expandable strings stay unexpanded.
std::wstring ReadRegistryString(Registry& registry, std::uint32_t rootKey, const std::wstring& keyPath,
                                const std::wstring& valueName, const std::wstring& defaultText);

// The value named by the full path, or "" when anything on the way is missing. The last
// element is the value name; a path with only one element after the root reads the key's
// default value. Blanks around the path and one trailing backslash are ignored.
std::wstring RegistryGetAbsolutValue(Registry& registry, const std::wstring& RegistryKeyPath);

}  // namespace velmora
