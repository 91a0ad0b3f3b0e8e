// What the setup window's buttons, its picture and its web link do.
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
                     reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }
};

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
    // The bar's import points the main settings at the private bar.
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n[Buttonbar]\r\n"
              "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.bar"), "cmd=%COMMANDER_PATH%\\tool.exe\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.br1"), "icons\r\n");
    Press(window, L"Close");
    EXPECT_TRUE(Launches().empty()) << "Total Commander was started";
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
    EXPECT_TRUE(WaitUntil([] { return fs::exists(ShortcutFile(kShortcutNames[1])); }));
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(Shortcuts(),
              (std::vector<std::optional<Shortcut>>{Shortcut{kLauncher, L""}, Shortcut{kLauncher, L"/?"}}));
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
    // The link hides while the browser starts; its handler lets messages through meanwhile.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, design::kLabel2)); }))
        << "the link is back";
    EXPECT_FALSE(fs::exists(L"E:\\Kavo00001.html")) << "the throw-away file is left behind";
    Press(window, L"Close");
    EXPECT_EQ(Launches(),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe https://velmora.example.org/\tE:\\TC"});
}

}  // namespace
}  // namespace velmora::e2e
