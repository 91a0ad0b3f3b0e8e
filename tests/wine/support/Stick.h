// The fake stick E:\ and runs of the launcher's core on it, wired as WinMain wires it, on
// the real Win32 platform. Total Commander is the stand-in, which records each start.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "ScriptedUi.h"
#include "common/Utf.h"
#include "filedialog/FileDialogDesign.h"
#include "filedialog/Files.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "launcher/SetupWindowController.h"
#include "launcher/StartupSequence.h"
#include "platform/win32/Win32Platform.h"
#include "shared/Utf16Bytes.h"
#include "shared/WaitUntil.h"

namespace velmora::wine {
namespace fs = std::filesystem;

inline const std::string kMissing = "<missing>";   // the bytes of a file that is not there
inline const std::string kStandin = "<stand-in>";  // laid out as a copy of the stand-in
inline constexpr wchar_t kTc[] = L"E:\\TC";
inline constexpr wchar_t kTotalcmd[] = L"E:\\TC\\Totalcmd.exe";
inline constexpr wchar_t kWincmd[] = L"E:\\TC\\wincmd.ini";  // the user's settings
inline constexpr wchar_t kWcx[] = L"E:\\TC\\wcx_ftp.ini";
inline constexpr wchar_t kMain[] = L"E:\\TC\\TC_portable_wincmd.ini";  // the private ones
inline constexpr wchar_t kFtp[] = L"E:\\TC\\TC_portable_wcx_ftp.ini";
// The user's settings, and the private copies the launcher makes of them.
inline const std::string kUserMain = "[C]\r\nd=E:\\TC\r\ne=e:\\tc\\n.exe E:\\TC\\i\r\n\r\n[P]\r\nx=C:\\x\r\n";
inline const std::string kPrivateMain =
    "[C]\r\nd=%COMMANDER_PATH%\r\ne=%COMMANDER_PATH%\\n.exe %COMMANDER_PATH%\\i\r\n\r\n[P]\r\nx=C:\\x\r\n";
inline const std::string kUserFtp = "[c]\r\n1=s\r\n[s]\r\nhost=E:\\TC\\ftp\r\n";
inline const std::string kPrivateFtp = "[c]\r\n1=s\r\n[s]\r\nhost=%COMMANDER_PATH%\\ftp\r\n";
inline constexpr wchar_t kStickMarker[] = L"E:\\velmora-wine-stick";  // laid by scripts/wine-tests.sh

using Layout = std::vector<std::pair<std::wstring, std::string>>;

inline void Lay(const Layout& layout) {
    wchar_t standin[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VELMORA_WINE_STANDIN", standin, MAX_PATH);
    for (const auto& [path, bytes] : layout) {
        fs::create_directories(fs::path(path).parent_path());
        if (bytes != kStandin) std::ofstream(fs::path(path), std::ios::binary) << bytes;
        // A stand-in started from there a moment ago may still be ending.
        const auto copied = [&] { return bytes != kStandin || CopyFileW(standin, path.c_str(), FALSE); };
        ASSERT_TRUE(WaitUntil(copied)) << "no stand-in at VELMORA_WINE_STANDIN";
    }
}

inline std::string FileBytes(const std::wstring& path) {
    std::ifstream file{fs::path(path), std::ios::binary};
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : kMissing;
}

inline std::map<std::wstring, std::string> Snapshot(const std::wstring& directory) {
    std::map<std::wstring, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) files[entry.path().wstring()] = FileBytes(entry.path().wstring());
    }
    return files;
}

// A record for each generation of starts: a stand-in that writes late counts in its own.
inline int generation = 0;
inline std::wstring Record() {
    return L"C:\\velmora-wine-record-" + std::to_wstring(generation) + L".txt";
}
inline void ForgetStarts() {
    DeleteFileW(Record().c_str());
    ++generation;
    SetEnvironmentVariableW(L"VELMORA_E2E_RECORD", Record().c_str());
}

struct StandinStart {
    std::wstring commandLine, directory, show;  // show: the show state asked for, -1 for none
};
// The stand-in's starts since ForgetStarts, once there are `count` or the wait is given up;
// its record has a line per start: command line, directory and show state, parted by tabs.
inline std::vector<StandinStart> Starts(std::size_t count) {
    std::vector<StandinStart> starts;
    WaitUntil([&] {
        starts.clear();
        std::istringstream lines(FileBytes(Record()));
        for (std::string line; std::getline(lines, line) && line != kMissing;) {
            std::wstringstream fields(FromUtf16(Utf8ToUtf16(line).value_or(u"")));
            StandinStart& start = starts.emplace_back();
            std::getline(std::getline(fields, start.commandLine, L'\t'), start.directory, L'\t') >>
                start.show;
        }
        return starts.size() >= count;
    });
    return starts;
}

// The lines of a settings text that hold something: the profile functions drop blank ones.
inline std::vector<std::string> SettingLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// Where the default profile names the user's folders; %USERPROFILE% stands for the user's own.
inline constexpr wchar_t kShellFolders[] =
    L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
inline void SetRegistryText(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(root, key, name, REG_EXPAND_SZ, text.c_str(), static_cast<DWORD>(text.size() * 2 + 2));
}

inline std::wstring DesktopLink(bool setup) {
    return JoinPath(win32::Win32ProcessEnvironment().SpecialFolderPath(ProcessEnvironment::kDesktopFolder),
                    setup ? L"Total Commander (mobile - Setup).lnk" : L"Total Commander (mobile).lnk");
}

