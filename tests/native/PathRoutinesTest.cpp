#include <gtest/gtest.h>

#include "common/CommandLine.h"
#include "common/Paths.h"
#include "filedialog/DialogPaths.h"
#include "filedialog/DirectoryTree.h"
#include "launcher/LaunchCommand.h"
#include "launcher/StartupSequence.h"
#include "shortcut/DesktopShortcuts.h"
#include "sysutil/ThrowAwayFile.h"

namespace velmora {
namespace {

TEST(CommandLineTail, FollowsTheProgramPathAndItsBlanks) {
    EXPECT_EQ(CommandLineTailOf(L"\"E:\\My TC\\velmora.exe\" /?"), L"/?");
    EXPECT_EQ(CommandLineTailOf(L"E:\\TC\\velmora.exe \t  x /? "), L"x /? ");
    EXPECT_EQ(CommandLineTailOf(L"\"velmora.exe\""), L"");
    EXPECT_EQ(CommandLineTailOf(L"\"\" x"), L"x");
}

TEST(LaunchCommand, NamesThePrivateSettingsUnlessTheTailNamesItsOwn) {
    struct Case {
        const wchar_t *tail, *main = L"m.ini", *ftp = L"f.ini", *command;
    };
    const Case cases[] = {
        {.tail = L"", .command = L"tc  /i=m.ini /f=f.ini"},
        {.tail = L"/i=a.ini", .main = L"m 1.ini", .ftp = L"", .command = L"tc /i=a.ini /i=\"m 1.ini\""},
        {.tail = L"x /I=C:\\a.ini", .command = L"tc x /I=C:\\a.ini /f=f.ini"},
        {.tail = L"x /f=C:\\b.ini", .command = L"tc x /f=C:\\b.ini /i=m.ini"},
        // A quote the tail leaves open is closed before the options, and only for them.
        {.tail = L"\"C:\\a 1.txt /O", .command = L"tc \"C:\\a 1.txt /O\" /i=m.ini /f=f.ini"},
        {.tail = L"\"a b\" c", .ftp = L"", .command = L"tc \"a b\" c /i=m.ini"},
        {.tail = L"\"a b", .main = L"", .ftp = L"", .command = L"tc \"a b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LaunchCommandLine(L"tc", WithSettingsOptions(c.tail, c.main, c.ftp)), c.command) << c.tail;
    EXPECT_EQ(LaunchCommandLine(L"E:\\My TC\\Totalcmd.exe", L""), L"\"E:\\My TC\\Totalcmd.exe\"");
}

TEST(Shortcuts, TargetFollowsTheDirectorysSeparatorAndSetupTailsTakeNoArguments) {
    EXPECT_EQ(ShortcutTarget(L"E:\\TC", L"velmora"), L"E:\\TC\\velmora.exe");
    EXPECT_EQ(ShortcutTarget(L"E:\\", L"velmora"), L"E:\\velmora.exe");
    EXPECT_EQ(ShortcutTarget(L"E:/TC", L"v"), L"E:/TC/v.exe");
    for (const wchar_t* tail : {L"", L"   ", L"/setup", L"  Setup ", L"-sEtUp", L"/?"})
        EXPECT_TRUE(IsSetupTail(tail)) << tail;
    for (const wchar_t* tail : {L"?", L"-?", L"/O", L"/? x"})
        EXPECT_FALSE(IsSetupTail(tail)) << tail;
}

TEST(DriveLetterOf, IsTheLetterBeforeAColonAtTheStart) {
    EXPECT_EQ(DriveLetterOf(L"e:\\TC"), L'e');
    EXPECT_EQ(DriveLetterOf(L"E:"), L'E');
    for (const wchar_t* path : {L"", L"E", L"\\\\s\\x", L"\\E:", L"TC\\E:"})
        EXPECT_EQ(DriveLetterOf(path), std::nullopt) << path;
}

TEST(ThrowAwayNames, TheFixedNameFirstThenNumberedOnesOfItsForm) {
    const ThrowAwayNames page{L"E:\\", L"Kavo00001.html", L"Kavo", L".html", 5};
    EXPECT_EQ(page.Candidate(0), L"E:\\Kavo00001.html");
    EXPECT_EQ(page.Candidate(11), L"E:\\Kavo00012.html");
}

TEST(HelpSwitch, IsTheWholeTailExactly) {
    for (const wchar_t* tail : {L"/?", L"?", L"-?", L"/SETUP", L"/setup", L"Setup", L"-SeTuP"})
        EXPECT_TRUE(IsHelpSwitch(tail)) << tail;
    for (const wchar_t* tail : {L"/? ", L" /?", L"/SETUP ", L"setup ", L"", L"/h", L"/?x"})
        EXPECT_FALSE(IsHelpSwitch(tail)) << tail;
}

TEST(DialogPaths, PathPartsAndSeparators) {
    EXPECT_EQ(LastPathPart(L"C:\\Apps/*.bar"), L"*.bar");
    EXPECT_EQ(LastPathPart(L"plain"), L"");

    EXPECT_EQ(CutAtLastBackslash(L"C:\\Apps\\"), L"C:\\Apps");

    EXPECT_EQ(WithSeparator(L"C:\\"), L"C:\\");
    EXPECT_EQ(PathWithSeparator(L"\"C:\\My TC\""), L"\"C:\\My TC\\\"");  // inside a closing quote
    EXPECT_EQ(PathWithSeparator(L"C:/TC"), L"C:/TC/");
    EXPECT_EQ(WithSeparator(L""), L"");
    EXPECT_EQ(EndingInBackslash(L""), L"\\");

    EXPECT_TRUE(HasWildcard(L"a?.ini"));
    EXPECT_FALSE(HasWildcard(L"a.ini"));

    for (const wchar_t* full : {L"\\\\s\\x", L"c:x", L"Z:\\"})
        EXPECT_TRUE(IsFullPath(full)) << full;
    for (const wchar_t* relative : {L"\\x", L"1:\\x", L"x"})
        EXPECT_FALSE(IsFullPath(relative)) << relative;
}

// The pattern is whatever follows the default name's last dot or backslash.
TEST(DialogPaths, OpenCaptionAppendsTheDefaultNamesPatternBehindFourBlanks) {
    EXPECT_EQ(OpenDialogCaption(L"Pick", L""), L"Pick");
    EXPECT_EQ(OpenDialogCaption(L"Pick", L"Default.bar"), L"Pick    (\"*.bar\")");
    EXPECT_EQ(OpenDialogCaption(L"", L"readme"), L"Open File    (\"\")");
    EXPECT_EQ(ExtensionPattern(L"a.b\\c"), L"*.c");
    EXPECT_EQ(ExtensionPattern(L"name."), L"*.");
}

TEST(DirectoryTree, RowsShowTheRootAndAncestorsOpenAndSubdirectoriesSortedBelow) {
    const auto rows = DirectoryRows(L"E:\\TC\\Sub", {L"zeta", L"Alpha", L"beta"});
    const std::vector<DirectoryRow> expected{
        {L"E:\\", 0, true},   {L"TC", 1, true},    {L"Sub", 2, true},
        {L"Alpha", 3, false}, {L"beta", 3, false}, {L"zeta", 3, false},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(DirectoryOfRow(rows, 4), L"E:\\TC\\Sub\\beta");
    EXPECT_EQ(DirectoryOfRow(rows, 6), std::nullopt);

    const auto root = DirectoryRows(L"C:\\", {L"Windows"});
    EXPECT_EQ(root, (std::vector<DirectoryRow>{{L"C:\\", 0, true}, {L"Windows", 1, false}}));
    EXPECT_EQ(DirectoryOfRow(root, 1), L"C:\\Windows");

    const auto share = DirectoryRows(L"\\\\server\\share\\x", {});
    EXPECT_EQ(share, (std::vector<DirectoryRow>{{L"\\\\server\\share\\", 0, true}, {L"x", 1, true}}));
    EXPECT_EQ(DirectoryOfRow(share, 1), L"\\\\server\\share\\x");
}

}  // namespace
}  // namespace velmora
