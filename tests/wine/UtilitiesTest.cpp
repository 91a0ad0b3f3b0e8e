// The file utilities, the web-page lookup and the button-bar repair, on the stick.
#include "support/Stick.h"

#include <algorithm>

#include "filedialog/DirectoryTree.h"
#include "import/FileCopyChecked.h"
#include "ini/Ini.h"
#include "support/FaultyFiles.h"
#include "sysutil/FileAssociations.h"

namespace velmora::wine {
namespace {

class Utilities : public StickTest {
protected:
    void OnStick(const std::function<void(Platform&, Files&)>& act) { Run(machine.files, act); }
};

using Lines = std::vector<std::string>;

// Lists `path` into E:\list.txt: whether it did, with a separator put behind the path, and
// the lines of the list then, sorted.
std::pair<bool, Lines> List(Files& files, const wchar_t* pattern = L"*.*", bool append = false,
                            std::wstring path = L"E:\\D") {
    const bool listed = files.ReadDirctoryStructureToFile(path, L"E:\\list.txt", pattern, append);
    Lines lines = SettingLines(FileBytes(L"E:\\list.txt"));
    std::ranges::sort(lines);
    return {listed && path.ends_with(L'\\'), lines};
}

// Each file of every directory the pattern lets in, once: a hidden directory is entered, a
// name outside the code page has "?" for the letter. A listing can append; one asked to
// stop, before or while it runs (it lets the window work at each entry), ends at its next
// entry and clears the request, as a showing of the file dialog also does; a missing
// directory lists nothing; a target that takes no lines fails the listing.
TEST_F(Utilities, AListingWritesEachFileOnceAndStopsWhenAsked) {
    Lay({{L"E:\\D\\a.txt", "a"},
         {L"E:\\D\\Sub\\\u0442.txt", "t"},
         {L"E:\\D\\Sub\\b.txt", "b"},
         {L"E:\\D\\Hid\\x.ini", "x"},
         {L"E:\\list.txt", "old\r\n"}});
    SetFileAttributesW(L"E:\\D\\Hid", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    OnStick([this](Platform&, Files& files) {
        EXPECT_EQ(List(files, L"*.txt", true), std::pair(true, Lines{"E:\\D\\a.txt", "old"}));
        const auto all = std::pair(
            true, Lines{"E:\\D\\Hid\\x.ini", "E:\\D\\Sub\\?.txt", "E:\\D\\Sub\\b.txt", "E:\\D\\a.txt"});
        EXPECT_EQ(List(files), all);
        EXPECT_EQ(List(files, L"*.*", false, L"E:\\None"), std::pair(true, Lines{}));
        files.RequestStopListing();
        EXPECT_EQ(List(files), std::pair(true, Lines{}));
        EXPECT_EQ(List(files), all);
        files.RequestStopListing();
        files.FileDirSelectDialog(L"E:\\D");  // Abbruch: a showing alone clears the request
        EXPECT_EQ(List(files), all);
        ui.whilePumping = [&files] { files.RequestStopListing(); };
        EXPECT_EQ(List(files), std::pair(true, Lines{}));
    });
    // Appending, the first append fails in this directory, the second in a subdirectory;
    // listing anew, the removal of the old list fails, or the new list's creation.
    for (const auto& [failAt, append] : {std::pair{1, true}, {2, true}, {1, false}, {2, false}}) {
        FaultyFiles failing(failAt, Fault::Clean);
        Run(failing, [&](Platform&, Files& files) {
            std::wstring path = L"E:\\D";  // not through List, whose separator check would fail it anyway
            EXPECT_FALSE(files.ReadDirctoryStructureToFile(path, L"E:\\list.txt", L"*.*", append));
        });
    }
}

// A move replaces only when told to, never a read-only file, and never loses the file it
// was to replace; a name that differs in letter case only is the file itself; a directory
// is no file to move.
TEST_F(Utilities, AMoveNeverLosesTheFileItWasToReplace) {
    Lay({{L"E:\\D\\a.txt", "a"}, {L"E:\\D\\b.txt", "b"}, {L"E:\\D\\c.ini", "c"}, {L"E:\\D\\r.ini", "r"}});
    SetFileAttributesW(L"E:\\D\\r.ini", FILE_ATTRIBUTE_READONLY);
    OnStick([](Platform&, Files& files) {
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini"), FileMoveResult::NotMoved);
        EXPECT_EQ(files.FileMove(L"E:\\D\\c.ini", L"E:\\D\\C.INI", true), FileMoveResult::NotMoved);
        EXPECT_EQ(files.FileMove(L"E:\\D\\b.txt", L"E:\\D\\r.ini", true), FileMoveResult::Failed);
        const HANDLE held = CreateFileW(L"E:\\D\\a.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini", true), FileMoveResult::Failed);
        CloseHandle(held);
        EXPECT_EQ(FileBytes(L"E:\\D\\c.ini") + FileBytes(L"E:\\D\\r.ini"), "cr");
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\c.ini", true), FileMoveResult::Moved);
        EXPECT_EQ(FileBytes(L"E:\\D\\c.ini") + FileBytes(L"E:\\D\\a.txt"), "a" + kMissing);
        EXPECT_EQ(files.FileMove(L"E:\\D\\a.txt", L"E:\\D\\d.txt"), FileMoveResult::Failed);
        EXPECT_EQ(files.FileMove(L"E:\\D", L"E:\\E"), FileMoveResult::Failed);
        EXPECT_EQ(files.FileMove(L"E:\\D\\b.txt", L"C:\\velmora-b.txt"), FileMoveResult::Moved);
        EXPECT_TRUE(DeleteFileW(L"C:\\velmora-b.txt"));
    });
}

// A form of up to 163 characters fits; for a longer one the path comes back as it was given.
TEST_F(Utilities, AShortOrLongFormIsGivenOnlyWhereItFits) {
    const std::wstring name = L"E:\\Web Browser\\" + std::wstring(144, L'n') + L".exe",  // 163 characters
        deep = L"E:\\D\\" + std::wstring(159, L'x');                                     // 164
    Lay({{name, ""}, {deep, ""}});
    OnStick([&](Platform&, Files& files) {
        const std::wstring shortName = files.FileGetShortFileName(name),
                           deepShort = files.FileGetShortFileName(deep);
        EXPECT_EQ(shortName.find(L' '), std::wstring::npos) << shortName;
        EXPECT_EQ(files.FileGetLongFileName(shortName), name);
        EXPECT_EQ(files.FileGetShortFileName(L"E:\\none"), L"E:\\none");
        EXPECT_LT(deepShort.size(), 20u);
        EXPECT_EQ(files.FileGetLongFileName(deepShort), deepShort);
    });
}

// A program runs from the current directory as shown; a document opens with its program,
// started hidden in that program's directory, and the current directory is the document's.
// A name too short for a type is run as a program.
TEST_F(Utilities, AProgramRunsAsItIsAndADocumentWithItsProgram) {
    Lay({{L"E:\\TC\\Tool.Com", kStandin},
         {L"E:\\TC\\a.x", kStandin},
         {L"E:\\Web Browser\\Totalcmd.exe", kStandin},
         {L"E:\\D\\p.html", "<p>"},
         {L"E:\\D\\x.nothing", ""}});
    OnStick([](Platform& platform, Files& files) {
        std::wstring program = L"Tool.Com", page = L"E:\\D\\p.html", unknown = L"E:\\D\\x.nothing",
                     tooShort = L"E:\\TC\\a.x";
        EXPECT_TRUE(files.FileRun(program, ProcessEnvironment::kShowNormal));
        ASSERT_EQ(Starts(1).size(), 1u);  // the next start may not record before this one
        EXPECT_FALSE(files.FileRun(unknown));
        EXPECT_TRUE(files.FileRun(tooShort));
        ASSERT_EQ(Starts(2).size(), 2u);
        EXPECT_TRUE(files.FileRun(page));
        const auto starts = Starts(3);
        ASSERT_EQ(starts.size(), 3u);
        EXPECT_EQ(starts[0].commandLine + L" " + starts[0].show, L"E:\\TC\\Tool.Com 1");  // no document
        EXPECT_EQ(starts[1].commandLine, L"E:\\TC\\a.x");
        EXPECT_EQ(starts[2].commandLine, L"\"E:\\Web Browser\\Totalcmd.exe\" E:\\D\\p.html");
        EXPECT_EQ(starts[2].directory + L" " + starts[2].show, L"E:\\Web Browser 0");
        EXPECT_EQ(platform.files.CurrentDirectory(), L"E:\\D");
    });
}

// The web page opens with the program for ".html" files. That program is asked for through
// a throw-away file beside the name, or at the root of the program's drive where it cannot
// be, or for the bare extension when no such name is free; none stays behind.
TEST_F(Utilities, TheWebPageOpensWithTheHtmlProgramAndLeavesNoTrace) {
    const std::wstring browser = L"E:\\Web Browser\\Totalcmd.exe";
    Lay({{browser, kStandin},
         {L"E:\\D\\p.html", "<p>"},
         {L"E:\\x.html", "<p>"},
         {L"E:\\Kavo00001.html", "a page of the user's, the throw-away file's first name"}});
    OnStick([&](Platform& platform, Files& files) {
        const auto before = Snapshot(L"E:\\");
        const auto program = [&platform](const wchar_t* name) {
            return GetAssociatedProgram(platform, name);
        };
        // Clicked in the setup window, whose link is hidden until the browser has started.
        struct : SetupView {
            std::vector<bool> shown;
            void ShowWebLink(bool visible) override { shown.push_back(visible); }
        } link;
        DesktopShortcutCreator shortcuts(platform);
        StartupSequence startup(platform, files, shortcuts);
        SetupWindowController(platform, startup.Imports(), shortcuts, L"https://velmora.example.org/")
            .Label2_Click(link);
        EXPECT_EQ(link.shown, (std::vector<bool>{false, true}));
        const auto starts = Starts(1);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].commandLine, L"\"" + browser + L"\" https://velmora.example.org/");
        for (const wchar_t* name : {L"E:\\D\\none.html", L"E:/D/p.html", L"E:\\None\\x.html"})
            EXPECT_EQ(program(name), browser) << name;
        EXPECT_EQ(program(L"E:\\D\\readme"), L"");  // a name without a type has none
        const auto takeNames = [](const std::wstring& stem, const std::wstring& suffix) {
            for (const std::wstring number : {L"", L"2", L"3", L"4", L"5", L"6", L"7", L"8"})
                CreateDirectoryW((L"E:\\" + stem + number + suffix).c_str(), nullptr);
        };
        takeNames(L"zzzzzzzTemp", L"_x.html");
        EXPECT_EQ(program(L"E:\\None\\x.html"), browser);
        takeNames(L"RunFileTmp", L".html");  // the names for the extension alone
        EXPECT_EQ(program(L"E:\\None\\x.html"), L"");
        // A bare name is the one at the root of the current drive.
        EXPECT_EQ(program(L"x.html"), browser);
        EXPECT_EQ(program(L"E:\\None\\*.html"), browser);  // a leading "*" is no wildcard
        EXPECT_TRUE(ui.shown.empty());
        // A program is its own; a name with a wildcard is asked about, and Yes gives up.
        EXPECT_EQ(program(browser.c_str()), browser);
        ui.answer = [](const Message&) { return MessageAnswer::Yes; };
        EXPECT_EQ(program(L"E:\\D\\a*b.txt"), L"");
        EXPECT_EQ(ui.shown.back().message.text, L"a*b.txtEnth\u00e4lt ung\u00fcltige Zeichen Abbrechen?");
        EXPECT_EQ(Snapshot(L"E:\\"), before);
    });
}

