// The setup window: the ways into it and out of it, and what its buttons, its picture and
// its web link do.
#include <filesystem>

#include "filedialog/win32/FileDialogControlIds.h"
#include "launcher/SetupWindowDesign.h"
#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

namespace design = velmora::setup_design;

class SetupWindowTest : public LauncherTest {
protected:
    HWND OpenWithHelpSwitch() {
        Start(L"/?");
        return Window(kSetupCaption);
    }
    // Clicks a label or the picture: what the control reports to the window.
    static void ClickStatic(HWND window, int id) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(window, id)));
    }
    void CloseAndExpectNoLaunch(HWND window, bool closeBox = false) {
        closeBox ? PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) : Press(window, L"Close");
        EXPECT_TRUE(Launches(0).empty()) << "Total Commander was started";
    }
};

struct WayCase {
    const char* name;
    std::wstring exe, tail;
    std::vector<Box> boxes;  // before the window
    bool closeBox;           // closed by its close box, not by "Close"
};

class WayTest : public SetupWindowTest, public ::testing::WithParamInterface<WayCase> {};

TEST_P(WayTest, ShowsTheHelpAndEndsWithoutStartingAnything) {
    Start(GetParam().tail, GetParam().exe);
    for (const Box& box : GetParam().boxes)
        Answer(box);
    HWND window = Window(kSetupCaption);
    EXPECT_EQ(Text(Control(window, design::kTitelLable)), L"Velmora - TC-Mobile Launcher (V.1.3)");
    EXPECT_EQ(Text(Control(window, design::kLabel1)),
              L"Run this file from your TC dirctory.\r\n\r\nParameter for this screen: '/?'\r\n\r\n"
              L"..for more infos: check the Web-page");
    EXPECT_EQ(Text(Control(window, design::kLabel2)), L"velmora.example.org/");
    CloseAndExpectNoLaunch(window, GetParam().closeBox);
    EXPECT_FALSE(Read(L"TC\\TC_portable_wincmd.ini")) << "the help branch imports nothing";
}

const Box kNotFound{L"File not found!",
                    L"Total Commander not found!\rRun the velmora.exe in the TC directory.", L"OK"};

INSTANTIATE_TEST_SUITE_P(
    Ways, WayTest,
    ::testing::Values(WayCase{"HelpSwitch", kLauncher, L"/?", {}, false},
                      WayCase{"SetupSwitch", kLauncher, L"-Setup", {}, true},
                      WayCase{"NotFound", L"E:\\Tools\\velmora.exe", L"", {kNotFound}, false}),
    [](const auto& p) { return std::string(p.param.name); });

// Both import buttons, in one window; the bar is picked in the file dialog by double clicks.
TEST_F(SetupWindowTest, TheImportButtonsImportAgain) {
    Put(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    Put(L"TC\\TC_portable_wincmd.ini", "[old]\r\n");
    Put(L"TC\\TC_portable_wcx_ftp.ini", "[old]\r\n");
    Put(L"Bars\\My.bar", "cmd=E:\\TC\\tool.exe\r\n");
    Put(L"Bars\\My.br1", "icons\r\n");
    HWND window = OpenWithHelpSwitch();
    ASSERT_TRUE(Press(window, L" Import TC-Ini-Files >>"));
    Answer(ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini", L"&Yes"));
    Answer(ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini", L"&Yes"));
    ASSERT_TRUE(Settle(window));
    ASSERT_TRUE(Press(window, L"Import Button Bar (*.bar)"));
    HWND dialog = Window(L"Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
    DoubleClickRow(dialog, velmora::file_dialog_ids::kDir1, L"E:\\");
    DoubleClickRow(dialog, velmora::file_dialog_ids::kDir1, L"Bars");
    DoubleClickRow(dialog, velmora::file_dialog_ids::kFile1, L"My.bar");
    Answer(ImportQuestion(L"My.bar", L"TC_portable_Default.bar", L"&Yes"));
    // Reading a copy the launcher still rewrites could make its rewrite fail: wait for the end.
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.bar"), "cmd=%COMMANDER_PATH%\\tool.exe\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.br1"), "icons\r\n");
    CloseAndExpectNoLaunch(window);
}

class ShortcutTest : public SetupWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ShortcutTest, ButtonAndPictureCreateBothShortcuts) {
    HWND window = OpenWithHelpSwitch();
    if (GetParam())
        ClickStatic(window, design::kPicture1);
    else
        ASSERT_TRUE(Press(window, L"Create Destktop Shortcut >>"));
    // "/?" is a setup switch: no question about the command line follows.
    Answer(ShortcutQuestion(L"&Yes"));
    // The second shortcut is the last step; the window handles messages between the two.
    EXPECT_TRUE(WaitUntil([] { return std::filesystem::exists(ShortcutFile(kShortcutNames[1])); }));
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(Shortcuts(),
              (std::vector<std::optional<Shortcut>>{Shortcut{kLauncher, L""}, Shortcut{kLauncher, L"/?"}}));
    PressUntilGone(window, L"Close");
}

INSTANTIATE_TEST_SUITE_P(Controls, ShortcutTest, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Picture" : "Button"; });

// The stand-in on the stick serves as the browser registered for ".html" as well.
TEST_F(SetupWindowTest, TheWebLinkStartsTheBrowserWithThePage) {
    // Machine-wide and for the user. The prefix lives for one run only: nothing is undone.
    for (const auto& [root, classes] :
         {std::pair{HKEY_CLASSES_ROOT, L""}, {HKEY_CURRENT_USER, L"Software\\Classes\\"}}) {
        RegSetValueW(root, (classes + std::wstring(L".html")).c_str(), REG_SZ, L"VelmoraE2E.html", 0);
        RegSetValueW(root, (classes + std::wstring(L"VelmoraE2E.html\\shell\\open\\command")).c_str(), REG_SZ,
                     L"\"E:\\TC\\Totalcmd.exe\" \"%1\"", 0);
    }
    HWND window = OpenWithHelpSwitch();
    ClickStatic(window, design::kLabel2);
    std::vector<std::string> launches;
    ASSERT_TRUE(WaitUntil([&] { return !(launches = ReadLaunches(L"E:\\TC\\standin-record.txt")).empty(); }));
    EXPECT_EQ(launches,
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe https://velmora.example.org/\tE:\\TC"});
    ASSERT_TRUE(Settle(window));
    EXPECT_TRUE(IsWindowVisible(Control(window, design::kLabel2))) << "the link is shown again";
    EXPECT_FALSE(std::filesystem::exists(L"E:\\Kavo00001.html")) << "the throw-away file is left behind";
    PressUntilGone(window, L"Close");
}

}  // namespace
}  // namespace velmora::e2e
