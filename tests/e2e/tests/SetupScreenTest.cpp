// The setup window: how it looks on every way into it, how it closes, and the forced
// imports of " Import TC-Ini-Files >>".
#include "driver/Controls.h"
#include "driver/Ui.h"
#include "driver/Wait.h"
#include "tests/LauncherTest.h"
#include "tests/SetupWindowChecks.h"

namespace velmora::e2e {
namespace {

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

class SetupScreenTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
    }

    HWND OpenWithHelpSwitch() {
        Start(velmora_, L"/?", L"E:\\TC");
        return WaitForWindow(kSetupWindowCaption);
    }

    std::wstring velmora_;
};

TEST_F(SetupScreenTest, ShowsWhenTotalCommanderIsNotFound) {
    const std::wstring launcher = stick_.AddLauncher(L"Tools");
    Start(launcher, L"", L"E:\\Tools");
    AnswerBox(NotFoundReport(L"velmora"), IDOK);
    HWND window = WaitForWindow(kSetupWindowCaption);
    ExpectSetupWindow(window);
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
}

TEST_F(SetupScreenTest, TheCloseBoxEndsTheProgramWithoutStartingTotalCommander) {
    HWND window = OpenWithHelpSwitch();
    PressCloseBox(window);
    ExpectNothingLaunched();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SetupScreenTest, EscapeDoesNotCloseTheWindow) {
    HWND window = OpenWithHelpSwitch();
    HWND close = GetDlgItem(window, kCloseId);
    PostMessageW(close, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(close, WM_KEYUP, VK_ESCAPE, 0);
    // The window handles messages in order: once a later one is answered, the Escape was seen.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    EXPECT_TRUE(IsWindowVisible(window));
    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
}

TEST_F(SetupScreenTest, ImportTcIniFilesImportsBothFilesAgainMainSettingsFirst) {
    stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    stick_.AddFile(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[old]\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[old]\r\n");
    HWND window = OpenWithHelpSwitch();

    ASSERT_TRUE(ClickButton(window, L" Import TC-Ini-Files >>"));
    AnswerBox(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini"), IDYES);
    AnswerBox(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini"), IDYES);
    // The copies are rewritten in place: wait for the finished content, not the copy.
    const std::string privateFtp = "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n";
    EXPECT_TRUE(WaitUntil([&] { return stick_.Read(L"TC\\TC_portable_wcx_ftp.ini") == privateFtp; }))
        << stick_.Read(L"TC\\TC_portable_wcx_ftp.ini").value_or("(missing)");
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n");
    // No shortcut offer and no launch follow: the window simply stays.
    EXPECT_EQ(VisibleTopLevelWindows(ProcessOf(window)).size(), 1u);

    ClickAndWaitUntilGone(window, L"Close");
    ExpectNothingLaunched();
}

}  // namespace
}  // namespace velmora::e2e