// Values are read whole; a missing file is made only when asked, and never by a read; a
// file named without a drive is the one in the current directory.
TEST_F(Utilities, IniValuesAreReadWholeAndFilesMadeOnlyWhenAsked) {
    const std::wstring settings = L"E:\\TC\\s.ini", made = L"E:\\TC\\made.ini";
    Lay({{settings, "[C]\r\nempty=\r\nblank=   \r\nlong=" + std::string(2000, 'v') + "\r\n"}});
    OnStick([&](Platform& p, Files&) {
        EXPECT_EQ(ReadIniValue(p, L"C", L"long", L"s.ini", L"d", false), std::wstring(2000, L'v'));
        for (const wchar_t* key : {L"empty", L"blank", L"none"})
            EXPECT_EQ(ReadIniValue(p, L"c", key, settings, L"d", false), L"d") << key;
        EXPECT_EQ(ReadIniValue(p, L"C", L"k", made, L"d", false), L"d");
        EXPECT_FALSE(WriteIniValue(p, L"S", L"k", L"v", made, false));
        EXPECT_EQ(FileBytes(made), kMissing);
        EXPECT_EQ(ReadIniValue(p, L"C", L"k", made, L"d", true), L"d");
        EXPECT_EQ(FileBytes(made), "");
        EXPECT_TRUE(WriteIniValue(p, L"S", L"k", L"v", made, false));
        EXPECT_EQ(SettingLines(FileBytes(made)), SettingLines("[S]\r\nk=v\r\n"));
    });
}

