// The imports on their own: the offers, forcing, the button bar, and bad input.
#include <gtest/gtest.h>

#include "import/FileRoutines.h"
#include "import/Importer.h"
#include "support/LauncherFixture.h"

namespace velmora {
namespace {

using testing_support::IniText;

class ImportTest : public testing_support::LauncherTest {
protected:
    ImportTest() : importer(platform, state, dialogs) {
        PlaceLauncherIn(L"E:\\TC");
        state.TcPath = L"E:\\TC";
        state.TcDir = L"E:\\TC\\";
        state.TcDirPattern = L"E:\\TC\\";
    }
    void Import(const std::wstring& source, const std::wstring& destination, bool force = false) {
        importer.CopyAndParseFile(source, destination, state.TcPath, state.TcDirPattern, L"%COMMANDER_PATH%",
                                  force);
    }
    LauncherState state;
    Importer importer;
};

TEST_F(ImportTest, SameFileInAnotherCaseIsRefusedAndNothingIsTouched) {
    machine.AddFile(L"E:\\TC\\wincmd.ini", "x=E:\\TC\\a\r\n");
    const auto before = machine.Snapshot();
    Import(L"E:\\TC\\wincmd.ini", L"e:\\tc\\WINCMD.INI");
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].message.title, L"Error: same file selected!");
    EXPECT_EQ(machine.Messages()[0].message.text,
              L"Source & Destination Files are the same:\r\rE:\\TC\\wincmd.ini");
    EXPECT_EQ(machine.Messages()[0].message.icon, MessageIcon::Critical);
    EXPECT_EQ(machine.Snapshot(), before);
}

TEST_F(ImportTest, ForcingReplacesThePrivateCopyWithAFreshOne) {
    machine.AddFile(L"E:\\TC\\wincmd.ini", "fresh=E:\\TC\\a\r\n");
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "old\r\n");
    machine.AnswerNext(MessageAnswer::Yes);
    importer.ImportIni(true);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "fresh=%COMMANDER_PATH%\\a\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), "fresh=E:\\TC\\a\r\n");
    EXPECT_EQ(state.WincmdIniPath, L"E:\\TC\\TC_portable_wincmd.ini");
    EXPECT_TRUE(state.FileImported);
}

TEST_F(ImportTest, ForcingAndDecliningKeepsThePrivateCopy) {
    machine.AddFile(L"E:\\TC\\wincmd.ini", "fresh\r\n");
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "old\r\n");
    importer.ImportIni(true);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "old\r\n");
    EXPECT_FALSE(state.FileImported);
}

TEST_F(ImportTest, AnEmptySearchTextNeverAltersAFile) {
    state.TcPath.clear();
    state.TcDirPattern.clear();
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "a=E:\\TC\\x\r\n\r\nb\r\n");
    importer.ImportIni();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "a=E:\\TC\\x\r\n\r\nb\r\n");
}

TEST_F(ImportTest, TheFtpImportRunsOnlyWhenItsPrivateCopyIsMissing) {
    machine.AddFile(L"E:\\TC\\TC_portable_wcx_ftp.ini", "h=E:\\TC\\x\r\n");
    importer.ImportFTPIni();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"), "h=E:\\TC\\x\r\n");
    EXPECT_EQ(state.FtpIniPath, L"E:\\TC\\TC_portable_wcx_ftp.ini");
    importer.ImportFTPIni(true);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"), "h=%COMMANDER_PATH%\\x\r\n");
}

TEST_F(ImportTest, AMediumThatCannotBeWrittenReportsAndLaunchesWithDefaults) {
    machine.AddFile(L"E:\\TC\\wincmd.ini", "a\r\n");
    machine.SetWriteProtected(L'E', true);
    machine.AnswerNext(MessageAnswer::Yes);
    importer.ImportIni();
    importer.ImportFTPIni();
    EXPECT_EQ(MessageTitles(), (std::vector<std::wstring>{L"First Start: Import file?", L"Import failed",
                                                          L"First Start: Browse for File?"}));
    EXPECT_EQ(machine.Messages()[1].message.text, L"Import canceled!");
    EXPECT_EQ(machine.Messages()[1].message.icon, MessageIcon::Information);
    EXPECT_EQ(machine.BeepCount(), 1);
    EXPECT_TRUE(state.WincmdIniPath.empty());
    EXPECT_TRUE(state.FtpIniPath.empty());
}

