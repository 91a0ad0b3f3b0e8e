// The command line that reaches Total Commander: the launcher's own tail, then the
// private settings options, unless the tail already names settings files of its own.
#include <ostream>

#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

struct TailCase {
    const char* name;
    std::wstring tail;
    std::wstring command;
};

// Names the case in gtest output instead of dumping its bytes.
void PrintTo(const TailCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLineTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
        stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
        stick_.AddFile(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    }

    void AddPrivateFiles() {
        stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
        stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[Home]\r\n");
    }

    std::wstring velmora_;
};

class TailTest : public CommandLineTest, public ::testing::WithParamInterface<TailCase> {};

TEST_P(TailTest, ReachesTotalCommander) {
    AddPrivateFiles();
    Start(velmora_, GetParam().tail, L"E:\\TC");
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, GetParam().command);
    EXPECT_EQ(launch.currentDirectory, L"E:\\TC");
}

INSTANTIATE_TEST_SUITE_P(
    Tails, TailTest,
    ::testing::Values(
        TailCase{
            "Empty", L"",
            L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{"OwnSwitches", L"/O /T",
                 L"E:\\TC\\Totalcmd.exe /O /T /i=E:\\TC\\TC_portable_wincmd.ini "
                 L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{
            "BlanksAroundTheTail", L"  /O  ",
            L"E:\\TC\\Totalcmd.exe /O /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{"OwnMainSettings", L"x /I=C:\\my.ini",
                 L"E:\\TC\\Totalcmd.exe x /I=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{"OwnMainSettingsLowerCase", L"x /i=C:\\my.ini",
                 L"E:\\TC\\Totalcmd.exe x /i=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{"OwnFtpSettings", L"x /F=C:\\ftp.ini",
                 L"E:\\TC\\Totalcmd.exe x /F=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini"},
        TailCase{"OwnFtpSettingsLowerCase", L"x /f=C:\\ftp.ini",
                 L"E:\\TC\\Totalcmd.exe x /f=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini"},
        TailCase{"OwnSettingsBoth", L"x /i=C:\\a.ini /F=C:\\b.ini",
                 L"E:\\TC\\Totalcmd.exe x /i=C:\\a.ini /F=C:\\b.ini"},
        // Without a blank before it the option does not count as the user's own.
        TailCase{"MainSettingsAtTheStart", L"/i=C:\\my.ini",
                 L"E:\\TC\\Totalcmd.exe /i=C:\\my.ini /i=E:\\TC\\TC_portable_wincmd.ini "
                 L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"},
        TailCase{"FtpSettingsAtTheStart", L"/F=C:\\ftp.ini",
                 L"E:\\TC\\Totalcmd.exe /F=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini "
                 L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"}),
    [](const auto& p) { return std::string(p.param.name); });

// With its own main settings file on the command line the first start asks only about
// wcx_ftp.ini and creates no private wincmd.ini.
TEST_F(CommandLineTest, OwnMainSettingsSkipTheMainImport) {
    Start(velmora_, L"x /I=C:\\my.ini", L"E:\\TC");
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, L"E:\\TC\\Totalcmd.exe x /I=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini");
    EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wincmd.ini"));
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"),
              "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");
}

TEST_F(CommandLineTest, OwnFtpSettingsSkipTheFtpImport) {
    Start(velmora_, L"x /F=C:\\ftp.ini", L"E:\\TC");
    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, L"E:\\TC\\Totalcmd.exe x /F=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini");
    EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wcx_ftp.ini"));
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n");
}

}  // namespace
}  // namespace velmora::e2e