TEST_F(Utilities, ADirectoryPathIsMadeAbsoluteAsTheSystemTakesIt) {
    Lay({{L"E:\\TC\\a.ini", "a"}});
    startIn = L"e:\\TC";  // the drive's letter as the system keeps it: in lower case
    OnStick([](Platform& p, Files&) {
        const std::pair<const wchar_t*, const wchar_t*> paths[] = {
            {L"e:", L"E:\\TC"},         {L"x", L"E:\\TC\\x"},
            {L"\\x", L"E:\\x"},         {L"..\\A\\.", L"E:\\A"},
            {L"e:/TC/B/..", L"E:\\TC"}, {L"\\\\server\\share\\x", L"\\\\server\\share\\x"}};
        for (const auto& [given, absolute] : paths)
            EXPECT_EQ(AbsoluteDirectoryPath(p.files, given).value_or(L"<none>"), absolute) << given;
    });
}

// A copy never replaces without being told to, nor a read-only file, nor one whose working
// name is taken by a directory, nor copies a file onto itself or to no name; a failed move
// into place is no copy.
TEST_F(Utilities, ACopyReplacesOnlyWhenToldAndNeverItsSource) {
    Lay({{L"E:\\TC\\a.ini", "a"}, {L"E:\\TC\\b.ini", "b"}, {L"E:\\TC\\r.ini", "r"}});
    SetFileAttributesW(L"E:\\TC\\r.ini", FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW(L"E:\\TC\\b.ini_temp2.txt", nullptr);
    OnStick([](Platform& p, Files&) {
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\b.ini", false));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\r.ini", true));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\b.ini", true));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"e:\\tc\\A.INI", true));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\none.ini", L"E:\\TC\\c.ini", true));
        EXPECT_FALSE(FileCopyChecked(p, L"", L"E:\\TC\\c.ini", true));
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"", true));
        EXPECT_EQ(FileBytes(L"E:\\TC\\a.ini") + FileBytes(L"E:\\TC\\b.ini") + FileBytes(L"E:\\TC\\r.ini") +
                      FileBytes(L"E:\\TC\\c.ini"),
                  "abr" + kMissing);
        RemoveDirectoryW(L"E:\\TC\\b.ini_temp2.txt");
        EXPECT_TRUE(FileCopyChecked(p, L"E:\\TC\\a.ini", L"E:\\TC\\b.ini", true));
        EXPECT_EQ(FileBytes(L"E:\\TC\\b.ini"), "a");
    });
    FaultyFiles failing(4, Fault::Clean);  // the move into place, after a read, a write and a flush
    Run(failing, [](Platform& p, Files&) {
        EXPECT_FALSE(FileCopyChecked(p, L"E:\\TC\\r.ini", L"E:\\TC\\b.ini", true));
        EXPECT_EQ(FileBytes(L"E:\\TC\\b.ini"), "a");
    });
}

