// How the drive list, directory list, file list and name box follow each other while the
// user moves around, and when Ok can be pressed.
#include "filedialog/FileDialogFixture.h"

namespace velmora::testing_support {
namespace {

using Navigation = FileDialogTest;

std::size_t DriveIndex(const FileDialogModel& dialog, wchar_t letter) {
    for (std::size_t i = 0; i < dialog.Drives().size(); ++i) {
        if (dialog.Drives()[i].letter == letter) return i;
    }
    ADD_FAILURE() << "no drive " << static_cast<char>(letter);
    return 0;
}

TEST_F(Navigation, AnotherDriveShowsItsCurrentDirectoryAndStaysCurrentAfterwards) {
    User([this](FileDialogModel& dialog) {
        dialog.UserChoseDrive(DriveIndex(dialog, L'D'));
        EXPECT_EQ(dialog.Directory(), L"D:\\Data\\Notes") << "the drive's current directory, not its root";
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"a.txt"});
        EXPECT_EQ(window.selectedDrive, DriveIndex(dialog, L'D'));
        EXPECT_EQ(RowNames(window.rows), (std::vector<std::wstring>{L"D:\\", L"Data", L"Notes"}));
        dialog.UserPressedAbbruch();
    });
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"");
    EXPECT_EQ(machine.CurrentDirectory(), L"D:\\Data\\Notes") << "the chosen drive is the current one now";
}

TEST_F(Navigation, ADriveThatCannotBeReadBeepsAndLeavesEverythingAsItWas) {
    machine.SetDriveUnreadable(L'D', true);
    User([this](FileDialogModel& dialog) {
        const auto before = dialog.FileNames();
        dialog.UserChoseDrive(DriveIndex(dialog, L'D'));
        EXPECT_EQ(machine.BeepCount(), 1);
        EXPECT_EQ(dialog.SelectedDrive(), L'E');
        EXPECT_EQ(window.selectedDrive, DriveIndex(dialog, L'E'))
            << "the drive list returns to the old drive";
        EXPECT_EQ(dialog.Directory(), L"E:\\TC");
        EXPECT_EQ(dialog.FileNames(), before);
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\x", L"", L"");
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC");
}

TEST_F(Navigation, OpeningRowsMovesUpAndDownTheTree) {
    User([this](FileDialogModel& dialog) {
        EXPECT_EQ(RowNames(window.rows), (std::vector<std::wstring>{L"E:\\", L"TC", L"lang", L"Plugins"}));
        EXPECT_EQ(window.currentRow, 1u);
        dialog.UserOpenedDirectory(3);
        EXPECT_EQ(dialog.Directory(), L"E:\\TC\\Plugins");
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{});
        EXPECT_EQ(window.currentRow, 2u);
        dialog.UserOpenedDirectory(0);
        EXPECT_EQ(dialog.Directory(), L"E:\\");
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"root.txt"});
        EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC")
            << "showing a directory does not change the current one";
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\x", L"", L"");
}

TEST_F(Navigation, AFileClickReplacesTypedTextAndClearingTheBoxKeepsOkEnabled) {
    User([this](FileDialogModel& dialog) {
        EXPECT_FALSE(dialog.OkEnabled());
        dialog.UserEditedName(L"typed.ini");
        EXPECT_TRUE(dialog.OkEnabled());
        dialog.UserEditedName(L"");
        EXPECT_TRUE(dialog.OkEnabled()) << "an emptied box does not disable Ok";
        dialog.UserClickedFile(IndexOf(dialog.FileNames(), L"readme"));
        EXPECT_EQ(dialog.NameText(), L"readme");
        EXPECT_EQ(window.nameText, L"readme");
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\x", L"", L"");
}

TEST_F(Navigation, AClickOnAnEmptyListDisablesOk) {
    User([](FileDialogModel& dialog) {
        dialog.UserEditedName(L"x");
        ASSERT_TRUE(dialog.FileNames().empty());
        dialog.UserClickedFile(0);
        EXPECT_FALSE(dialog.OkEnabled());
        EXPECT_EQ(dialog.NameText(), L"x");
        dialog.UserPressedOk();  // a disabled button cannot end the showing
        dialog.UserPressedAbbruch();
    });
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\Plugins\\x", L"", L""), L"");
}

TEST_F(Navigation, InTheDirectoryModeFilesAreNeitherListedNorNamed) {
    machine.AddFile(L"E:\\TC\\lang\\de.lng", "");
    User([this](FileDialogModel& dialog) {
        const auto shownFiles = window.files;
        dialog.UserOpenedDirectory(IndexOf(RowNames(dialog.DirectoryRows()), L"lang"));
        EXPECT_EQ(window.files, shownFiles) << "the hidden file list is not updated";
        EXPECT_EQ(dialog.NameText(), L"");
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileDirSelectDialog(), L"E:\\TC\\lang\\");
}

struct FolderCase {
    const char* name;
    const wchar_t* valueName;
    void (FileDialogModel::*press)();
};

class ShortcutButtons : public FileDialogTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(ShortcutButtons, GoToTheUsersFolderOnItsDrive) {
    constexpr std::uint32_t kUsers = 0x80000003;
    const std::wstring key =
        L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    machine.SetRegistryValue(kUsers, key, GetParam().valueName, L"%USERPROFILE%\\Place",
                             sim::SimRegistryType::ExpandString);
    machine.SetEnvironmentVariable(L"USERPROFILE", L"D:\\Users\\Ann");
    machine.AddFile(L"D:\\Users\\Ann\\Place\\here.ini", "");
    const auto press = GetParam().press;
    User([this, press](FileDialogModel& dialog) {
        (dialog.*press)();
        EXPECT_EQ(dialog.SelectedDrive(), L'D');
        EXPECT_EQ(dialog.Directory(), L"D:\\Users\\Ann\\Place");
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"here.ini"});
        EXPECT_EQ(machine.BeepCount(), 0);
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\x", L"", L"");
}

TEST_P(ShortcutButtons, AFolderThatCannotBeFoundLeavesTheListsAndBeeps) {
    const auto press = GetParam().press;
    User([this, press](FileDialogModel& dialog) {
        (dialog.*press)();
        EXPECT_EQ(dialog.Directory(), L"E:\\TC");
        EXPECT_EQ(machine.BeepCount(), 1);
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\x", L"", L"");
}

TEST_P(ShortcutButtons, EnableOkInTheDirectoryMode) {
    machine.SetRegistryValue(
        0x80000003, L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
        GetParam().valueName, L"D:\\Data");
    const auto press = GetParam().press;
    User([press](FileDialogModel& dialog) {
        EXPECT_FALSE(dialog.OkEnabled());
        (dialog.*press)();
        EXPECT_TRUE(dialog.OkEnabled());
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileDirSelectDialog(), L"D:\\Data\\");
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ShortcutButtons,
    ::testing::Values(FolderCase{"Desktop", L"Desktop", &FileDialogModel::UserPressedDesktop},
                      FolderCase{"StartMenu", L"Start Menu", &FileDialogModel::UserPressedStartMenu}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velmora::testing_support
