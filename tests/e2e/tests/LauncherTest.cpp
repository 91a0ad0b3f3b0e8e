// The real velmora.exe on the stick E: (scripts/e2e.sh): its message boxes read and answered
// on screen, its setup window and file dialog, the shortcuts it made, the programs it started.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

#include "Version.h"
#include "driver/Driver.h"
#include "filedialog/FileDialogDesign.h"
#include "launcher/SetupWindowDesign.h"
#include "platform/win32/GdiObject.h"
#include "shared/Utf16Bytes.h"

namespace velmora::e2e {
namespace {

namespace fs = std::filesystem;
namespace design = velmora::setup_design;

// A message box as it must look, and the button to press: "&Yes" or "&No" in a question,
// which has just these two, "OK" in a report, which has just that one.
struct Box {
    std::wstring title, text, answer;
};

Box ImportQuestion(const std::wstring& source, const std::wstring& answer, const std::wstring& target = {}) {
    return {L"First Start: Import file?",
            L"Import from current directory: '" + source + L"'\r\rto: '" +
                (target.empty() ? L"TC_portable_" + source : target) +
                L"'\r\r\rImportant: original file will not be changed!!",
            answer};
}
Box BrowseQuestion(const std::wstring& file, const std::wstring& answer) {
    return {L"First Start: Browse for File?",
            L"Browse for " + file + L" File now?\r\rTarget: E:\\TC\\TC_portable_" + file, answer};
}
Box ShortcutQuestion(const std::wstring& answer) {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", answer};
}

constexpr wchar_t kLauncher[] = L"E:\\TC\\velmora.exe";
const std::wstring kSetupCaption = L"Velmora - Total Commander mobile launcher  V." VELMORA_VERSION,
                   kClose = L"Close", kImportIni = L" Import TC-Ini-Files >>",
                   kShortcuts = L"Create Destktop Shortcut >>", kImportBar = L"Import Button Bar (*.bar)";

// A fresh stick with the stand-in in E:\TC, the launcher copied there and started.
class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() {
        // Only a drive that scripts/e2e.sh marked is emptied.
        if (!fs::exists(stick_ / L"velmora-e2e-stick") || !_wgetenv(L"VELMORA_E2E_STANDIN"))
            throw std::runtime_error("run the tests through scripts/e2e.sh");
        for (const auto& entry : fs::directory_iterator(stick_))
            if (entry.path().filename() != L"velmora-e2e-stick") fs::remove_all(entry.path());
        for (const std::wstring& name : kShortcutNames)
            fs::remove(ShortcutFile(name));
        fs::create_directory(stick_ / L"TC");
        fs::copy_file(_wgetenv(L"VELMORA_E2E_STANDIN"), stick_ / L"TC\\Totalcmd.exe");
    }

    // Paths on the stick, e.g. L"TC\\wincmd.ini".
    void Put(const std::wstring& path, const std::string& bytes) {
        fs::create_directories((stick_ / path).parent_path());
        std::ofstream(stick_ / path, std::ios::binary) << bytes;
    }
    std::optional<std::string> Read(const std::wstring& path) {
        std::ifstream file(stick_ / path, std::ios::binary);
        return file ? std::optional(std::string(std::istreambuf_iterator<char>(file), {})) : std::nullopt;
    }

    // Copies the launcher to `exe`, unless it is there, and starts it with the command line
    // "<exe> <tail>".
    void Start(const std::wstring& tail, const std::wstring& exe = kLauncher) {
        fs::create_directories(fs::path(exe).parent_path());
        fs::copy_file(_wgetenv(L"VELMORA_EXE"), exe, fs::copy_options::skip_existing);
        const std::wstring line = L"\"" + exe + L"\"" + (tail.empty() ? L"" : L" " + tail);
        launcher_ = std::make_unique<Program>(exe, line, fs::path(exe).parent_path().wstring());
    }
    HWND Window(const std::wstring& caption) { return WaitForWindow(*launcher_, caption); }

    // Checks the box's text and buttons and presses the answer.
    void Answer(const Box& box) {
        HWND window = Window(box.title);
        EXPECT_EQ(Text(GetDlgItem(window, 0xFFFF)), box.text) << Utf8(box.title);
        std::vector<std::wstring> buttons, question{L"&Yes", L"&No"}, report{L"OK"};
        for (HWND button : Buttons(window))
            buttons.push_back(Text(button));
        EXPECT_EQ(buttons, box.answer == L"OK" ? report : question) << Utf8(box.title);
        if (!Press(window, box.answer) || !WaitUntil([window] { return !IsWindow(window); }))
            throw std::runtime_error("pressing " + Utf8(box.answer) + " left " + Utf8(box.title) + " open");
    }