// Seen only when the rewrite could not run: here its read of the settings file fails, or its
// write (the first write of the start). A
// UTF-16 settings file is read and written by the profile functions in UTF-16; paths
// compare in Windows' upper case (E:\TÖTÄL is the directory E:\Tötäl).
TEST_F(Utilities, TheBarEntryIsRepairedOnlyForAnExistingBarInsideTheDirectory) {
    const std::string kRepaired = "%COMMANDER_PATH%\\TC_portable_Default.bar";
    const struct {
        std::string entry, repaired;
        bool utf16;
    } cases[] = {{"e:\\t\xF6t\xE4l\\bars\\my.bar", kRepaired, false},
                 {"E:\\T\xD6T\xC4L\\bars\\my.bar", kRepaired, true},
                 {"C:\\windows\\win.ini", "C:\\windows\\win.ini", false},
                 {"E:\\T\xF6t\xE4l\\missing.bar", "E:\\T\xF6t\xE4l\\missing.bar", true}};
    const std::wstring tc = L"E:\\T\u00f6t\u00e4l", settings = tc + L"\\TC_portable_wincmd.ini";
    for (const auto& c : cases) {
        for (const std::size_t failAt : {1, 2}) {
            ClearStick();
            const std::string text = "[Buttonbar]\r\nButtonbar=" + c.entry + "\r\n";
            std::u16string wide;
            for (const unsigned char byte : text)
                wide += byte;  // Latin-1 is UTF-16's first block
            Lay({{tc + L"\\Totalcmd.exe", kStandin},
                 {tc + L"\\bars\\my.bar", ""},
                 {settings, c.utf16 ? Utf16Bytes(wide) : text},
                 {tc + L"\\TC_portable_wcx_ftp.ini", ""}});
            FaultyFiles files(failAt, Fault::Clean);
            Start(L"", tc, &files);
            std::string now = FileBytes(settings);
            EXPECT_EQ(now.starts_with("\xFF\xFE"), c.utf16);
            if (c.utf16) std::erase(now, '\0');  // back to Latin-1: no character here is above it
            EXPECT_EQ(SettingLines(now.substr(c.utf16 ? 2 : 0)).back(), "Buttonbar=" + c.repaired)
                << c.entry << ", fault at operation " << failAt;
        }
    }
}

}  // namespace
}  // namespace velmora::wine
