// Finding Total Commander: beside the launcher (Totalcmd.exe preferred), or in an
// immediate subdirectory of the launcher's directory; otherwise the launcher says so
// and opens its setup window.
#include <algorithm>
#include <cwctype>
#include <ostream>
#include <vector>

#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

std::wstring Upper(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towupper(c); });
    return text;
}

const std::wstring kPrivateOptions = L" /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";

struct ExecutableCase {
    const char* name;
    std::vector<std::wstring> present;
    std::wstring started;
};

// Names the case in gtest output instead of dumping its bytes.
void PrintTo(const ExecutableCase& c, std::ostream* os) {
    *os << c.name;
}

class ExecutableChoiceTest : public LauncherTest, public ::testing::WithParamInterface<ExecutableCase> {};

TEST_P(ExecutableChoiceTest, StartsThePreferredExecutable) {
    const std::wstring velmora = stick_.AddLauncher(L"TC");
    for (const std::wstring& name : GetParam().present) {
        stick_.AddTotalCommander(L"TC", name);
    }
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[Home]\r\n");
    Start(velmora, L"", L"E:\\TC");
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    const std::wstring started = L"E:\\TC\\" + GetParam().started;
    // Windows file names ignore case; the launcher may spell the name its own way.
    EXPECT_EQ(Upper(launch.executable), Upper(started));
    EXPECT_EQ(Upper(launch.commandLine), Upper(started + L" " + kPrivateOptions));
    EXPECT_EQ(launch.commandLine.substr(started.size()), L" " + kPrivateOptions);
}

INSTANTIATE_TEST_SUITE_P(Executables, ExecutableChoiceTest,
                         ::testing::Values(
                             ExecutableCase{
                                 "TotalcmdOverWinCmd32", {L"WinCmd32.exe", L"Totalcmd.exe"}, L"Totalcmd.exe"},
                             ExecutableCase{"OnlyWinCmd32", {L"WinCmd32.exe"}, L"WinCmd32.exe"},
                             ExecutableCase{"OnlyTotalcmd64", {L"TOTALCMD64.EXE"}, L"TOTALCMD64.EXE"}),
                         [](const auto& p) { return std::string(p.param.name); });

class SubdirectoryTest : public LauncherTest {
protected:
    void SetUp() override { velmora_ = stick_.AddLauncher(L""); }
    std::wstring velmora_;
};

TEST_F(SubdirectoryTest, UsesTotalCommanderInASubdirectoryOfTheRoot) {
    stick_.AddTotalCommander(L"TC");
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[Home]\r\n");
    Start(velmora_, L"", L"E:\\");
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, L"E:\\TC\\Totalcmd.exe " + kPrivateOptions);
    EXPECT_EQ(launch.currentDirectory, L"E:\\TC");
    EXPECT_EQ(launch.executable, L"E:\\TC\\Totalcmd.exe");
    EXPECT_FALSE(stick_.Exists(L"TC_portable_wincmd.ini")) << "private files belong in E:\\TC";
}

TEST_F(SubdirectoryTest, FirstStartImportsFromTheSubdirectory) {
    stick_.AddTotalCommander(L"TC");
    stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    stick_.AddFile(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=e:\\tc\\Download\r\n");
    Start(velmora_, L"", L"E:\\");

    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();

    EXPECT_EQ(launch.commandLine, L"E:\\TC\\Totalcmd.exe " + kPrivateOptions);
    EXPECT_EQ(launch.currentDirectory, L"E:\\TC");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"),
              "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");
    EXPECT_FALSE(stick_.Exists(L"TC_portable_wincmd.ini"));
}

TEST_F(SubdirectoryTest, TakesTheFirstSubdirectoryByNameThatHoldsEitherExecutable) {
    stick_.AddDirectory(L"A");
    stick_.AddTotalCommander(L"B", L"WinCmd32.exe");
    stick_.AddTotalCommander(L"C", L"Totalcmd.exe");
    stick_.AddFile(L"B\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    stick_.AddFile(L"B\\TC_portable_wcx_ftp.ini", "[Home]\r\n");
    Start(velmora_, L"", L"E:\\");
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine,
              L"E:\\B\\WinCmd32.exe  /i=E:\\B\\TC_portable_wincmd.ini /f=E:\\B\\TC_portable_wcx_ftp.ini");
    EXPECT_EQ(launch.currentDirectory, L"E:\\B");
}

struct NotFoundCase {
    const char* name;
    std::wstring launcherDirectory;
    std::wstring launcherName;
    std::wstring totalCommanderDirectory;  // empty: none on the stick
};

// Names the case in gtest output instead of dumping its bytes.
void PrintTo(const NotFoundCase& c, std::ostream* os) {
    *os << c.name;
}

class NotFoundTest : public LauncherTest, public ::testing::WithParamInterface<NotFoundCase> {};

TEST_P(NotFoundTest, ReportsItAndOpensTheSetupWindow) {
    const NotFoundCase& c = GetParam();
    const std::wstring velmora = stick_.AddLauncher(c.launcherDirectory, c.launcherName);
    if (!c.totalCommanderDirectory.empty()) {
        stick_.AddTotalCommander(c.totalCommanderDirectory);
    }
    stick_.AddFile(L"Other\\readme.txt", "not Total Commander\r\n");
    Start(velmora, L"", stick_.Path(c.launcherDirectory));

    const std::wstring baseName = c.launcherName.substr(0, c.launcherName.rfind(L'.'));
    AnswerBox(NotFoundReport(baseName), IDOK);
    HWND window = WaitForWindow(kSetupWindowCaption);
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
}

INSTANTIATE_TEST_SUITE_P(Layouts, NotFoundTest,
                         ::testing::Values(NotFoundCase{"NothingOnTheStick", L"TC", L"velmora.exe", L""},
                                           NotFoundCase{"OtherLauncherName", L"TC", L"tcstart.exe", L""},
                                           NotFoundCase{"TwoLevelsDown", L"", L"velmora.exe", L"Tools\\TC"}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velmora::e2e
