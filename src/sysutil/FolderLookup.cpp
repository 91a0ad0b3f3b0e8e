#include "sysutil/FolderLookup.h"

#include "sysutil/RegistryPath.h"
#include "sysutil/ReplaceAll.h"

namespace velmora {
namespace {

constexpr wchar_t kCurrentVersion[] = L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr wchar_t kDefaultShellFolders[] =
    L"HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\";

}  // namespace

std::wstring FolderLookup::GetUserProfile() {
    return process_.EnvironmentVariable(L"USERPROFILE");
}

std::wstring FolderLookup::WithUserProfile(const std::wstring& RegistryKeyPath) {
    return replaceall(RegistryGetAbsolutValue(registry_, RegistryKeyPath), L"%USERPROFILE%",
                      GetUserProfile());
}

std::wstring FolderLookup::GetWindowsPath() {
    return RegistryGetAbsolutValue(registry_, std::wstring(kCurrentVersion) + L"SystemRoot");
}

std::wstring FolderLookup::GetProgramfilesPath() {
    return WithUserProfile(std::wstring(kCurrentVersion) + L"ProgramfilesPath");
}

std::wstring FolderLookup::GetDesktopPath() {
    return WithUserProfile(std::wstring(kDefaultShellFolders) + L"Desktop");
}

std::wstring FolderLookup::GetAutostartPath() {
    return WithUserProfile(std::wstring(kDefaultShellFolders) + L"startup");
}

std::wstring FolderLookup::GetStartMenuPath() {
    return WithUserProfile(std::wstring(kDefaultShellFolders) + L"Start Menu");
}

}  // namespace velmora
