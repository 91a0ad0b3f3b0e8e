// The real velmora.exe on the stick E: (scripts/e2e.sh): its message boxes read and answered
// on screen, its setup window and file dialog, the shortcuts it made, the programs it started.
// Every combination of answers and the faults of each file operation are tested in process.
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
Box ShortcutQuestion(const std::wstring& answer) {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", answer};
}

constexpr wchar_t kLauncher[] = L"E:\\TC\\velmora.exe";
const fs::path kWindowsIni = L"C:\\Windows\\wincmd.ini";
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
        fs::remove(kWindowsIni);
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

    // Copies the launcher to `exe`, unless it is there, and starts it with "<exe> <tail>".
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
        std::wstring buttons;
        for (HWND button : VisibleButtons(window))
            buttons += Text(button) + L" ";
        EXPECT_EQ(buttons, box.answer == L"OK" ? L"OK " : L"&Yes &No ") << Utf8(box.title);
        if (!Press(window, box.answer) || !WaitUntil([window] { return !IsWindow(window); }))
            throw std::runtime_error("pressing " + Utf8(box.answer) + " left " + Utf8(box.title) + " open");
    }

    // Once all the launcher started has ended: "<command line> TAB <directory>" of each start.
    std::vector<std::string> Launches() {
        EXPECT_TRUE(launcher_->WaitForAll()) << "the launcher or what it started did not end";
        std::vector<std::string> launches;
        std::ifstream file(stick_ / L"TC\\standin-record.txt", std::ios::binary);
        for (std::string line; std::getline(file, line);)
            launches.push_back(line.substr(0, line.find('\t', line.find('\t') + 1)));
        return launches;
    }

    const fs::path stick_ = L"E:\\";
    std::unique_ptr<Program> launcher_;
};

// A first start under another name, said No to all offers for wincmd.ini and Yes to the rest:
// every question of a first start once. The question about the command line has no title of
// its own: the program's shows, as the shortcuts name the program as it is called now.
TEST_F(LauncherTest, AFirstStartAsksAndStartsTotalCommanderWithTheTail) {
    Put(L"TC\\wincmd.ini", "[Configuration]\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    std::ofstream(kWindowsIni) << "[Configuration]\r\n";
    Start(L"/O  ", L"E:\\TC\\tcstart.exe");
    Answer(ImportQuestion(L"wincmd.ini", L"&No"));
    Answer({L"First Start: Import from Windows directory?",
            L"Import from Windows directory?\r\rC:\\Windows\\wincmd.ini\r\rImportant: original file will not "
            L"be changed!!",
            L"&No"});
    Answer({L"First Start: Browse for File?",
            L"Browse for wincmd.ini File now?\r\rTarget: E:\\TC\\TC_portable_wincmd.ini", L"&No"});
    Answer(ImportQuestion(L"wcx_ftp.ini", L"&Yes"));
    Answer(ShortcutQuestion(L"&Yes"));
    Answer({L"tcstart", L"Add your Command-Line:\r\r/O  \r\rto the Shortcut?", L"&Yes"});
    // The private settings options, and the directory Total Commander starts in after the tab.
    EXPECT_EQ(Launches(),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe /O /i=E:\\TC\\TC_portable_wincmd.ini "
                                       "/f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC"});
    EXPECT_EQ(ReadShortcut(kShortcutNames[0]), L"E:\\TC\\tcstart.exe\t/O");
    EXPECT_EQ(ReadShortcut(kShortcutNames[1]), L"E:\\TC\\tcstart.exe\t/?");
}

// Without Total Commander the setup window follows the report; its close box ends it.
TEST_F(LauncherTest, NoTotalCommanderIsReportedAndTheSetupWindowShown) {
    Start(L"", L"E:\\Tools\\tcstart.exe");
    Answer(
        {L"File not found!", L"Total Commander not found!\rRun the tcstart.exe in the TC directory.", L"OK"});
    PostMessageW(Window(kSetupCaption), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Launches(), std::vector<std::string>{});
}

// A first start whose copy of wincmd.ini does not fit on the stick says so, leaves no private
// or working file and starts Total Commander with the FTP settings only.
TEST_F(LauncherTest, AFullStickIsReported) {
    Put(L"TC\\wincmd.ini", "[Configuration]\r\n; " + std::string(256 * 1024, '-') + "\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    fs::copy_file(_wgetenv(L"VELMORA_EXE"), kLauncher);
    ULARGE_INTEGER room{}, size{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"E:\\", &room, &size, nullptr) && size.QuadPart < 1ull << 30)
        << "E: is not a small medium (scripts/e2e.sh mounts one as root)";
    Put(L"filler", std::string(static_cast<std::size_t>(room.QuadPart) - 64 * 1024, '\0'));
    Start(L"");
    Answer(ImportQuestion(L"wincmd.ini", L"&Yes"));
    Answer({L"Import failed", L"Import canceled!", L"OK"});
    Answer(ImportQuestion(L"wcx_ftp.ini", L"&Yes"));
    Answer(ShortcutQuestion(L"&No"));
    EXPECT_EQ(Launches(),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe  /f=E:\\TC\\TC_portable_wcx_ftp.ini\tE:\\TC"});
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), std::nullopt);
    for (const auto& entry : fs::directory_iterator(stick_ / L"TC"))
        EXPECT_EQ(entry.path().wstring().find(L"_temp"), std::wstring::npos) << entry.path();
}

