#include <gtest/gtest.h>

#include "common/CommandLine.h"
#include "import/FileRoutines.h"
#include "launcher/QuotePath.h"
#include "launcher/StartupSequence.h"
#include "launcher/TcDiscovery.h"

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
