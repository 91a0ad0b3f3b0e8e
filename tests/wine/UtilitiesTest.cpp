// The file utilities, the web-page lookup, INI values, the button-bar repair and the file
// dialog's model, each on the real file system of the stick.
#include <windows.h>

#include <set>
#include <sstream>

#include "filedialog/win32/Win32FileDialogWindow.h"
#include "ini/Ini.h"
#include "support/FaultyFiles.h"
#include "support/Stick.h"
#include "sysutil/RunFile.h"

namespace velmora::wine {
namespace {

using Utilities = StickTest;

std::set<std::string> Lines(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.insert(line);
    return lines;
}

TEST_F(Utilities, ListDateMoveNamesAndRun) {
    const std::wstring longName = L"E:\\Data\\A long file name.text";
    Lay({{L"E:\\Data\\a.txt", "a"},
         {L"E:\\Data\\Sub\\b.txt", "b"},
         {L"E:\\Data\\c.ini", "c"},
         {longName, ""},
         {L"E:\\TC\\Totalcmd.exe", kStandin}});
    Run(machine.files, [&](Platform&, Files& files) {
        std::wstring path = L"E:\\Data";
        ASSERT_TRUE(files.ReadDirctoryStructureToFile(path, L"E:\\list.txt", L"*.*"));
        EXPECT_EQ(path, L"E:\\Data\\");
        const std::set<std::string> listed = {"E:\\Data\\a.txt\r", "E:\\Data\\Sub\\b.txt\r",
                                              "E:\\Data\\c.ini\r", "E:\\Data\\A long file name.text\r"};
        EXPECT_EQ(Lines(FileBytes(L"E:\\list.txt")), listed);

        SYSTEMTIME now;
        GetLocalTime(&now);
        const auto created = files.getFileDate(L"E:\\Data\\a.txt");
        ASSERT_TRUE(created);
        EXPECT_EQ(std::vector({created->year, created->month, created->day}),
                  std::vector<int>({now.wYear, now.wMonth, now.wDay}));
        EXPECT_FALSE(files.getFileDate(L"E:\\Data\\Sub"));

        EXPECT_EQ(files.FileMove(L"E:\\Data\\a.txt", L"E:\\Data\\c.ini"), FileMoveResult::NotMoved);
        EXPECT_EQ(FileBytes(L"E:\\Data\\c.ini"), "c");
        EXPECT_EQ(files.FileMove(L"E:\\Data\\a.txt", L"E:\\Data\\c.ini", true), FileMoveResult::Moved);
        EXPECT_EQ(FileBytes(L"E:\\Data\\c.ini") + FileBytes(L"E:\\Data\\a.txt"), "a" + kMissing);
        EXPECT_EQ(files.FileMove(L"E:\\Data\\a.txt", L"E:\\Data\\d.txt"), FileMoveResult::Failed);

        const std::wstring shortName = files.FileGetShortFileName(longName);
        EXPECT_LE(shortName.size() - shortName.rfind(L'\\') - 1, 12u) << shortName;
        EXPECT_EQ(files.FileGetLongFileName(shortName), longName);
        EXPECT_EQ(files.FileGetShortFileName(L"E:\\none"), L"E:\\none");

        std::wstring program = L"E:\\TC\\Totalcmd.exe";
        EXPECT_TRUE(files.FileRun(program, ProcessEnvironment::kShowNormal));
    });
    const auto starts = Starts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].exe, L"E:\\TC\\Totalcmd.exe");
}

TEST_F(Utilities, TheWebPageOpensWithTheHtmlProgramAndLeavesTheDriveAsItWas) {
    Lay({{L"E:\\Web Browser\\Totalcmd.exe", kStandin}});
    const auto before = Snapshot(L"E:\\");
    Run(machine.files, [](Platform& platform, Files&) {
        EXPECT_TRUE(OpenWebPage(platform, L"https://velmora.example.org/"));
    });
    const auto starts = Starts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, L"\"E:\\Web Browser\\Totalcmd.exe\" https://velmora.example.org/");
    EXPECT_EQ(Snapshot(L"E:\\"), before);
}

