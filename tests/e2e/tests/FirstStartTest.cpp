// First start: no private settings files on the stick yet. The launcher asks where to
// import them from, rewrites the Total Commander directory in the copies to
// %COMMANDER_PATH% and starts Total Commander with them.
#include "driver/Files.h"
#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

const std::wstring kPrivateIniOption =
    L" /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";

// Covers the rewrite rule: any letter case, several occurrences in one line, one that
// begins right after a replaced one (kept), the directory inside a longer name, and
// lines without the directory (kept byte for byte, blank lines and ANSI letters too).
constexpr char kUserWincmdIni[] =
    "[Configuration]\r\n"
    "InstallDir=E:\\TC\r\n"
    "Editor=e:\\tc\\notepad.exe\r\n"
    "Viewer=\"E:\\Tc\\Tools\\view.exe\" /s e:\\TC\\x.txt\r\n"
    "Adjacent=E:\\TCE:\\TCx\r\n"
    "Joined=E:\\TCE:\\TC\\x\r\n"
    "Longer=E:\\TC2\\y.exe\r\n"
    "Name=K\xE4se E:\\TC\\k\r\n"
    "\r\n"
    "[Other]\r\n"
    "Untouched=D:\\Tools\\TCX\r\n"
    "Latin=Gr\xFC\xDF\x65\r\n"
    "\r\n"
    "[Buttonbar]\r\n"
    "Buttonbar=E:\\TC\\DEFAULT.BAR\r\n";

constexpr char kPrivateWincmdIni[] =
    "[Configuration]\r\n"
    "InstallDir=%COMMANDER_PATH%\r\n"
    "Editor=%COMMANDER_PATH%\\notepad.exe\r\n"
    "Viewer=\"%COMMANDER_PATH%\\Tools\\view.exe\" /s %COMMANDER_PATH%\\x.txt\r\n"
    "Adjacent=%COMMANDER_PATH%E:\\TCx\r\n"
    "Joined=%COMMANDER_PATH%%COMMANDER_PATH%x\r\n"
    "Longer=%COMMANDER_PATH%2\\y.exe\r\n"
    "Name=K\xE4se %COMMANDER_PATH%\\k\r\n"
    "\r\n"
    "[Other]\r\n"
    "Untouched=D:\\Tools\\TCX\r\n"
    "Latin=Gr\xFC\xDF\x65\r\n"
    "\r\n"
    "[Buttonbar]\r\n"
    "Buttonbar=%COMMANDER_PATH%\\DEFAULT.BAR\r\n";

constexpr char kUserFtpIni[] =
    "[connections]\r\n"
    "1=Home\r\n"
    "[Home]\r\n"
    "host=ftp.example.org\r\n"
    "localdir=E:\\TC\\Download\r\n";

constexpr char kPrivateFtpIni[] =
    "[connections]\r\n"
    "1=Home\r\n"
    "[Home]\r\n"
    "host=ftp.example.org\r\n"
    "localdir=%COMMANDER_PATH%\\Download\r\n";

class FirstStartTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
    }

    void ExpectLaunchWithPrivateFiles() {
        const Launch launch = ExpectOneLaunch();
        EXPECT_EQ(launch.commandLine, L"E:\\TC\\Totalcmd.exe " + kPrivateIniOption);
        EXPECT_EQ(launch.currentDirectory, L"E:\\TC");
        EXPECT_EQ(launch.executable, L"E:\\TC\\Totalcmd.exe");
    }

    void ExpectNoTemporaryFiles() {
        EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wincmd.ini_temp2.txt"));
        EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wcx_ftp.ini_temp2.txt"));
    }

    std::wstring velmora_;
};

TEST_F(FirstStartTest, ImportsAndRewritesBothFilesWhenAnsweredYes) {
    stick_.AddFile(L"TC\\wincmd.ini", kUserWincmdIni);
    stick_.AddFile(L"TC\\wcx_ftp.ini", kUserFtpIni);
    Start(velmora_, L"", L"E:\\TC");

    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    ExpectLaunchWithPrivateFiles();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateWincmdIni);
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), kPrivateFtpIni);
    EXPECT_EQ(stick_.Read(L"TC\\wincmd.ini"), kUserWincmdIni) << "the user's file must not change";
    EXPECT_EQ(stick_.Read(L"TC\\wcx_ftp.ini"), kUserFtpIni) << "the user's file must not change";
    ExpectNoTemporaryFiles();
}

