// The file utilities, the web-page lookup and the button-bar repair, on the stick.
#include "support/Stick.h"

#include <algorithm>

#include "filedialog/DirectoryTree.h"
#include "import/FileCopyChecked.h"
#include "ini/Ini.h"
#include "support/FaultyFiles.h"
#include "sysutil/FileAssociations.h"
#include "sysutil/FolderLookup.h"
#include "sysutil/RegistryPath.h"

namespace velmora::wine {
namespace {

using Utilities = StickTest;

TEST_F(Utilities, ListDateMoveNamesRunAndOpenTheWebPage) {
    SYSTEMTIME laid;  // the files are made that day, or the next when the run crosses midnight
    GetLocalTime(&laid);
    const std::wstring longName = L"E:\\Web Browser\\Totalcmd.exe",
                       deep = L"E:\\Docs\\" + std::wstring(170, L'x');
    Lay({{L"E:\\D\\a.txt", "a"},
         {L"E:\\D\\Sub\\b.txt", "b"},
         {L"E:\\D\\c.ini", "c"},
         {L"E:\\Docs\\p.html", "<p>"},
         {L"E:\\Docs\\s.ini", "[C]\r\na=1\r\n"},
         {L"E:\\Kavo00001.html", "a page of the user's, the throw-away file's first name"},
         {L"E:\\TC\\Tool.Com", kStandin},
         {L"E:\\Docs\\x.nothing", ""},
         {deep, ""},
         {L"E:\\Web Browser\\Totalcmd.exe", kStandin}});
    Run(machine.files, [&](Platform& platform, Files& files) {
        CreateDirectoryW(L"E:\\D\\Hid", nullptr);
        Lay({{L"E:\\D\\Hid\\x.txt", "x"}});
        SetFileAttributesW(L"E:\\D\\Hid", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
        std::wstring path = L"E:\\D";
        ASSERT_TRUE(files.ReadDirctoryStructureToFile(path, L"E:\\list.txt", L"*.*"));
        EXPECT_EQ(path, L"E:\\D\\");
        const std::string listing = FileBytes(L"E:\\list.txt");
        // A directory with more bits than its own (hidden: 18) is entered; "." and ".." are no lines.
        EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 4) << listing;
        for (const char* file : {"a.txt", "Sub\\b.txt", "c.ini", "Hid\\x.txt"})
            EXPECT_NE(listing.find("E:\\D\\" + std::string(file) + "\r\n"), std::string::npos) << file;
        // The pattern decides in every directory (Sub is not entered); a listing can append; one
        // asked to stop ends at once and clears the request; a missing directory lists nothing.
        ASSERT_TRUE(files.ReadDirctoryStructureToFile(path, L"E:\\list.txt", L"*.txt", true));
        EXPECT_EQ(FileBytes(L"E:\\list.txt"), listing + "E:\\D\\a.txt\r\n");
        files.RequestStopListing();
        for (const auto& [from, lines] : {std::pair{L"E:\\D", 0}, {L"E:\\None", 0}, {L"E:\\D", 4}}) {
            std::wstring directory = from;
            ASSERT_TRUE(files.ReadDirctoryStructureToFile(directory, L"E:\\list.txt", L"*.*"));
            EXPECT_EQ(std::ranges::count(FileBytes(L"E:\\list.txt"), '\n'), lines) << directory;
        }

        SYSTEMTIME after;
        GetLocalTime(&after);
        const auto created = files.getFileDate(L"E:\\D\\a.txt");
        ASSERT_TRUE(created);
        const std::vector day{created->year, created->month, created->day};
        EXPECT_TRUE(day == std::vector<int>({laid.wYear, laid.wMonth, laid.wDay}) ||
                    day == std::vector<int>({after.wYear, after.wMonth, after.wDay}));
        EXPECT_FALSE(files.getFileDate(L"E:\\D\\Sub"));

        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini"), FileMoveResult::NotMoved);
        // A name that differs in letter case only is the file itself; a replacing move that
        // fails (its source held open) leaves the file it was to replace.
        EXPECT_EQ(files.FileMove(L"E:\\D\\c.ini", L"E:\\D\\C.INI", true), FileMoveResult::NotMoved);
        const HANDLE held = CreateFileW(L"E:\\D\\a.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini", true), FileMoveResult::Failed);
        CloseHandle(held);
        EXPECT_EQ(FileBytes(L"E:\\D\\c.ini"), "c");
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini", true), FileMoveResult::Moved);
        EXPECT_EQ(FileBytes(L"E:\\D\\c.ini") + FileBytes(L"E:\\D\\a.txt"), "a" + kMissing);
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\d.txt"), FileMoveResult::Failed);
        // To another drive a file moves as well; onto a read-only file nothing moves.
        EXPECT_EQ(files.FileMove(L"E:\\D\\Sub\\b.txt", L"C:\\velmora-b.txt"), FileMoveResult::Moved);
        EXPECT_TRUE(DeleteFileW(L"C:\\velmora-b.txt"));
        SetFileAttributesW(L"E:\\D\\c.ini", FILE_ATTRIBUTE_READONLY);
        EXPECT_EQ(files.FileMove(L"E:\\D\\Hid\\x.txt", L"E:\\D\\c.ini", true), FileMoveResult::Failed);
        EXPECT_EQ(FileBytes(L"E:\\D\\c.ini") + FileBytes(L"E:\\D\\Hid\\x.txt"), "ax");

        const std::wstring shortName = files.FileGetShortFileName(longName);
        EXPECT_EQ(shortName.find(L' '), std::wstring::npos) << shortName;
        EXPECT_EQ(files.FileGetLongFileName(shortName), longName);
        EXPECT_EQ(files.FileGetShortFileName(L"E:\\none"), L"E:\\none");
        // A form longer than 163 characters does not fit: the path comes back as it was given.
        const std::wstring deepShort = files.FileGetShortFileName(deep);
        EXPECT_LT(deepShort.size(), 20u);
        EXPECT_EQ(files.FileGetLongFileName(deepShort), deepShort);

        std::wstring program = L"Tool.Com", unknown = L"E:\\Docs\\x.nothing";  // Tool.Com: in E:\TC, current
        EXPECT_TRUE(files.FileRun(program, ProcessEnvironment::kShowNormal));
        ASSERT_EQ(Starts(1).size(), 1u);
        EXPECT_EQ(Starts(1)[0].exe + L" " + Starts(1)[0].show, L"E:\\TC\\Tool.Com 1");
        EXPECT_FALSE(files.FileRun(unknown)) << "a document without a program";

        // The web page opens with the program for ".html" files, which leave no trace on the drive.
        const auto before = Snapshot(L"E:\\");
        EXPECT_TRUE(OpenWebPage(platform, L"https://velmora.example.org/"));
        ASSERT_EQ(Starts(2).size(), 2u);
        EXPECT_EQ(Starts(2)[1].commandLine,
                  L"\"E:\\Web Browser\\Totalcmd.exe\" https://velmora.example.org/");
        // A file that is not there is asked about through a placeholder beside it, which goes again.
        // Where it cannot be, one goes to the root of the program's drive instead.
        for (const wchar_t* name : {L"E:\\Docs\\none.html", L"E:/Docs/p.html", L"E:\\None\\x.html"})
            EXPECT_EQ(GetAssociatedProgram(platform, name), longName) << name;
        // With no throw-away name of that form free, the bare extension is asked about. A
        // program is its own.
        for (const std::wstring number : {L"", L"2", L"3", L"4", L"5", L"6", L"7", L"8"})
            CreateDirectoryW((L"E:\\zzzzzzzTemp" + number + L"_x.html").c_str(), nullptr);
        EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\None\\x.html"), longName);
        EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\TC\\Tool.Com"), L"E:\\TC\\Tool.Com");
        // A name with a wildcard is asked about; Yes gives up.
        ui.answer = [](const Message&) { return MessageAnswer::Yes; };
        EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\Docs\\a*b.txt"), L"");
        EXPECT_EQ(ui.shown.back().message.text, L"a*b.txtEnth\u00e4lt ung\u00fcltige Zeichen Abbrechen?");
        EXPECT_EQ(Snapshot(L"E:\\"), before);

        // A document opens with its program, started in that program's directory.
        std::wstring document = L"E:\\Docs\\p.html";
        EXPECT_TRUE(files.FileRun(document));
        ASSERT_EQ(Starts(3).size(), 3u);
        EXPECT_EQ(Starts(3)[2].commandLine, L"\"E:\\Web Browser\\Totalcmd.exe\" E:\\Docs\\p.html");
        EXPECT_EQ(Starts(3)[2].directory + L" " + Starts(3)[2].show, L"E:\\Web Browser 0") << "hidden";
        EXPECT_EQ(platform.files.CurrentDirectory(), L"E:\\Docs");
        // A settings file named without a drive is the one in the current directory.
        EXPECT_EQ(ReadIniValue(platform, L"C", L"a", L"s.ini", L"none", false), L"1");
        EXPECT_EQ(ReadIniValue(platform, L"C", L"a", L"missing.ini", L"none", false), L"none");
    });
    // Run from a share or from a drive without a medium, the launcher has nowhere to ask.
    const auto openPage = [](Platform& p, Files&) { EXPECT_FALSE(OpenWebPage(p, L"https://x/")); };
    for (const wchar_t* from : {L"\\\\velmora\\stick\\TC", L"Q:\\TC"})
        Run(machine.files, openPage, L"", from);
}

// Values are read whole; a missing file is made only when asked, and never by a read.
TEST_F(Utilities, IniValuesAreReadWholeAndFilesMadeOnlyWhenAsked) {
    const std::wstring settings = L"E:\\TC\\s.ini", made = L"E:\\TC\\made.ini";
    Lay({{settings, "[C]\r\nempty=\r\nblank=   \r\nlong=" + std::string(2000, 'v') + "\r\n"}});
    Run(machine.files, [&](Platform& p, Files&) {
        EXPECT_EQ(ReadIniValue(p, L"C", L"long", settings, L"d", false), std::wstring(2000, L'v'));
        for (const wchar_t* key : {L"empty", L"blank", L"none"})
            EXPECT_EQ(ReadIniValue(p, L"c", key, settings, L"d", false), L"d") << key;
        EXPECT_EQ(ReadIniValue(p, L"C", L"k", made, L"d", false), L"d");
        EXPECT_FALSE(WriteIniValue(p, L"S", L"k", L"v", made, false));
        EXPECT_EQ(FileBytes(made), kMissing);
        EXPECT_EQ(ReadIniValue(p, L"C", L"k", made, L"d", true), L"d");
        EXPECT_EQ(FileBytes(made), "");
        EXPECT_TRUE(WriteIniValue(p, L"S", L"k", L"v", made, false));
        EXPECT_EQ(ParseIni(FileBytes(made)), ParseIni("[S]\r\nk=v\r\n"));
    });
}

TEST_F(Utilities, DirectoryPathsAndCopiesAsTheSystemTakesThem) {
    Lay({{L"E:\\TC\\a.ini", "a"}, {L"E:\\TC\\b.ini", "b"}});
    Run(machine.files, [&](Platform& p, Files&) {  // in E:\TC
        const std::pair<const wchar_t*, const wchar_t*> paths[] = {
            {L"E:", L"E:\\TC"},         {L"x", L"E:\\TC\\x"},
            {L"\\x", L"E:\\x"},         {L"..\\A\\.", L"E:\\A"},
            {L"E:/TC/B/..", L"E:\\TC"}, {L"\\\\server\\share\\x", L"\\\\server\\share\\x"}};
        for (const auto& [given, absolute] : paths)
            EXPECT_EQ(AbsoluteDirectoryPath(p.files, given).value_or(L"<none>"), absolute) << given;
        // A copy never replaces without being told to, nor copies a file onto itself.
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\b.ini", false));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"e:\\tc\\A.INI", true));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\none.ini", L"E:\\TC\\c.ini", true));
        EXPECT_FALSE(FileCopyChecked(p, L"", L"E:\\TC\\c.ini", true));
        EXPECT_EQ(FileBytes(L"E:\\TC\\a.ini") + FileBytes(L"E:\\TC\\b.ini") + FileBytes(L"E:\\TC\\c.ini"),
                  "ab" + kMissing);
        EXPECT_TRUE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\b.ini", true));
        EXPECT_EQ(FileBytes(L"E:\\TC\\b.ini"), "a");
    });
}

