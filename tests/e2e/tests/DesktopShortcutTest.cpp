// The desktop shortcuts, written by the shell's link object and read back through it:
// from the setup window's button and picture, and offered after a first import.
#include "driver/Controls.h"
#include "driver/Files.h"
#include "driver/Record.h"
#include "driver/Shell.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"
#include "tests/LauncherTest.h"
#include "tests/SetupWindowChecks.h"

namespace velmora::e2e {
namespace {

class DesktopShortcutTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
        mobile_ = DesktopFolder() + L"\\Total Commander (mobile).lnk";
        setup_ = DesktopFolder() + L"\\Total Commander (mobile - Setup).lnk";
        RemoveLinks();
    }
    void TearDown() override {
        RemoveLinks();
        LauncherTest::TearDown();
    }

    void RemoveLinks() {
        for (const std::wstring& link : {mobile_, setup_}) {
            if (FileExists(link)) {
                RemoveFile(link);
            }
        }
    }

    void ExpectLinks(const std::wstring& firstArguments) {
        ASSERT_TRUE(WaitUntil([&] { return FileExists(mobile_) && FileExists(setup_); }))
            << "the shortcuts did not appear in " << ToUtf8(DesktopFolder());
        const auto mobile = ReadShortcut(mobile_);
        const auto setup = ReadShortcut(setup_);
        ASSERT_TRUE(mobile && setup) << "a shortcut cannot be read back";
        EXPECT_EQ(mobile->target, L"E:\\TC\\velmora.exe");
        EXPECT_EQ(mobile->arguments, firstArguments);
        EXPECT_EQ(setup->target, L"E:\\TC\\velmora.exe");
        EXPECT_EQ(setup->arguments, L"/?");
    }

    // The shell's link object brings up Wine's own helper processes inside the
    // launcher's job, so only the stand-in's record tells whether Total Commander ran.
    void ExpectNoTotalCommander() {
        ExpectEnd();
        EXPECT_TRUE(ReadLaunches(RecordFile()).empty()) << "Total Commander was started";
    }

    std::wstring velmora_, mobile_, setup_;
};

class ShortcutControlTest : public DesktopShortcutTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShortcutControlTest, CreatesBothShortcuts) {
    Start(velmora_, L"/?", L"E:\\TC");
    HWND window = WaitForWindow(kSetupWindowCaption);
    if (GetParam() == kShortcutId) {
        ASSERT_TRUE(ClickButton(window, L"Create Destktop Shortcut >>"));
    } else {
        PostStaticClick(GetDlgItem(window, kPictureId));
    }
    // "/?" is a setup switch: no question about the command line follows.
    AnswerBox(ShortcutQuestion(), IDYES);
    ExpectLinks(L"");
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNoTotalCommander();
}

INSTANTIATE_TEST_SUITE_P(ButtonAndPicture, ShortcutControlTest, ::testing::Values(kShortcutId, kPictureId),
                         [](const auto& p) { return p.param == kShortcutId ? "Button" : "Picture"; });

TEST_F(DesktopShortcutTest, NoCreatesNothing) {
    Start(velmora_, L"/?", L"E:\\TC");
    HWND window = WaitForWindow(kSetupWindowCaption);
    ASSERT_TRUE(ClickButton(window, L"Create Destktop Shortcut >>"));
    AnswerBox(ShortcutQuestion(), IDNO);
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
    EXPECT_FALSE(FileExists(mobile_));
    EXPECT_FALSE(FileExists(setup_));
}

TEST_F(DesktopShortcutTest, AFirstStartOffersThemWithItsCommandLine) {
    stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\n");
    stick_.AddFile(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    Start(velmora_, L"/O  ", L"E:\\TC");
    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    AnswerBox(ShortcutQuestion(), IDYES);
    // The box has no title of its own: it shows the program's.
    AnswerBox({L"velmora", L"Add your Command-Line:\r\r/O  \r\rto the Shortcut?", {IDYES, IDNO}}, IDYES);
    ExpectEnd();
    std::vector<Launch> launches;
    ASSERT_TRUE(WaitUntil([&] { return !(launches = ReadLaunches(RecordFile())).empty(); }))
        << "Total Commander was not started";
    EXPECT_EQ(launches.front().commandLine,
              L"E:\\TC\\Totalcmd.exe /O /i=E:\\TC\\TC_portable_wincmd.ini "
              L"/f=E:\\TC\\TC_portable_wcx_ftp.ini");
    ExpectLinks(L"/O");
}

}  // namespace
}  // namespace velmora::e2e
