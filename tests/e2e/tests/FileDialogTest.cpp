// The file selection window that a first start opens when the user answers Yes to
// "Browse for File?": finding the settings file by typing, by double-clicking, on
// another drive and through the Desktop button; Abbruch and the close box choose nothing.
#include <algorithm>

#include "driver/FileDialogDriver.h"
#include "driver/Files.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"
#include "filedialog/win32/FileDialogControlIds.h"
#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

namespace ids = velmora::file_dialog_ids;

constexpr char kUserIni[] = "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n";
constexpr char kPrivateIni[] = "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n";

const std::wstring kWincmdTarget = L"E:\\TC\\TC_portable_wincmd.ini";
const std::wstring kFtpTarget = L"E:\\TC\\TC_portable_wcx_ftp.ini";

bool Contains(const std::vector<std::wstring>& list, const std::wstring& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// Sets an environment variable of this process (and so of the launcher) for one test.
class EnvironmentOverride {
public:
    EnvironmentOverride(const wchar_t* name, const std::wstring& value) : name_(name) {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentOverride() { SetEnvironmentVariableW(name_, nullptr); }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const wchar_t* name_;
};

class BrowseDialogTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
    }

    // Starts a first start with no settings file anywhere and opens the window for wincmd.ini.
    FileDialogDriver BrowseForWincmdIni() {
        Start(velmora_, L"", L"E:\\TC");
        AnswerBox(BrowseQuestion(L"wincmd.ini", kWincmdTarget), IDYES);
        return FileDialogDriver(WaitForWindow(L"Please import - File select (eg.:wincmd.ini'    (\"*.*\")"));
    }

    void WaitUntilGone(const FileDialogDriver& dialog) {
        HWND window = dialog.Dialog();
        ASSERT_TRUE(WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }))
            << "the file dialog stayed open";
    }

    // Declines the wcx_ftp.ini offer (and the desktop shortcuts that follow an import) and
    // expects the launch with the private files.
    void FinishWithoutFtpFile(bool imported = true) {
        AnswerBox(BrowseQuestion(L"wcx_ftp.ini", kFtpTarget), IDNO);
        if (imported) AnswerBox(ShortcutQuestion(), IDNO);
        ExpectEndWithoutWindow();
        ExpectOneLaunch();
    }

    std::wstring velmora_;
};

TEST_F(BrowseDialogTest, OpensOnTheCurrentDirectoryWithAllFilesAndTakesATypedName) {
    stick_.AddFile(L"Mine\\my settings.ini", kUserIni);
    const FileDialogDriver dialog = BrowseForWincmdIni();

    EXPECT_EQ(dialog.SelectedDrive().substr(0, 2), L"e:");
    EXPECT_EQ(dialog.CurrentDirectoryRow(), L"TC");
    EXPECT_EQ(dialog.DirectoryRows().front(), L"E:\\");
    EXPECT_EQ(dialog.Files(), (std::vector<std::wstring>{L"Totalcmd.exe", L"velmora.exe"}));
    EXPECT_EQ(dialog.NameText(), L"*.*");
    EXPECT_TRUE(dialog.IsEnabled(ids::kOk)) << "the pattern in the name box enables Ok";

    dialog.OpenDirectory(L"E:\\");
    dialog.OpenDirectory(L"Mine");
    EXPECT_EQ(dialog.CurrentDirectoryRow(), L"Mine");
    EXPECT_EQ(dialog.Files(), std::vector<std::wstring>{L"my settings.ini"});
    dialog.TypeName(L"my settings.ini");
    dialog.Press(ids::kOk);
    WaitUntilGone(dialog);
    FinishWithoutFtpFile();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateIni);
    EXPECT_EQ(stick_.Read(L"Mine\\my settings.ini"), kUserIni) << "the user's file must not change";
}

TEST_F(BrowseDialogTest, ADoubleClickInTheFileListChoosesThatFile) {
    stick_.AddFile(L"TC\\saved.ini", kUserIni);
    stick_.AddFile(L"TC\\another.txt", "");
    const FileDialogDriver dialog = BrowseForWincmdIni();
    EXPECT_EQ(dialog.Files(),
              (std::vector<std::wstring>{L"another.txt", L"saved.ini", L"Totalcmd.exe", L"velmora.exe"}))
        << "sorted by name";

    dialog.DoubleClickFile(L"saved.ini");
    WaitUntilGone(dialog);
    FinishWithoutFtpFile();
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateIni);
}