// The file dialog answers itself: `choice` typed (unless empty) and Ok, Abbruch without a
// choice; `shown` counts, and the caption, name box and file list are kept as shown.
// `whileShown` looks at the window first.
struct DialogScript {
    std::optional<std::wstring> choice;
    std::function<void(HWND)> whileShown;
    HWND window = nullptr;  // the last one shown
    std::size_t shown = 0;
    std::wstring titled, named;
    std::vector<std::wstring> listed;
};
inline DialogScript* answering = nullptr;

// Answers the file dialog when `window` is it; FALSE stops the search.
inline BOOL CALLBACK AnswerIfFileDialog(HWND window, LPARAM) {
    namespace ids = file_dialog_design;
    if (!IsWindowVisible(window) || !GetDlgItem(window, ids::kFrame2)) return TRUE;
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(window, text, MAX_PATH);
    answering->titled = text;
    answering->window = window;
    if (answering->whileShown) answering->whileShown(window);
    GetDlgItemTextW(window, ids::kFileName, text, MAX_PATH);
    answering->named = text;
    answering->listed.clear();
    for (LRESULT i = 0; i < SendDlgItemMessageW(window, ids::kFile1, LB_GETCOUNT, 0, 0); ++i) {
        SendDlgItemMessageW(window, ids::kFile1, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        answering->listed.push_back(text);
    }
    // A dialog that does not close on Ok is given up after a while.
    const bool ok = answering->choice && ++answering->shown < 50;
    if (ok && !answering->choice->empty())
        SetDlgItemTextW(window, ids::kFileName, answering->choice->c_str());
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ok ? ids::kOk : ids::kAbbruch, BN_CLICKED), 0);
    return FALSE;
}

// On a timer of this thread: runs inside the file dialog's modal loop.
inline void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerIfFileDialog, 0);
}

class StickTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kStickMarker)) << "E: is not the test stick (run scripts/wine-tests.sh)";
        ClearStick();
    }

    // An empty stick; no starts recorded, desktop links or settings in C:\Windows. A test
    // that runs several cases of its own clears the stick before each.
    void ClearStick() {
        SetCurrentDirectoryW(L"C:\\");
        SetEnvironmentVariableW(L"=E:", nullptr);  // E:'s own current directory: its root
        // Copies of the stand-in come read-only, and one started a moment ago cannot go
        // until it has ended.
        const bool emptied = WaitUntil([] {
            for (const auto& entry : fs::recursive_directory_iterator(L"E:\\"))
                SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
            std::error_code ignored;
            for (const auto& entry : fs::directory_iterator(L"E:\\")) {
                if (entry.path() != fs::path(kStickMarker)) fs::remove_all(entry.path(), ignored);
            }
            return std::ranges::all_of(fs::directory_iterator(L"E:\\"), [](const auto& entry) {
                return entry.path() == fs::path(kStickMarker);
            });
        });
        EXPECT_TRUE(emptied) << "the stick cannot be emptied";
        for (const std::wstring& path :
             {DesktopLink(false), DesktopLink(true), std::wstring(L"C:\\Windows\\wincmd.ini"),
              std::wstring(L"C:\\Windows\\wcx_ftp.ini")}) {
            DeleteFileW(path.c_str());
        }
        ForgetStarts();
    }

    // Runs `act` as the program started from `programDirectory` with `tail`, on `files`.
    void Run(FileSystem& files, const std::function<void(Platform&, Files&)>& act,
             const std::wstring& tail = L"", const std::wstring& programDirectory = kTc) {
        const std::wstring module = JoinPath(programDirectory, L"velmora.exe");
        win32::Win32ProcessEnvironment process(module, L"\"" + module + L"\" " + tail);
        Platform platform{files,        machine.profiles, ui, process, machine.codePage, machine.registry,
                          machine.shell};
        win32::Win32FileDialogWindow window(GetModuleHandleW(nullptr));
        Files dialogs(platform, window);
        SetCurrentDirectoryW((startIn.empty() ? programDirectory : startIn).c_str());
        answering = &dialog;
        const struct Timer {
            UINT_PTR id = SetTimer(nullptr, 0, 10, AnswerFileDialog);
            ~Timer() { KillTimer(nullptr, id); }
        } timer;
        act(platform, dialogs);
    }

    // A start; when it ends in the setup window, a click on the button with this handler.
    StartupOutcome Start(const std::wstring& tail = L"", const std::wstring& programDirectory = kTc,
                         FileSystem* files = nullptr, void (SetupWindowController::*click)() = nullptr) {
        StartupOutcome outcome = StartupOutcome::Ended;
        const auto start = [&](Platform& platform, Files& dialogs) {
            DesktopShortcutCreator shortcuts(platform);
            StartupSequence startup(platform, dialogs, shortcuts);
            outcome = startup.Run();
            if (click && outcome == StartupOutcome::ShowSetupWindow)
                (SetupWindowController(platform, startup.Imports(), shortcuts).*click)();
        };
        Run(files ? *files : machine.files, start, tail, programDirectory);
        return outcome;
    }

    win32::Win32Machine machine;
    ScriptedUi ui;
    DialogScript dialog;
    std::wstring startIn;  // the current directory a run starts in; none: the program's
};

}  // namespace velmora::wine