TEST_F(Utilities, IniValuesAreReadAndWrittenKeepingTheRest) {
    const std::string settings = "; note\r\n[a]\r\nk=v\r\n\r\n[b]\r\nx=1\r\n";
    Lay({{kMain, settings}});
    Run(machine.files, [](Platform& platform, Files&) {
        EXPECT_EQ(ReadIniValue(platform, L"a", L"k", kMain, L"d", false), L"v");
        EXPECT_EQ(ReadIniValue(platform, L"a", L"none", kMain, L"d", false), L"d");
        EXPECT_EQ(ReadIniValue(platform, L"a", L"k", L"E:\\TC\\new.ini", L"d", true), L"d");
        EXPECT_TRUE(WriteIniValue(platform, L"b", L"y", L"2", kMain, false));
        EXPECT_FALSE(WriteIniValue(platform, L"b", L"y", L"2", L"E:\\TC\\gone.ini", false));
    });
    EXPECT_EQ(ParseIni(FileBytes(kMain)), ParseIni(settings + "y=2\r\n"));
    EXPECT_EQ(FileBytes(L"E:\\TC\\new.ini"), "");
    EXPECT_EQ(FileBytes(L"E:\\TC\\gone.ini"), kMissing);
}

// Seen only when the rewrite could not run: here its read of the settings file fails.
TEST_F(Utilities, TheBarEntryIsRepairedOnlyForAnExistingBarInsideTheDirectory) {
    const std::pair<std::string, std::string> entries[] = {
        {"e:\\tc\\bars\\my.bar", "%COMMANDER_PATH%\\TC_portable_Default.bar"},
        {"C:\\windows\\win.ini", "C:\\windows\\win.ini"},
        {"E:\\TC\\missing.bar", "E:\\TC\\missing.bar"}};
    for (const auto& [entry, expected] : entries) {
        TearDown();
        Lay({{L"E:\\TC\\Totalcmd.exe", kStandin},
             {L"E:\\TC\\bars\\my.bar", ""},
             {kMain, "[Buttonbar]\r\nButtonbar=" + entry + "\r\n"},
             {kFtp, ""}});
        FaultyFiles files(machine.files, 1, Fault::Clean);
        Start(L"", kTc, &files);
        EXPECT_EQ(ParseIni(FileBytes(kMain))["Buttonbar"]["Buttonbar"], expected) << entry;
    }
}

TEST_F(Utilities, TheFileDialogNavigatesListsAndReturnsTheChoice) {
    Lay({{L"E:\\TC\\a.ini", ""}, {L"E:\\TC\\b.txt", ""}, {L"E:\\TC\\Sub\\c.ini", ""}});
    Run(machine.files, [&](Platform& platform, Files& files) {
        win32::Win32FileDialogWindow window(GetModuleHandleW(nullptr));
        FilesState state{FileDialogMode::File};
        FileDialogModel model(platform, state, window);
        model.Load();
        ASSERT_TRUE(model.GoTo(L"E:\\TC"));
        model.SetFilePattern(L"*.ini");
        EXPECT_EQ(model.FileNames(), std::vector<std::wstring>{L"a.ini"});
        std::vector<std::wstring> rows;
        for (const DirectoryRow& row : model.DirectoryRows())
            rows.push_back(row.name);
        EXPECT_EQ(rows, std::vector<std::wstring>({L"E:\\", L"TC", L"Sub"}));
        model.UserOpenedDirectory(2);
        EXPECT_EQ(model.Directory(), L"E:\\TC\\Sub");
        EXPECT_EQ(model.FileNames(), std::vector<std::wstring>{L"c.ini"});
        model.UserClickedFile(0);
        model.UserPressedOk();
        EXPECT_EQ(state.DialogResult, L"E:\\TC\\Sub\\c.ini");
        model.UserOpenedDirectory(0);
        EXPECT_EQ(model.Directory(), L"E:\\");
        model.UserPressedAbbruch();
        EXPECT_EQ(state.DialogResult, L"");

        dialog.choice = L"typed.ini";
        EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x"), L"E:\\TC\\typed.ini");
        dialog.choice.clear();
        EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x"), L"");
    });
}

}  // namespace
}  // namespace velmora::wine
