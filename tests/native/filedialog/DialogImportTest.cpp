// The imports with the real dialog in place of scripted choices: what the user picks in
// the window is what gets imported.
#include <gtest/gtest.h>

#include "filedialog/Files.h"
#include "import/Importer.h"
#include "support/FakeFileDialogWindow.h"
#include "support/LauncherFixture.h"

namespace velmora::testing_support {
namespace {

class DialogImportTest : public LauncherTest {
protected:
    DialogImportTest() : files(platform, window), importer(platform, state, files) {
        PlaceLauncherIn(L"E:\\TC");
        state.TcPath = L"E:\\TC";
        state.TcDir = L"E:\\TC\\";
        state.TcDirPattern = L"E:\\TC\\";
        machine.AddDrive(L'D');
        machine.AddFile(L"D:\\Bars\\MyBar.bar", "cmd=E:\\TC\\tool.exe\r\n");
        machine.AddFile(L"D:\\Bars\\MyBar.br1", "icons\r\n");
        machine.ChangeDirectory(L"D:\\Bars");
        machine.ChangeDirectory(L"E:\\TC");
    }

    std::size_t DriveIndex(const FileDialogModel& dialog, wchar_t letter) {
        for (std::size_t i = 0; i < dialog.Drives().size(); ++i) {
            if (dialog.Drives()[i].letter == letter) return i;
        }
        return dialog.Drives().size();
    }

    FakeFileDialogWindow window;
    Files files;
    LauncherState state;
    Importer importer;
};

TEST_F(DialogImportTest, TheButtonBarChosenOnAnotherDriveIsImported) {
    window.users.push_back([this](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.NameText(), L"*.bar");
        dialog.UserChoseDrive(DriveIndex(dialog, L'D'));
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"MyBar.bar"}) << "only .bar files";
        dialog.UserDoubleClickedFile(0);
    });
    importer.ImportButtonBar(true);

    EXPECT_EQ(window.captionWhenShown, L"Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.bar"), "cmd=%COMMANDER_PATH%\\tool.exe\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.br1"), "icons\r\n");
}

TEST_F(DialogImportTest, OkWithThePatternStillInTheBoxImportsNothing) {
    window.users.push_back([](FileDialogModel& dialog) { dialog.UserPressedOk(); });
    window.users.push_back([](FileDialogModel& dialog) { dialog.UserPressedAbbruch(); });
    const auto before = machine.Snapshot();
    importer.ImportButtonBar(true);
    importer.ImportButtonBar(true);
    EXPECT_EQ(machine.Snapshot(), before);
    EXPECT_TRUE(machine.Messages().empty());
}

TEST_F(DialogImportTest, TheSettingsBrowseOfferTakesTheFileTheUserTyped) {
    machine.AddFile(L"D:\\Bars\\my.ini", "[Configuration]\r\nEditor=E:\\TC\\x.exe\r\n");
    machine.AnswerNext(MessageAnswer::Yes);  // "Browse for File?"
    window.users.push_back([this](FileDialogModel& dialog) {
        dialog.UserChoseDrive(DriveIndex(dialog, L'D'));
        dialog.UserEditedName(L"my.ini");
        dialog.UserPressedOk();
    });
    importer.CopyAndParseFile(L"E:\\TC\\wincmd.ini", L"E:\\TC\\TC_portable_wincmd.ini", state.TcPath,
                              state.TcDirPattern, L"%COMMANDER_PATH%");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\x.exe\r\n");
}

}  // namespace
}  // namespace velmora::testing_support