TEST_F(BrowseDialogTest, AnotherDriveOpensOnItsCurrentDirectoryWhichStaysCurrent) {
    // C: remembers a directory of its own: the process's environment says so ("=C:"),
    // as it does for a program that was in that directory before.
    const std::wstring remembered = ScratchDirectory(L"OtherDrive");
    MakeDirectories(remembered + L"\\Settings");
    WriteBytes(remembered + L"\\Settings\\wincmd.ini", kUserIni);
    WriteBytes(remembered + L"\\top.ini", "");
    const EnvironmentOverride driveC(L"=C:", remembered);
    const std::wstring rememberedName = FileName(remembered);

    const FileDialogDriver dialog = BrowseForWincmdIni();
    dialog.ChooseDrive(L'C');
    EXPECT_EQ(dialog.CurrentDirectoryRow(), rememberedName) << "the drive's current directory, not its root";
    EXPECT_EQ(dialog.Files(), std::vector<std::wstring>{L"top.ini"});
    dialog.OpenDirectory(L"Settings");
    EXPECT_EQ(dialog.Files(), std::vector<std::wstring>{L"wincmd.ini"});
    dialog.DoubleClickFile(L"wincmd.ini");
    WaitUntilGone(dialog);

    // The next browse starts from the current directory, which is on C: now.
    AnswerBox(BrowseQuestion(L"wcx_ftp.ini", kFtpTarget), IDYES);
    const FileDialogDriver next(WaitForWindow(L"Please import - File select (eg.:wcx_ftp.ini'    (\"*.*\")"));
    EXPECT_EQ(next.SelectedDrive().substr(0, 2), L"c:");
    // Showing a directory does not make it current: the current one is C:'s remembered one,
    // and the open window starts in the directory that holds it.
    EXPECT_EQ(next.CurrentDirectoryRow(), FileName(ParentDirectory(remembered)));
    next.Press(ids::kAbbruch);
    WaitUntilGone(next);
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    ExpectOneLaunch();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateIni);
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), "");
}

TEST_F(BrowseDialogTest, TheDesktopButtonGoesToTheDesktopFolder) {
    // In the test prefix the default profile's Desktop entry is %USERPROFILE%\Desktop
    // (what wineboot writes), and USERPROFILE is C:\users\<user>.
    const std::wstring desktop = Environment(L"USERPROFILE") + L"\\Desktop";
    ASSERT_TRUE(DirectoryExists(desktop)) << ToUtf8(desktop);
    const std::wstring file = desktop + L"\\velmora-e2e-desktop.ini";
    WriteBytes(file, kUserIni);

    const FileDialogDriver dialog = BrowseForWincmdIni();
    dialog.Press(ids::kCommand1);
    const bool moved = WaitUntil([&] { return dialog.CurrentDirectoryRow() == L"Desktop"; });
    const auto rows = dialog.DirectoryRows();
    const auto files = dialog.Files();
    const auto drive = dialog.SelectedDrive();
    if (moved)
        dialog.DoubleClickFile(L"velmora-e2e-desktop.ini");
    else
        dialog.Press(ids::kAbbruch);
    WaitUntilGone(dialog);
    FinishWithoutFtpFile(moved);
    RemoveFile(file);

    ASSERT_TRUE(moved) << "the directory list did not move to the desktop";
    EXPECT_EQ(drive.substr(0, 2), L"c:");
    EXPECT_EQ(
        std::vector<std::wstring>(rows.begin(), rows.begin() + 4),
        (std::vector<std::wstring>{L"C:\\", L"users", FileName(Environment(L"USERPROFILE")), L"Desktop"}));
    EXPECT_TRUE(Contains(files, L"velmora-e2e-desktop.ini"));
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateIni);
}

TEST_F(BrowseDialogTest, TheSetupWindowsButtonBarImportTakesTheChosenBar) {
    stick_.AddFile(L"Bars\\My.bar", "cmd=E:\\TC\\tool.exe\r\n");
    stick_.AddFile(L"Bars\\My.br1", "icons\r\n");
    stick_.AddFile(L"Bars\\notes.txt", "");
    Start(velmora_, L"/?", L"E:\\TC");
    HWND setup = WaitForWindow(kSetupWindowCaption);
    ASSERT_TRUE(ClickButton(setup, L"Import Button Bar (*.bar)"));

    const FileDialogDriver dialog(
        WaitForWindow(L"Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")"));
    EXPECT_FALSE(IsWindowEnabled(setup)) << "the dialog is modal over the setup window";
    EXPECT_EQ(dialog.NameText(), L"*.bar");
    dialog.OpenDirectory(L"E:\\");
    dialog.OpenDirectory(L"Bars");
    EXPECT_EQ(dialog.Files(), std::vector<std::wstring>{L"My.bar"}) << "only .bar files";
    dialog.DoubleClickFile(L"My.bar");
    WaitUntilGone(dialog);
    // A forced import asks once more before it takes the chosen file.
    AnswerBox(ImportQuestion(L"My.bar", L"TC_portable_Default.bar"), IDYES);

    ASSERT_TRUE(WaitUntil([&] { return stick_.Exists(L"TC\\TC_portable_Default.br1"); }))
        << "the bar's companion was not imported";
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_Default.bar"), "cmd=%COMMANDER_PATH%\\tool.exe\r\n");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_Default.br1"), "icons\r\n");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(setup) != FALSE; }))
        << "the setup window takes input again";
    ClickAndWaitUntilGone(setup, L"Close");
    ExpectNothingLaunched();
}

class EndedWithoutChoiceTest : public BrowseDialogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EndedWithoutChoiceTest, ReturnsNothing) {
    stick_.AddFile(L"TC\\saved.ini", kUserIni);
    const FileDialogDriver dialog = BrowseForWincmdIni();
    dialog.ClickFile(L"saved.ini");
    if (GetParam()) {
        dialog.Press(ids::kAbbruch);
    } else {
        dialog.CloseBox();
    }
    WaitUntilGone(dialog);
    FinishWithoutFtpFile(false);
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), "") << "nothing chosen, nothing imported";
}

INSTANTIATE_TEST_SUITE_P(By, EndedWithoutChoiceTest, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Abbruch" : "CloseBox"; });

}  // namespace
}  // namespace velmora::e2e
