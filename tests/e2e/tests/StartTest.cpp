// From the command line to what the user sees: the boxes of a first start, read from the
// real windows and answered with their buttons, and the start of Total Commander they lead
// to; or the setup window that a help switch or a missing Total Commander opens instead.
#include <fstream>

#include "launcher/SetupWindowDesign.h"
#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

namespace design = velmora::setup_design;

enum class Setup { None, CloseButton, CloseBox };

struct StartCase {
    const char* name;
    std::wstring tail;
    std::vector<Box> boxes;                 // in the order in which they must come
    Setup setup = Setup::None;              // the setup window after the boxes, and how it is closed
    std::vector<std::string> launches;      // "<command line> TAB <directory>" of Total Commander
    std::optional<std::string> privateIni;  // TC_portable_wincmd.ini afterwards
    std::vector<std::optional<Shortcut>> shortcuts{std::nullopt, std::nullopt};
    std::wstring exe = kLauncher;
};

const StartCase kCases[] = {
    {.name = "YesToAll",
     .tail = L"/O  ",
     .boxes = {ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini", L"&Yes"),
               ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini", L"&Yes"),
               ShortcutQuestion(L"&Yes"),
               // Without a title of its own: the program's shows.
               {L"velmora", L"Add your Command-Line:\r\r/O  \r\rto the Shortcut?", L"&Yes"}},
     .launches = {"E:\\TC\\Totalcmd.exe /O /i=E:\\TC\\TC_portable_wincmd.ini "
                  "/f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC"},
     .privateIni = "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n",
     .shortcuts = {Shortcut{kLauncher, L"/O"}, Shortcut{kLauncher, L"/?"}}},
    {.name = "NoToAll",
     .boxes = {ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini", L"&No"),
               {L"First Start: Import from Windows directory?",
                L"Import from Windows directory?\r\rC:\\Windows\\wincmd.ini\r\rImportant: original file will "
                L"not be changed!!",
                L"&No"},
               BrowseQuestion(L"wincmd.ini", L"&No"),
               ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini", L"&No"),
               BrowseQuestion(L"wcx_ftp.ini", L"&No")},
     .launches = {"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini "
                  "/f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC"},
     .privateIni = ""},
    {.name = "HelpSwitch", .tail = L"/?", .setup = Setup::CloseButton},
    {.name = "SetupSwitch", .tail = L"-Setup", .setup = Setup::CloseBox},
    {.name = "NotFound",
     .boxes = {{L"File not found!", L"Total Commander not found!\rRun the velmora.exe in the TC directory.",
                L"OK"}},
     .setup = Setup::CloseButton,
     .exe = L"E:\\Tools\\velmora.exe"},
};

const std::filesystem::path kWindowsIni = L"C:\\Windows\\wincmd.ini";

class StartTest : public LauncherTest, public ::testing::WithParamInterface<StartCase> {
protected:
    void TearDown() override { fs::remove(kWindowsIni); }
};

TEST_P(StartTest, ShowsItsWindowsAndStartsWhatItShould) {
    const StartCase& c = GetParam();
    Put(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    std::ofstream(kWindowsIni) << "[Configuration]\r\n";
    Start(c.tail, c.exe);
    for (const Box& box : c.boxes)
        Answer(box);
    if (c.setup != Setup::None) {
        HWND window = Window(kSetupCaption);
        EXPECT_EQ(Text(GetDlgItem(window, design::kTitelLable)), L"Velmora - TC-Mobile Launcher (V.1.3)");
        EXPECT_EQ(Text(GetDlgItem(window, design::kLabel1)),
                  L"Run this file from your TC dirctory.\r\n\r\nParameter for this screen: '/?'\r\n\r\n"
                  L"..for more infos: check the Web-page");
        EXPECT_EQ(Text(GetDlgItem(window, design::kLabel2)), L"velmora.example.org/");
        c.setup == Setup::CloseBox ? PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0)
                                   : Press(window, L"Close");
    }
    EXPECT_EQ(Launches(), c.launches) << "command line TAB directory of Total Commander";
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), c.privateIni);
    EXPECT_EQ(Shortcuts(), c.shortcuts);
}

INSTANTIATE_TEST_SUITE_P(Answers, StartTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velmora::e2e