    // Once all the launcher started has ended, the starts recorded.
    std::vector<std::string> Launches() {
        EXPECT_TRUE(launcher_->WaitForAll()) << "the launcher or what it started did not end";
        return Record();
    }
    // "<command line> TAB <directory>" of each start the stand-in recorded so far.
    std::vector<std::string> Record() {
        std::vector<std::string> launches;
        std::ifstream file(stick_ / L"TC\\standin-record.txt", std::ios::binary);
        for (std::string line; std::getline(file, line);)
            launches.push_back(line.substr(0, line.find('\t', line.find('\t') + 1)));
        return launches;
    }
    // "<target> TAB <arguments>" of the two desktop shortcuts, "" for one that is missing.
    std::vector<std::wstring> Shortcuts() {
        return {ReadShortcut(kShortcutNames[0]), ReadShortcut(kShortcutNames[1])};
    }

    const fs::path stick_ = L"E:\\";
    std::unique_ptr<Program> launcher_;
};

struct StartCase {
    const char* name;
    std::wstring tail;
    std::vector<Box> boxes;                 // in the order in which they must come
    std::vector<std::string> launches;      // "<command line> TAB <directory>"; none: the setup window
    std::optional<std::string> privateIni;  // TC_portable_wincmd.ini afterwards
    std::vector<std::wstring> shortcuts{L"", L""};
    std::wstring exe = kLauncher;
};

// The private settings options, and the directory Total Commander starts in after the tab.
const std::string kOptions = " /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC";

// The question about the command line has no title of its own: the program's shows, as the
// shortcuts name the program as it is called now.
const StartCase kCases[] = {
    {.name = "YesToAll",
     .tail = L"/O  ",
     .boxes = {ImportQuestion(L"wincmd.ini", L"&Yes"),
               ImportQuestion(L"wcx_ftp.ini", L"&Yes"),
               ShortcutQuestion(L"&Yes"),
               {L"tcstart", L"Add your Command-Line:\r\r/O  \r\rto the Shortcut?", L"&Yes"}},
     .launches = {"E:\\TC\\Totalcmd.exe /O" + kOptions},
     // The directory and the directory with its separator, each searched once.
     .privateIni =
         "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\nadjacent=%COMMANDER_PATH%E:\\TC\r\n"
         "adjsep=%COMMANDER_PATH%%COMMANDER_PATH%x.exe\r\n",
     .shortcuts = {L"E:\\TC\\tcstart.exe\t/O", L"E:\\TC\\tcstart.exe\t/?"},
     .exe = L"E:\\TC\\tcstart.exe"},
    // A double quote the tail leaves open is closed before the options.
    {.name = "NoToAllAndAnOpenQuote",
     .tail = L"\"C:\\My Dir\\file 1.txt /O",
     .boxes = {ImportQuestion(L"wincmd.ini", L"&No"),
               {L"First Start: Import from Windows directory?",
                L"Import from Windows directory?\r\rC:\\Windows\\wincmd.ini\r\rImportant: original file will "
                L"not be changed!!",
                L"&No"},
               BrowseQuestion(L"wincmd.ini", L"&No"),
               ImportQuestion(L"wcx_ftp.ini", L"&No"),
               BrowseQuestion(L"wcx_ftp.ini", L"&No")},
     .launches = {"E:\\TC\\Totalcmd.exe \"C:\\My Dir\\file 1.txt /O\"" + kOptions},
     .privateIni = ""},
    {.name = "SetupSwitch", .tail = L"-Setup"},
    {.name = "NotFound",
     .boxes = {{L"File not found!", L"Total Commander not found!\rRun the tcstart.exe in the TC directory.",
                L"OK"}},
     .exe = L"E:\\Tools\\tcstart.exe"},
};

const std::filesystem::path kWindowsIni = L"C:\\Windows\\wincmd.ini";
// The user's main settings: the directory with its separator, in mixed case, and right after itself.
const std::string kUserIni =
    "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n"
    "adjacent=E:\\TCE:\\TC\r\nadjsep=e:\\tcE:\\Tc\\x.exe\r\n";

// From the command line to what the user sees: the boxes of a first start and the start
// of Total Commander they lead to, or the setup window instead.
class StartTest : public LauncherTest, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override { fs::remove(kWindowsIni); }
};

