#include "support/Stick.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "filedialog/win32/FileDialogControlIds.h"
#include "filedialog/win32/Win32FileDialogWindow.h"

namespace velmora::wine {
namespace fs = std::filesystem;
namespace {

constexpr wchar_t kStickMarker[] = L"E:\\velmora-wine-stick";  // laid by scripts/wine-tests.sh
// Each generation of starts has a record of its own: a stand-in started earlier that
// writes late cannot count among the starts asked about now.
int generation = 0;
std::wstring Record() {
    return L"C:\\velmora-wine-record-" + std::to_wstring(generation) + L".txt";
}

DialogScript* answering = nullptr;

BOOL CALLBACK AnswerIfFileDialog(HWND window, LPARAM) {
    namespace ids = file_dialog_ids;
    if (!IsWindowVisible(window) || !GetDlgItem(window, ids::kFrame2)) return TRUE;
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    answering->captions.push_back(caption);
    // A dialog that does not close on Ok is given up after a while.
    const bool ok = !answering->choice.empty() && answering->captions.size() < 50;
    if (ok) SetDlgItemTextW(window, ids::kFileName, answering->choice.c_str());
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ok ? ids::kOk : ids::kAbbruch, BN_CLICKED), 0);
    return FALSE;
}

// Runs inside the dialog's modal loop.
void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerIfFileDialog, 0);
}

struct AnswerTimer {
    UINT_PTR id = SetTimer(nullptr, 0, 10, AnswerFileDialog);
    ~AnswerTimer() { KillTimer(nullptr, id); }
};

}  // namespace

void Lay(const Layout& layout) {
    wchar_t standin[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VELMORA_WINE_STANDIN", standin, MAX_PATH);
    for (const auto& [path, bytes] : layout) {
        fs::create_directories(fs::path(path).parent_path());
        if (bytes != kStandin) {
            std::ofstream(fs::path(path), std::ios::binary) << bytes;
            continue;
        }
        // A stand-in started from there a moment ago may still be ending.
        int waited = 0;
        while (!CopyFileW(standin, path.c_str(), FALSE) && ++waited < 500)
            Sleep(20);
        ASSERT_LT(waited, 500) << "no stand-in at VELMORA_WINE_STANDIN";
    }
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file{fs::path(path), std::ios::binary};
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : kMissing;
}

std::map<std::wstring, std::string> Snapshot(const std::wstring& directory) {
    std::map<std::wstring, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) files[entry.path().wstring()] = FileBytes(entry.path().wstring());
    }
    return files;
}

// The record holds one line per start: command line, directory, exe and more, by tabs.
std::vector<StandinStart> Starts(std::size_t count) {
    std::vector<StandinStart> starts;
    for (int waited = 0; waited < 500 && starts.size() < count; ++waited) {
        if (waited > 0) Sleep(20);
        starts.clear();
        std::istringstream lines(FileBytes(Record()) == kMissing ? "" : FileBytes(Record()));
        for (std::string line; std::getline(lines, line);) {
            std::wstringstream fields(std::wstring(line.begin(), line.end()));  // the tests' paths are ASCII
            StandinStart start;
            std::getline(std::getline(std::getline(fields, start.commandLine, L'\t'), start.directory, L'\t'),
                         start.exe, L'\t');
            starts.push_back(start);
        }
    }
    return starts;
}

void ForgetStarts() {
    DeleteFileW(Record().c_str());
    ++generation;
    SetEnvironmentVariableW(L"VELMORA_E2E_RECORD", Record().c_str());
}

IniContent ParseIni(const std::string& text) {
    IniContent content;
    std::string section;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto equals = line.find('=');
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            content[section];
        } else {
            content[section][line.substr(0, equals)] =
                equals == std::string::npos ? "" : line.substr(equals + 1);
        }
    }
    return content;
}

std::wstring DesktopLink(bool setup) {
    return win32::Win32ProcessEnvironment().SpecialFolderPath(0) + L"\\" +
           (setup ? kSetupLinkName : kMobileLinkName) + L".lnk";
}

void StickTest::SetUp() {
    ASSERT_TRUE(fs::exists(kStickMarker)) << "E: is not the test stick (run scripts/wine-tests.sh)";
    SetCurrentDirectoryW(L"C:\\");
    // Copies of the stand-in come read-only; one still ending stays and is copied over.
    for (const auto& entry : fs::recursive_directory_iterator(L"E:\\"))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const auto& entry : fs::directory_iterator(L"E:\\")) {
        std::error_code ignored;
        if (entry.path() != fs::path(kStickMarker)) fs::remove_all(entry.path(), ignored);
    }
    for (const std::wstring& path :
         {DesktopLink(false), DesktopLink(true), std::wstring(L"C:\\Windows\\wincmd.ini")})
        DeleteFileW(path.c_str());
    DeleteFileW(L"C:\\Windows\\wcx_ftp.ini");
    ForgetStarts();
}

void StickTest::Run(FileSystem& files, const std::function<void(Platform&, Files&)>& act,
                    const std::wstring& tail, const std::wstring& programDirectory) {
    const std::wstring module =
        programDirectory + (programDirectory.back() == L'\\' ? L"" : L"\\") + L"velmora.exe";
    win32::Win32ProcessEnvironment process(module, L"\"" + module + L"\" " + tail);
    Platform platform{files,        machine.profiles, ui, process, machine.codePage, machine.registry,
                      machine.shell};
    win32::Win32FileDialogWindow window(GetModuleHandleW(nullptr));
    Files dialogs(platform, window);
    SetCurrentDirectoryW(programDirectory.c_str());
    answering = &dialog;
    const AnswerTimer timer;
    act(platform, dialogs);
}

StartupOutcome StickTest::Start(const std::wstring& tail, const std::wstring& programDirectory,
                                FileSystem* files, void (SetupWindowController::*click)()) {
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

}  // namespace velmora::wine