// Declining every offer still gives private (empty) files and the usual launch.
// (Answering Yes to "Browse" opens the file dialog: FileDialogTest.cpp.)
TEST_F(FirstStartTest, DecliningEveryOfferCreatesEmptyPrivateFiles) {
    const int browseAnswer = IDNO;
    stick_.AddFile(L"TC\\wincmd.ini", kUserWincmdIni);
    Start(velmora_, L"", L"E:\\TC");

    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDNO);
    AnswerBox(BrowseQuestion(L"wincmd.ini", L"E:\\TC\\TC_portable_wincmd.ini"), browseAnswer);
    // No wcx_ftp.ini anywhere: only the browse offer is left for it.
    AnswerBox(BrowseQuestion(L"wcx_ftp.ini", L"E:\\TC\\TC_portable_wcx_ftp.ini"), browseAnswer);
    ExpectEndWithoutWindow();
    ExpectLaunchWithPrivateFiles();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), "");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), "");
    EXPECT_EQ(stick_.Read(L"TC\\wincmd.ini"), kUserWincmdIni);
    ExpectNoTemporaryFiles();
}

TEST_F(FirstStartTest, OffersTheWindowsDirectoryAfterTheCurrentOne) {
    stick_.AddFile(L"TC\\wincmd.ini", kUserWincmdIni);
    stick_.AddFile(L"TC\\wcx_ftp.ini", kUserFtpIni);
    AddToWindowsDirectory(L"wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\win.exe\r\n");
    Start(velmora_, L"", L"E:\\TC");

    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDNO);
    AnswerBox(WindowsDirectoryQuestion(L"wincmd.ini"), IDNO);
    AnswerBox(BrowseQuestion(L"wincmd.ini", L"E:\\TC\\TC_portable_wincmd.ini"), IDNO);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    ExpectLaunchWithPrivateFiles();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), "");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), kPrivateFtpIni);
}

TEST_F(FirstStartTest, ImportsFromTheWindowsDirectory) {
    constexpr char kWindowsWincmdIni[] = "[Configuration]\r\nEditor=E:\\TC\\win.exe\r\nLang=WCMD_DEU.LNG\r\n";
    AddToWindowsDirectory(L"wincmd.ini", kWindowsWincmdIni);
    Start(velmora_, L"", L"E:\\TC");

    // Nothing in the current directory, so the first question is about the Windows one.
    AnswerBox(WindowsDirectoryQuestion(L"wincmd.ini"), IDYES);
    AnswerBox(BrowseQuestion(L"wcx_ftp.ini", L"E:\\TC\\TC_portable_wcx_ftp.ini"), IDNO);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    ExpectLaunchWithPrivateFiles();

    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\win.exe\r\nLang=WCMD_DEU.LNG\r\n");
    EXPECT_EQ(ReadBytes(L"C:\\Windows\\wincmd.ini"), kWindowsWincmdIni) << "the user's file must not change";
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), "");
}

TEST_F(FirstStartTest, RewritesADirectoryWithBlanksAndQuotesThePaths) {
    const std::wstring launcher = stick_.AddLauncher(L"My TC");
    stick_.AddTotalCommander(L"My TC");
    stick_.AddFile(L"My TC\\wincmd.ini", "[Configuration]\r\nEditor=e:\\my tc\\notepad.exe\r\n");
    stick_.AddFile(L"My TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\My TC\\\r\n");
    Start(launcher, L"", L"E:\\My TC");

    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // A first import brings the offer of the desktop shortcuts.
    AnswerBox(ShortcutQuestion(), IDNO);
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();

    EXPECT_EQ(launch.commandLine,
              L"\"E:\\My TC\\Totalcmd.exe\"  /i=\"E:\\My TC\\TC_portable_wincmd.ini\" "
              L"/f=\"E:\\My TC\\TC_portable_wcx_ftp.ini\"");
    EXPECT_EQ(launch.currentDirectory, L"E:\\My TC");
    EXPECT_EQ(stick_.Read(L"My TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n");
    EXPECT_EQ(stick_.Read(L"My TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=%COMMANDER_PATH%\\\r\n");
}

}  // namespace
}  // namespace velmora::e2e