TEST_P(StartTest, ShowsItsWindowsAndStartsWhatItShould) {
    const StartCase& c = kCases[GetParam()];
    Put(L"TC\\wincmd.ini", kUserIni);
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    std::ofstream(kWindowsIni) << "[Configuration]\r\n";
    Start(c.tail, c.exe);
    for (const Box& box : c.boxes)
        Answer(box);
    if (c.launches.empty()) {
        HWND window = Window(kSetupCaption);
        EXPECT_EQ(Text(GetDlgItem(window, design::kLabel1)),
                  L"Run this file from your TC dirctory.\r\n\r\nParameter for this screen: '/?'\r\n\r\n"
                  L"..for more infos: check the Web-page");
        // Each control where the design puts it (twips: left, top, width, height) at the screen's
        // DPI, the link as wide as its text; "Close" has the focus.
        const std::map<int, TwipsRect> designed = {
            {design::kCommand1, {240, 3240, 2655, 495}},   {design::kCommand3, {240, 1920, 2655, 495}},
            {design::kCommand4, {240, 2520, 2655, 495}},   {design::kLabel1, {3120, 1560, 3735, 1215}},
            {design::kLabel2, {5040, 3600, 1710, 195}},    {design::kPicture1, {120, 120, 1185, 1095}},
            {design::kTitelLable, {1080, 480, 5895, 375}}, {design::kPatchBtnBar, {240, 1320, 2655, 495}}};
        const int dpi = GetDeviceCaps(win32::WindowDc().get(), LOGPIXELSY);
        const auto pixels = [dpi](int twips) { return static_cast<long>(MulDiv(twips, dpi, 1440)); };
        for (const auto& [id, twips] : designed) {
            RECT at{};
            GetWindowRect(GetDlgItem(window, id), &at);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at), 2);
            const long width = id == design::kLabel2 ? at.right - at.left : pixels(twips.width);
            EXPECT_EQ(std::vector<long>({at.left, at.top, at.right - at.left, at.bottom - at.top}),
                      std::vector<long>({pixels(twips.left), pixels(twips.top), width, pixels(twips.height)}))
                << id;
        }
        std::vector<std::wstring> tabOrder;
        for (HWND at = GetDlgItem(window, design::kCommand1); tabOrder.size() < 5;
             at = GetNextDlgTabItem(window, at, FALSE))
            tabOrder.push_back(Text(at));
        EXPECT_EQ(tabOrder, (std::vector<std::wstring>{kClose, kImportIni, kShortcuts, kImportBar, kClose}));
        GUITHREADINFO focus{.cbSize = sizeof focus};
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus);
        EXPECT_EQ(focus.hwndFocus, GetDlgItem(window, design::kCommand1));
        // A fixed dialog of its designed size in twips, centred, owned (so without a taskbar button).
        RECT client{}, frame{};
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(pixels(7065), pixels(4005)));
        EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_TRUE(GetWindow(window, GW_OWNER) && !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW));
        EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box; "Close" ends another test
    }
    EXPECT_EQ(Launches(), c.launches) << "command line TAB directory of Total Commander";
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), c.privateIni);
    EXPECT_EQ(Shortcuts(), c.shortcuts);
    for (const auto& entry : fs::directory_iterator(stick_ / L"TC"))  // no working file is left
        EXPECT_EQ(entry.path().wstring().find(L"_temp"), std::wstring::npos) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Answers, StartTest, ::testing::Range(0, static_cast<int>(std::size(kCases))),
                         [](const auto& p) { return std::string(kCases[p.param].name); });

// A first start whose copy of wincmd.ini cannot be made (a folder stands at its working
// name, or the stick is too full) says so, leaves no private file and starts Total
// Commander with the FTP settings only; once the obstacle is gone, the next start asks again.
class FailedCopyTest : public LauncherTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FailedCopyTest, IsReportedAndAskedForAgain) {
    const std::string settings = "[Configuration]\r\n; " + std::string(256 * 1024, '-') + "\r\nEditor=";
    Put(L"TC\\wincmd.ini", settings + "E:\\TC\\notepad.exe\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    fs::copy_file(_wgetenv(L"VELMORA_EXE"), kLauncher);
    const std::wstring obstacle = GetParam() ? L"filler" : L"TC\\TC_portable_wincmd.ini_temp1.txt";
    if (GetParam()) {  // all the room on the stick but 64 KB taken
        ULARGE_INTEGER room{}, size{};
        ASSERT_TRUE(GetDiskFreeSpaceExW(L"E:\\", &room, &size, nullptr));
        ASSERT_LT(size.QuadPart, 1ull << 30)
            << "E: is not a small medium (scripts/e2e.sh mounts one as root)";
        Put(obstacle, std::string(static_cast<std::size_t>(room.QuadPart) - 64 * 1024, '\0'));
    } else {
        fs::create_directory(stick_ / obstacle);
    }
    Start(L"");
    Answer(ImportQuestion(L"wincmd.ini", L"&Yes"));
    Answer({L"Import failed", L"Import canceled!", L"OK"});
    Answer(ImportQuestion(L"wcx_ftp.ini", L"&Yes"));
    Answer(ShortcutQuestion(L"&No"));
    const std::string ftpOnly = "E:\\TC\\Totalcmd.exe  /f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC";
    EXPECT_EQ(Launches(), std::vector<std::string>{ftpOnly});
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), std::nullopt);
    EXPECT_EQ(Read(L"TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");

    fs::remove(stick_ / obstacle);
    Start(L"");
    Answer(ImportQuestion(L"wincmd.ini", L"&Yes"));
    Answer(ShortcutQuestion(L"&No"));
    EXPECT_EQ(Launches(), (std::vector<std::string>{ftpOnly, "E:\\TC\\Totalcmd.exe " + kOptions}));
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), settings + "%COMMANDER_PATH%\\notepad.exe\r\n");
}

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedCopyTest, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "AFullStick" : "AFolderAtTheWorkingName"; });