TEST_F(ImportTest, AReadOnlyPrivateCopyIsLeftAsItIs) {
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "a=E:\\TC\\x\r\n", {.readOnly = true});
    importer.ImportIni();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "a=E:\\TC\\x\r\n");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt"));
    EXPECT_EQ(state.WincmdIniPath, L"E:\\TC\\TC_portable_wincmd.ini");
}

TEST_F(ImportTest, ADirectoryNamedLikeTheSourceIsNoSettingsFile) {
    machine.AddDirectory(L"E:\\TC\\wincmd.ini");
    importer.ImportIni();
    EXPECT_EQ(machine.Messages().at(0).message.title, L"First Start: Browse for File?");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "");
    EXPECT_TRUE(machine.IsDirectory(L"E:\\TC\\wincmd.ini"));
}

struct OddContent {
    const char* name;
    std::string user;
    std::string expected;
};

class OddSettingsFiles : public ImportTest, public testing::WithParamInterface<OddContent> {};

TEST_P(OddSettingsFiles, AreCopiedAndRewrittenWithoutLosingAByte) {
    machine.AddFile(L"E:\\TC\\wincmd.ini", GetParam().user);
    machine.AnswerNext(MessageAnswer::Yes);
    importer.ImportIni();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), GetParam().expected);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), GetParam().user);
}

std::string WithNul(std::string text) {
    text[1] = '\0';
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Content, OddSettingsFiles,
    testing::Values(
        OddContent{"Empty", "", ""},
        OddContent{"CrOnly", "a=E:\\TC\\x\rb\r\r", "a=%COMMANDER_PATH%\\x\rb\r\r"},
        OddContent{"NoFinalLineBreak", "a\r\nb=e:\\tc", "a\r\nb=%COMMANDER_PATH%"},
        OddContent{"NulBytes", WithNul("a.=E:\\TC\\x\r\n"), WithNul("a.=%COMMANDER_PATH%\\x\r\n")},
        OddContent{"BeyondAscii", "\xC4=E:\\TC\\\xE9\r\n\xFF\r\n", "\xC4=%COMMANDER_PATH%\\\xE9\r\n\xFF\r\n"},
        OddContent{"HugeLine", std::string(100000, 'q') + "E:\\TC\r\n",
                   std::string(100000, 'q') + "%COMMANDER_PATH%\r\n"},
        OddContent{"BlankLinesKept", "\r\n\r\na=E:\\TC\r\n\r\n", "\r\n\r\na=%COMMANDER_PATH%\r\n\r\n"}),
    [](const testing::TestParamInfo<OddContent>& param) { return param.param.name; });

TEST_F(ImportTest, ANonAnsiDirectoryStillFindsItsFilesAndRewritesNothing) {
    const std::wstring dir = L"E:\\\x0422\x0421";  // Cyrillic letters: no ANSI form here
    machine.AddDirectory(dir);
    state.TcPath = dir;
    state.TcDir = dir + L"\\";
    state.TcDirPattern = state.TcDir;
    machine.AddFile(dir + L"\\TC_portable_wincmd.ini", "a=E:\\?\\x\r\n");
    importer.ImportIni();
    EXPECT_EQ(machine.FileBytes(dir + L"\\TC_portable_wincmd.ini"), "a=E:\\?\\x\r\n");
    EXPECT_EQ(state.WincmdIniPath, dir + L"\\TC_portable_wincmd.ini");
}

class ButtonBarImport : public ImportTest {
protected:
    ButtonBarImport() {
        machine.AddDrive(L'D');
        machine.AddFile(L"D:\\Bars\\MyBar.bar", "cmd=E:\\TC\\tool.exe\r\n");
        machine.AddFile(L"D:\\Bars\\MyBar.br1", "icons=E:\\TC\\x\r\n");
        machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", IniText({"[Configuration]", "a=1"}));
    }
};