// The setup window as designed, then its buttons, its picture and its web link, one after the
// other, as a user might try them; the button bar is picked in the file dialog by double
// clicks. The stand-in on the stick serves as the browser registered for ".html" as well.
TEST_F(LauncherTest, TheSetupWindowLooksAsDesignedAndDoesWhatItsControlsSay) {
    Put(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    Put(L"Bars\\My.bar", Utf16Bytes(u"cmd=E:\\TC\\tool.exe\r\n"));
    Put(L"Bars\\My.br1", "icons\r\n");  // without it the import is cancelled
    // The prefix lives for this run only: nothing is undone.
    RegSetValueW(HKEY_CLASSES_ROOT, L".html", REG_SZ, L"VelmoraE2E.html", 0);
    RegSetValueW(HKEY_CLASSES_ROOT, L"VelmoraE2E.html\\shell\\open\\command", REG_SZ,
                 L"E:\\TC\\Totalcmd.exe \"%1\"", 0);
    Start(L"/?");
    HWND window = Window(kSetupCaption);
    EXPECT_EQ(Text(GetDlgItem(window, design::kLabel1)),
              L"Run this file from your TC dirctory.\r\n\r\nParameter for this screen: '/?'\r\n\r\n"
              L"..for more infos: check the Web-page");
    // Each control where the design puts it in twips at the screen's DPI, the link as wide as
    // its text; "Close" has the focus.
    const std::map<int, TwipsRect> designed = {
        {design::kCommand1, {.left = 240, .top = 3240, .width = 2655, .height = 495}},
        {design::kCommand3, {.left = 240, .top = 1920, .width = 2655, .height = 495}},
        {design::kCommand4, {.left = 240, .top = 2520, .width = 2655, .height = 495}},
        {design::kLabel1, {.left = 3120, .top = 1560, .width = 3735, .height = 1215}},
        {design::kLabel2, {.left = 5040, .top = 3600, .width = 1710, .height = 195}},
        {design::kPicture1, {.left = 120, .top = 120, .width = 1185, .height = 1095}},
        {design::kTitelLable, {.left = 1080, .top = 480, .width = 5895, .height = 375}},
        {design::kPatchBtnBar, {.left = 240, .top = 1320, .width = 2655, .height = 495}}};
    // The design's own twips first, each to the twip: at the screen's DPI a pixel is several.
    for (const ControlDesign& control : design::kControls)
        EXPECT_TRUE(!designed.contains(control.id) || control.place == designed.at(control.id)) << control.id;
    const std::pair size{7065, 4005};
    EXPECT_EQ(std::pair(design::kClientWidth, design::kClientHeight), size);
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
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(pixels(size.first), pixels(size.second)));
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_TRUE(GetWindow(window, GW_OWNER) && !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW));
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    // Escape ends nothing: only "Close" and the close box do.
    PostMessageW(GetDlgItem(window, design::kCommand1), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(Settle(window) && IsWindowVisible(window)) << "Escape ended it";
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
    // The main settings imported, and pointed at the private bar.
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n"
              "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n");
    EXPECT_EQ(Read(L"TC\\TC_portable_Default.bar"), Utf16Bytes(u"cmd=%COMMANDER_PATH%\\tool.exe\r\n"));

    // The picture asks as the shortcut button does; "/?" is a setup switch, so no question
    // about the command line follows.
    PostMessageW(GetDlgItem(window, design::kPicture1), WM_LBUTTONDOWN, MK_LBUTTON, 0);  // a click
    Answer(ShortcutQuestion(L"&No"));
    ASSERT_TRUE(Press(window, kShortcuts));
    Answer(ShortcutQuestion(L"&Yes"));
    // The second shortcut is the last step; the window handles messages between the two.
    ASSERT_TRUE(WaitUntil([] { return fs::exists(ShortcutFile(kShortcutNames[1])); }) && Settle(window));
    EXPECT_EQ(ReadShortcut(kShortcutNames[0]), L"E:\\TC\\velmora.exe\t");
    EXPECT_EQ(ReadShortcut(kShortcutNames[1]), L"E:\\TC\\velmora.exe\t/?");

    PostMessageW(GetDlgItem(window, design::kLabel2), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(stick_ / L"TC\\standin-record.txt"); })) << "no browser";
    // The link shows again once the browser has started.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, design::kLabel2)); }));
    Press(window, kClose);
    // The browser, and no Total Commander.
    EXPECT_EQ(Launches(),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe https://velmora.example.org/\tE:\\TC"});
}

}  // namespace
}  // namespace velmora::e2e
