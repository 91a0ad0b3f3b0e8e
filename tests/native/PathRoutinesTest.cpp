#include <gtest/gtest.h>

#include "common/CommandLine.h"
#include "common/Paths.h"
#include "launcher/LaunchCommand.h"
#include "launcher/StartupSequence.h"
#include "shortcut/DesktopShortcuts.h"
#include "sysutil/ThrowAwayFile.h"

namespace velmora {
namespace {

TEST(PathWithSeparator, AppendsTheSeparatorThePathAlreadyUses) {
    EXPECT_EQ(PathWithSeparator(L"E:\\TC"), L"E:\\TC\\");
    EXPECT_EQ(PathWithSeparator(L"E:\\TC\\"), L"E:\\TC\\");
    EXPECT_EQ(PathWithSeparator(L"E:/TC"), L"E:/TC/");
    EXPECT_EQ(PathWithSeparator(L"E:/TC\\sub"), L"E:/TC\\sub\\");
    EXPECT_EQ(PathWithSeparator(L"E:"), L"E:");
    EXPECT_EQ(PathWithSeparator(L"\"E:\\My TC\""), L"\"E:\\My TC\\\"");
    EXPECT_EQ(PathWithSeparator(L"\\\\server\\share"), L"\\\\server\\share\\");
}

TEST(QuotePath, QuotesOnlyPathsWithBlanksAndNoQuotes) {
    EXPECT_EQ(QuotePath(L"E:\\TC\\Totalcmd.exe"), L"E:\\TC\\Totalcmd.exe");
    EXPECT_EQ(QuotePath(L"E:\\My TC\\Totalcmd.exe"), L"\"E:\\My TC\\Totalcmd.exe\"");
    EXPECT_EQ(QuotePath(L"  E:\\My TC\\a.ini "), L"\"E:\\My TC\\a.ini\"");
    EXPECT_EQ(QuotePath(L"\"E:\\My TC\\a.ini\""), L"\"E:\\My TC\\a.ini\"");
    EXPECT_EQ(QuotePath(L"   "), L"   ");
    EXPECT_EQ(QuotePath(L""), L"");
}

TEST(GetFileNameFromPath, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(GetFileNameFromPath(L"C:\\dir\\"), L"");
    EXPECT_EQ(GetFileNameFromPath(L"name.ini"), L"name.ini");
    EXPECT_EQ(GetFileNameFromPath(L"C:/a/b.bar"), L"b.bar");
    EXPECT_EQ(GetFileNameFromPath(L"C:\\a/b\\c.ini"), L"c.ini");
    EXPECT_EQ(GetFileNameFromPath(L""), L"");
}

TEST(CommandLineTail, FollowsTheProgramPathAndItsBlanks) {
    EXPECT_EQ(CommandLineTailOf(L"\"E:\\My TC\\velmora.exe\" /?"), L"/?");
    EXPECT_EQ(CommandLineTailOf(L"E:\\TC\\velmora.exe   /? "), L"/? ");
    EXPECT_EQ(CommandLineTailOf(L"velmora.exe"), L"");
    EXPECT_EQ(CommandLineTailOf(L"\"velmora.exe\""), L"");
    EXPECT_EQ(CommandLineTailOf(L"velmora.exe\tx /i=a"), L"x /i=a");
}

TEST(LaunchCommand, NamesThePrivateSettingsUnlessTheTailNamesItsOwn) {
    struct Case {
        const wchar_t *tail, *main, *ftp, *command;
    };
    const Case cases[] = {
        {L"", L"E:\\TC\\m.ini", L"E:\\TC\\f.ini", L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\m.ini /f=E:\\TC\\f.ini"},
        {L"/O", L"E:\\My TC\\m.ini", L"", L"E:\\TC\\Totalcmd.exe /O /i=\"E:\\My TC\\m.ini\""},
        {L"x /I=C:\\a.ini", L"m.ini", L"f.ini", L"E:\\TC\\Totalcmd.exe x /I=C:\\a.ini /f=f.ini"},
        {L"x /f=C:\\b.ini", L"m.ini", L"f.ini", L"E:\\TC\\Totalcmd.exe x /f=C:\\b.ini /i=m.ini"},
        {L"/i=C:\\a.ini", L"m.ini", L"", L"E:\\TC\\Totalcmd.exe /i=C:\\a.ini /i=m.ini"},
        {L"", L"", L"", L"E:\\TC\\Totalcmd.exe"},
        // A quote the tail leaves open is closed before the options, and only for them.
        {L"\"C:\\My Dir\\a 1.txt /O", L"m.ini", L"f.ini",
         L"E:\\TC\\Totalcmd.exe \"C:\\My Dir\\a 1.txt /O\" /i=m.ini /f=f.ini"},
        {L"\"a b\" c", L"m.ini", L"", L"E:\\TC\\Totalcmd.exe \"a b\" c /i=m.ini"},
        {L"\"a b", L"", L"", L"E:\\TC\\Totalcmd.exe \"a b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LaunchCommandLine(L"E:\\TC\\Totalcmd.exe", WithSettingsOptions(c.tail, c.main, c.ftp)),
                  c.command)
            << c.tail;
    EXPECT_EQ(LaunchCommandLine(L"E:\\My TC\\Totalcmd.exe", L""), L"\"E:\\My TC\\Totalcmd.exe\"");
}

TEST(Shortcuts, TargetFollowsTheDirectorysSeparatorAndSetupTailsTakeNoArguments) {
    EXPECT_EQ(ShortcutTarget(L"E:\\TC", L"velmora"), L"E:\\TC\\velmora.exe");
    EXPECT_EQ(ShortcutTarget(L"E:\\", L"velmora"), L"E:\\velmora.exe");
    EXPECT_EQ(ShortcutTarget(L"E:/TC", L"v"), L"E:/TC/v.exe");
    EXPECT_EQ(ShortcutTarget(L"\\\\server\\share", L"v"), L"\\\\server\\share\\v.exe");
    for (const wchar_t* tail : {L"", L"   ", L"/setup", L"  Setup ", L"-sEtUp", L"/?"})
        EXPECT_TRUE(IsSetupTail(tail)) << tail;
    for (const wchar_t* tail : {L"?", L"-?", L"/O", L"/? x"})
        EXPECT_FALSE(IsSetupTail(tail)) << tail;
}

TEST(ThrowAwayNames, TheFixedNameFirstThenNumberedOnesOfItsForm) {
    const ThrowAwayNames page{L"E:\\", L"Kavo00001.html", L"Kavo", L".html", 5};
    EXPECT_EQ(page.Candidate(0), L"E:\\Kavo00001.html");
    EXPECT_EQ(page.Candidate(1), L"E:\\Kavo00002.html");
    EXPECT_EQ(page.Candidate(11), L"E:\\Kavo00012.html");
    const ThrowAwayNames bare{L"E:\\", L"zzzzzzzTemp_.ext", L"zzzzzzzTemp", L"_.ext", 0};
    EXPECT_EQ(bare.Candidate(2), L"E:\\zzzzzzzTemp3_.ext");
}

TEST(HelpSwitch, IsTheWholeTailExactly) {
    for (const wchar_t* tail : {L"/?", L"?", L"-?", L"/SETUP", L"/setup", L"Setup", L"-SeTuP"}) {
        EXPECT_TRUE(IsHelpSwitch(tail)) << tail;
    }
    for (const wchar_t* tail : {L"/? ", L" /?", L"/SETUP ", L"setup ", L"", L"/h", L"/?x"}) {
        EXPECT_FALSE(IsHelpSwitch(tail)) << tail;
    }
}

}  // namespace
}  // namespace velmora