TEST_F(ButtonBarImport, CopiesBothFilesRewritesTheBarAndPointsTheSettingsAtIt) {
    state.WincmdIniPath = L"E:\\TC\\TC_portable_wincmd.ini";
    dialogs.choices = {L"D:\\Bars\\MyBar.bar"};
    importer.ImportButtonBar(false);

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, L"Please import - ButtonBar File  (eg.: Default.bar) ");
    EXPECT_EQ(dialogs.requests[0].defaultFilename, L"*.bar");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.bar"), "cmd=%COMMANDER_PATH%\\tool.exe\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.br1"), "icons=E:\\TC\\x\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"),
              IniText({"[Configuration]", "a=1", "[Buttonbar]",
                       "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar"}));
    EXPECT_TRUE(machine.Messages().empty());
}

TEST_F(ButtonBarImport, WithoutTheSettingsImportNoEntryIsWritten) {
    dialogs.choices = {L"D:\\Bars\\MyBar.bar"};
    importer.ImportButtonBar(true);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), IniText({"[Configuration]", "a=1"}));
    EXPECT_TRUE(machine.Exists(L"E:\\TC\\TC_portable_Default.bar"));
}

TEST_F(ButtonBarImport, WithoutACompanionItSaysCancelled) {
    machine.RemoveFile(L"D:\\Bars\\MyBar.br1");
    state.WincmdIniPath = L"E:\\TC\\TC_portable_wincmd.ini";
    dialogs.choices = {L"D:\\Bars\\MyBar.bar"};
    importer.ImportButtonBar(false);
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].message.title, L"Cancled");
    EXPECT_EQ(machine.Messages()[0].message.text, L"Import cancled!");
    EXPECT_TRUE(machine.Exists(L"E:\\TC\\TC_portable_Default.bar"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), IniText({"[Configuration]", "a=1"}));
}

TEST_F(ButtonBarImport, TheCompanionIsTheNameLessItsLastFourCharacters) {
    machine.AddFile(L"D:\\Bars\\Other.txt", "x\r\n");
    machine.AddFile(L"D:\\Bars\\Other.br1", "companion\r\n");
    dialogs.choices = {L"D:\\Bars\\Other.txt"};
    importer.ImportButtonBar(false);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.br1"), "companion\r\n");
}

TEST_F(ButtonBarImport, NothingChosenDoesNothing) {
    for (const wchar_t* choice : {L"", L"*.bar", L"  ", L"D:\\Bars\\missing.bar"}) {
        const auto before = machine.Snapshot();
        dialogs.choices = {choice};
        importer.ImportButtonBar(false);
        EXPECT_EQ(machine.Snapshot(), before) << choice;
        EXPECT_TRUE(machine.Messages().empty()) << choice;
    }
}

TEST(FileCopyChecked, RefusesWhatItMustNotCopy) {
    sim::SimMachine machine;
    Platform platform = machine.AsPlatform();
    machine.AddFile(L"C:\\a.ini", "a");
    machine.AddFile(L"C:\\b.ini", "b");
    EXPECT_FALSE(FileCopyChecked(platform, L"", L"C:\\x.ini", false));
    EXPECT_FALSE(FileCopyChecked(platform, L"C:\\a.ini", L"", false));
    EXPECT_FALSE(FileCopyChecked(platform, L"C:\\a.ini", L"c:\\A.INI", true));
    EXPECT_FALSE(FileCopyChecked(platform, L"C:\\missing.ini", L"C:\\x.ini", false));
    EXPECT_FALSE(FileCopyChecked(platform, L"C:\\a.ini", L"C:\\b.ini", false));
    EXPECT_EQ(machine.FileBytes(L"C:\\b.ini"), "b");
    EXPECT_TRUE(FileCopyChecked(platform, L"C:\\a.ini", L"C:\\b.ini", true));
    EXPECT_EQ(machine.FileBytes(L"C:\\b.ini"), "a");
    EXPECT_TRUE(FileCopyChecked(platform, L"C:\\a.ini", L"C:\\c.ini", false));
    EXPECT_EQ(machine.FilesIn(L"C:\\"), (std::vector<std::wstring>{L"a.ini", L"b.ini", L"c.ini"}));
}

}  // namespace
}  // namespace velmora
