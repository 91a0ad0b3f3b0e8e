// The well-known folders, read from the registry with the user's profile put in.
#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "sysutil/FolderLookup.h"

namespace velmora {
namespace {

constexpr std::uint32_t kMachine = 0x80000002;
constexpr std::uint32_t kUsers = 0x80000003;
constexpr wchar_t kCurrentVersion[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr wchar_t kShellFolders[] =
    L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

class FolderLookupTest : public ::testing::Test {
protected:
    FolderLookupTest() : folders(machine, machine) {
        machine.SetEnvironmentVariable(L"USERPROFILE", L"C:\\Users\\Ann");
    }
    void SetShellFolder(const std::wstring& name, const std::wstring& value) {
        machine.SetRegistryValue(kUsers, kShellFolders, name, value, sim::SimRegistryType::ExpandString);
    }
    sim::SimMachine machine;
    FolderLookup folders;
};

TEST_F(FolderLookupTest, UserFoldersComeFromTheDefaultProfileWithTheUsersProfilePutIn) {
    SetShellFolder(L"Desktop", L"%USERPROFILE%\\Desktop");
    SetShellFolder(L"Start Menu", L"%USERPROFILE%\\Start Menu");
    SetShellFolder(L"Startup", L"%USERPROFILE%\\Start Menu\\Programs\\Startup");
    // The current user's own entries are not what is read.
    machine.SetRegistryValue(0x80000001,
                             L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                             L"Desktop", L"X:\\Elsewhere");

    EXPECT_EQ(folders.GetDesktopPath(), L"C:\\Users\\Ann\\Desktop");
    EXPECT_EQ(folders.GetStartMenuPath(), L"C:\\Users\\Ann\\Start Menu");
    EXPECT_EQ(folders.GetAutostartPath(), L"C:\\Users\\Ann\\Start Menu\\Programs\\Startup");
}

TEST_F(FolderLookupTest, OtherReferencesAndAbsolutePathsStayAsTheyAre) {
    SetShellFolder(L"Desktop", L"%SystemRoot%\\Desktop");
    SetShellFolder(L"Start Menu", L"%userprofile%\\Start Menu");
    machine.SetRegistryValue(kMachine, kCurrentVersion, L"ProgramfilesPath", L"D:\\Programs");
    EXPECT_EQ(folders.GetDesktopPath(), L"%SystemRoot%\\Desktop");
    EXPECT_EQ(folders.GetStartMenuPath(), L"%userprofile%\\Start Menu");
    EXPECT_EQ(folders.GetProgramfilesPath(), L"D:\\Programs");
}

TEST_F(FolderLookupTest, MachineFolders) {
    machine.SetRegistryValue(kMachine, kCurrentVersion, L"SystemRoot", L"C:\\WINDOWS");
    machine.SetRegistryValue(kMachine, kCurrentVersion, L"ProgramfilesPath", L"%USERPROFILE%\\Programs");
    EXPECT_EQ(folders.GetWindowsPath(), L"C:\\WINDOWS");
    EXPECT_EQ(folders.GetProgramfilesPath(), L"C:\\Users\\Ann\\Programs");
}

TEST_F(FolderLookupTest, WithoutAProfileTheReferenceIsRemoved) {
    machine.SetEnvironmentVariable(L"USERPROFILE", L"");
    SetShellFolder(L"Desktop", L"%USERPROFILE%\\Desktop");
    EXPECT_EQ(folders.GetUserProfile(), L"");
    EXPECT_EQ(folders.GetDesktopPath(), L"\\Desktop");
}

TEST_F(FolderLookupTest, MissingEntriesGiveNothing) {
    machine.SetRegistryValue(kUsers, kShellFolders, L"Desktop", L"1", sim::SimRegistryType::Number);
    for (const std::wstring& path :
         {folders.GetDesktopPath(), folders.GetStartMenuPath(), folders.GetAutostartPath(),
          folders.GetWindowsPath(), folders.GetProgramfilesPath()}) {
        EXPECT_EQ(path, L"");
    }
}

}  // namespace
}  // namespace velmora
