// Help and setup switches: as the whole tail they open the setup window instead of
// starting Total Commander; with anything more, even one trailing blank, they are an
// ordinary tail handed on to Total Commander.
#include <ostream>

#include "tests/LauncherTest.h"
#include "tests/SetupWindowChecks.h"

namespace velmora::e2e {
namespace {

class HelpSwitchTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
        stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    }

    std::wstring velmora_;
};

class SetupWindowTest : public HelpSwitchTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(SetupWindowTest, OpensTheSetupWindowAndStartsNothing) {
    // The exact command line: nothing after the switch.
    StartWithCommandLine(velmora_, L"\"E:\\TC\\velmora.exe\" " + std::wstring(GetParam()), L"E:\\TC");
    HWND window = WaitForWindow(kSetupWindowCaption);
    ExpectSetupWindow(window);
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
    // The help branch runs no import.
    EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wincmd.ini"));
    EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wcx_ftp.ini"));
}

INSTANTIATE_TEST_SUITE_P(Switches, SetupWindowTest,
                         ::testing::Values(L"/?", L"?", L"-?", L"/setup", L"Setup", L"-SETUP", L"/SETUP",
                                           L"setup", L"-Setup"),
                         [](const auto& p) { return "Switch" + std::to_string(p.index); });

struct TrailingBlankCase {
    const char* name;
    std::wstring commandLine;
    std::wstring command;
    bool offersShortcuts = false;
};

// Names the case in gtest output instead of dumping its bytes.
void PrintTo(const TrailingBlankCase& c, std::ostream* os) {
    *os << c.name;
}

class TrailingBlankTest : public HelpSwitchTest, public ::testing::WithParamInterface<TrailingBlankCase> {};

TEST_P(TrailingBlankTest, StartsTotalCommanderWithTheSwitch) {
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[Home]\r\n");
    StartWithCommandLine(velmora_, GetParam().commandLine, L"E:\\TC");
    // "setup " with a blank is no switch, but still a word that brings the shortcut offer.
    if (GetParam().offersShortcuts) {
        AnswerBox(ShortcutQuestion(), IDNO);
    }
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, TrailingBlankTest,
    ::testing::Values(TrailingBlankCase{"QuestionMark", L"\"E:\\TC\\velmora.exe\" /? ",
                                        L"E:\\TC\\Totalcmd.exe /? /i=E:\\TC\\TC_portable_wincmd.ini "
                                        L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"},
                      TrailingBlankCase{"BareQuestionMark", L"\"E:\\TC\\velmora.exe\" ? ",
                                        L"E:\\TC\\Totalcmd.exe ? /i=E:\\TC\\TC_portable_wincmd.ini "
                                        L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"},
                      TrailingBlankCase{"SlashSetup", L"\"E:\\TC\\velmora.exe\" /SETUP ",
                                        L"E:\\TC\\Totalcmd.exe /SETUP /i=E:\\TC\\TC_portable_wincmd.ini "
                                        L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"},
                      TrailingBlankCase{"SetupWord", L"\"E:\\TC\\velmora.exe\" setup ",
                                        L"E:\\TC\\Totalcmd.exe setup /i=E:\\TC\\TC_portable_wincmd.ini "
                                        L"/f=E:\\TC\\TC_portable_wcx_ftp.ini",
                                        true},
                      TrailingBlankCase{"SwitchWithMore", L"\"E:\\TC\\velmora.exe\" /? x",
                                        L"E:\\TC\\Totalcmd.exe /? x /i=E:\\TC\\TC_portable_wincmd.ini "
                                        L"/f=E:\\TC\\TC_portable_wcx_ftp.ini"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velmora::e2e
