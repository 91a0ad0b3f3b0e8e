// Well-known folders of the running Windows, read from the registry. The user folders come
// from the default profile's entries, whose %USERPROFILE% is replaced by the current
// user's profile directory. No path returned ends in a backslash added here; every
// failure gives "".
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

class FolderLookup {
public:
    FolderLookup(Registry& registry, ProcessEnvironment& process) : registry_(registry), process_(process) {}

    std::wstring GetWindowsPath();
    std::wstring GetProgramfilesPath();
    std::wstring GetDesktopPath();
    std::wstring GetAutostartPath();
    std::wstring GetStartMenuPath();

    // The USERPROFILE environment variable, "" when it is not set.
    std::wstring GetUserProfile();

private:
    std::wstring WithUserProfile(const std::wstring& RegistryKeyPath);

    Registry& registry_;
    ProcessEnvironment& process_;
};

}  // namespace velmora