// Folder lookups read the default profile's entries with the user's profile put in, and
// any value through its full path.
TEST_F(Utilities, FoldersAndValuesComeFromTheRegistry) {
    SetRegistryText(HKEY_USERS, kShellFolders, L"Desktop", L"%USERPROFILE%\\Desk");
    SetRegistryText(HKEY_USERS, kShellFolders, L"Start Menu", L"D:\\Menu");
    SetRegistryText(HKEY_CURRENT_USER, L"Velmora", L"", L"default");
    const DWORD number = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Velmora", L"n", REG_DWORD, &number, sizeof number);
    Run(machine.files, [&](Platform& p, Files&) {
        FolderLookup folders(p.registry, p.process);
        EXPECT_EQ(folders.GetDesktopPath(), p.process.EnvironmentVariable(L"USERPROFILE") + L"\\Desk");
        EXPECT_EQ(folders.GetStartMenuPath(), L"D:\\Menu");
    });
    for (const auto& [path, value] : {std::pair{L" hkey_current_user\\Velmora\\ ", L"default"},
                                      {L"HKEY_CURRENT_USER\\Velmora\\n", L""},
                                      {L"HKCU\\Velmora", L""}})
        EXPECT_EQ(RegistryGetAbsolutValue(machine.registry, path), value) << path;
}