// The setup window's buttons, its picture and its web link, one after the other in one
// window, as a user might try them; the button bar is picked in the file dialog by double
// clicks. The stand-in on the stick serves as the browser registered for ".html" as well.
TEST_F(LauncherTest, TheSetupWindowDoesWhatItsControlsSay) {
    Put(L"TC\\wincmd.ini", kUserIni);
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    Put(L"TC\\TC_portable_wincmd.ini", "[old]\r\n");
    Put(L"TC\\TC_portable_wcx_ftp.ini", "[old]\r\n");
    Put(L"Bars\\My.bar", Utf16Bytes(u"cmd=E:\\TC\\tool.exe\r\n"));
    Put(L"Bars\\My.br1", "icons\r\n");
    // The prefix lives for this run only: nothing is undone.
    RegSetValueW(HKEY_CLASSES_ROOT, L".html", REG_SZ, L"VelmoraE2E.html", 0);
    RegSetValueW(HKEY_CLASSES_ROOT, L"VelmoraE2E.html\\shell\\open\\command", REG_SZ,
                 L"E:\\TC\\Totalcmd.exe \"%1\"", 0);
    Start(L"/?");
    HWND window = Window(kSetupCaption);
    // Escape ends nothing: only "Close" and the close box do.
    PostMessageW(GetDlgItem(window, design::kCommand1), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(Settle(window));
    ASSERT_TRUE(IsWindowVisible(window));

    ASSERT_TRUE(Press(window, kImportIni));
    Answer(ImportQuestion(L"wincmd.ini", L"&Yes"));
    Answer(ImportQuestion(L"wcx_ftp.ini", L"&Yes"));
    // Reading a copy the launcher still rewrites could make its rewrite fail: wait for the end.
    ASSERT_TRUE(Settle(window));
    ASSERT_TRUE(Press(window, kImportBar));
    HWND dialog = Window(L"Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
    EXPECT_FALSE(IsWindowEnabled(window)) << "the dialog is not modal";
    DoubleClickRow(dialog, file_dialog_design::kDir1, L"E:\\");
    DoubleClickRow(dialog, file_dialog_design::kDir1, L"Bars");
    DoubleClickRow(dialog, file_dialog_design::kFile1, L"My.bar");
    Answer(ImportQuestion(L"My.bar", L"&Yes", L"TC_portable_Default.bar"));
    ASSERT_TRUE(Settle(window));
    // The directory is searched once, without its separator here; the bar's import points the
    // main settings at the private bar.
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\nadjacent=%COMMANDER_PATH%E:\\TC\r\n"
              "adjsep=%COMMANDER_PATH%E:\\Tc\\x.exe\r\n"
              "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.bar"), Utf16Bytes(u"cmd=%COMMANDER_PATH%\\tool.exe\r\n"));
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.br1"), "icons\r\n");

    // The picture asks as the shortcut button does; "/?" is a setup switch, so no question
    // about the command line follows.
    PostMessageW(GetDlgItem(window, design::kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, 0);  // a click
    Answer(ShortcutQuestion(L"&No"));
    ASSERT_TRUE(Press(window, kShortcuts));
    Answer(ShortcutQuestion(L"&Yes"));
    // The second shortcut is the last step; the window handles messages between the two.
    EXPECT_TRUE(WaitUntil([] { return fs::exists(ShortcutFile(kShortcutNames[1])); }));
    ASSERT_TRUE(Settle(window));
    EXPECT_EQ(Shortcuts(), (std::vector<std::wstring>{L"E:\\TC\\velmora.exe\t", L"E:\\TC\\velmora.exe\t/?"}));

    PostMessageW(GetDlgItem(window, design::kLabel2), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(WaitUntil([&] { return !Record().empty(); })) << "no browser started";
    // The link hides while the browser starts, and shows again after.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, design::kLabel2)); }))
        << "the link stays hidden";
    EXPECT_FALSE(fs::exists(L"E:\\Kavo00001.html")) << "the throw-away file is left behind";
    Press(window, kClose);
    // The browser, and no Total Commander.
    EXPECT_EQ(Launches(),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe https://velmora.example.org/\tE:\\TC"});
}

}  // namespace
}  // namespace velmora::e2e