// Seen only when the rewrite could not run: here its read of the settings file fails.
TEST_F(Utilities, TheBarEntryIsRepairedOnlyForAnExistingBarInsideTheDirectory) {
    const std::pair<std::string, std::string> entries[] = {
        {"e:\\tc\\bars\\my.bar", "%COMMANDER_PATH%\\TC_portable_Default.bar"},
        {"C:\\windows\\win.ini", "C:\\windows\\win.ini"},
        {"E:\\TC\\missing.bar", "E:\\TC\\missing.bar"}};
    // A UTF-16 settings file is read and written by the profile functions in UTF-16.
    for (const bool utf16 : {false, true}) {
        for (const auto& [entry, expected] : entries) {
            ClearStick();
            const std::string settings = "[Buttonbar]\r\nButtonbar=" + entry + "\r\n";
            Lay({{kTotalcmd, kStandin},
                 {L"E:\\TC\\bars\\my.bar", ""},
                 {kMain, utf16 ? Utf16Bytes(std::u16string(settings.begin(), settings.end())) : settings},
                 {kFtp, ""}});
            FaultyFiles files(1, Fault::Clean);
            Start(L"", kTc, &files);
            std::string now = FileBytes(kMain);
            EXPECT_EQ(now.starts_with("\xFF\xFE"), utf16);
            if (utf16) std::erase(now, '\0');  // the text is ASCII
            EXPECT_EQ(ParseIni(now.substr(utf16 ? 2 : 0))["Buttonbar"]["Buttonbar"], expected) << entry;
        }
    }
    // Paths compare in Windows' upper case: E:\TÖTÄL is the directory E:\Tötäl.
    ClearStick();
    const std::wstring tc = L"E:\\T\u00f6t\u00e4l\\", settings = tc + L"TC_portable_wincmd.ini";
    Lay({{tc + L"Totalcmd.exe", kStandin},
         {tc + L"bars\\my.bar", ""},
         {settings, "[Buttonbar]\r\nButtonbar=E:\\T\xD6T\xC4L\\bars\\my.bar\r\n"},
         {tc + L"TC_portable_wcx_ftp.ini", ""}});
    FaultyFiles files(1, Fault::Clean);
    Start(L"", tc.substr(0, tc.size() - 1), &files);
    EXPECT_EQ(ParseIni(FileBytes(settings))["Buttonbar"]["Buttonbar"],
              "%COMMANDER_PATH%\\TC_portable_Default.bar");
}

}  // namespace
}  // namespace velmora::wine
