#include "support/Stick.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "filedialog/win32/FileDialogControlIds.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "shortcut/DesktopShortcuts.h"

namespace velmora::wine {
namespace fs = std::filesystem;
namespace {

constexpr wchar_t kStickRoot[] = L"E:\\";
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
    const int button =
        answering->choice.empty() || answering->captions.size() > 50 ? ids::kAbbruch : ids::kOk;
    if (button == ids::kOk) SetDlgItemTextW(window, ids::kFileName, answering->choice.c_str());
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return FALSE;
}

// Runs inside the dialog's modal loop.
void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerIfFileDialog, 0);
}

void RemoveAll(const fs::path& path) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored)) {
        for (const auto& entry : fs::directory_iterator(path, ignored))
            RemoveAll(entry.path());
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove(path, ignored);
}

std::vector<std::wstring> Fields(const std::wstring& line) {
    std::vector<std::wstring> fields;
    std::wstringstream stream(line);
    for (std::wstring field; std::getline(stream, field, L'\t');)
        fields.push_back(field);
    return fields;
}

}  // namespace

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

void Lay(const Layout& layout) {
    for (const auto& [path, bytes] : layout) {
        if (bytes == kStandin) {
            PutStandin(path);
        } else {
            PutFile(path, bytes);
        }
    }
}

void PutFile(const std::wstring& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(fs::path(path), std::ios::binary) << bytes;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file{fs::path(path), std::ios::binary};
    if (!file) return kMissing;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void PutStandin(const std::wstring& path) {
    fs::create_directories(fs::path(path).parent_path());
    wchar_t standin[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VELMORA_WINE_STANDIN", standin, MAX_PATH);
    // A stand-in started from there a moment ago may still be ending.
    bool copied = false;
    for (int waited = 0; !copied && waited < 500; ++waited) {
        copied = CopyFileW(standin, path.c_str(), FALSE) || (Sleep(20), false);
    }
    ASSERT_TRUE(copied) << "no stand-in at VELMORA_WINE_STANDIN";
}

std::map<std::wstring, std::string> Snapshot(const std::wstring& directory) {
    std::map<std::wstring, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file()) files[entry.path().wstring()] = FileBytes(entry.path().wstring());
    }
    return files;
}

std::vector<StandinStart> Starts(std::size_t count) {
    std::vector<StandinStart> starts;
    for (int waited = 0; waited < 500; ++waited) {
        starts.clear();
        const std::string record = FileBytes(Record());
        std::istringstream lines(record == kMissing ? "" : record);
        for (std::string line; std::getline(lines, line);) {
            const auto fields = Fields(Widen(line));
            if (fields.size() >= 3) starts.push_back({fields[0], fields[1], fields[2]});
        }
        if (starts.size() >= count) break;
        Sleep(20);  // polling the record until it holds `count` starts
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
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            content[section];
            continue;
        }
        const auto equals = line.find('=');
        content[section][line.substr(0, equals)] = equals == std::string::npos ? "" : line.substr(equals + 1);
    }
    return content;
}

std::wstring DesktopLink(bool setup) {
    const std::wstring desktop = win32::Win32ProcessEnvironment().SpecialFolderPath(0);
    return desktop + L"\\" + (setup ? kSetupLinkName : kMobileLinkName) + L".lnk";
}

void StickTest::SetUp() {
    ASSERT_TRUE(fs::exists(kStickMarker)) << "E: is not the test stick (run scripts/wine-tests.sh)";
    TearDown();
}

void StickTest::TearDown() {
    SetCurrentDirectoryW(L"C:\\");
    for (const auto& entry : fs::directory_iterator(kStickRoot)) {
        if (entry.path() != fs::path(kStickMarker)) RemoveAll(entry.path());
    }
    for (const std::wstring& path :
         {DesktopLink(false), DesktopLink(true), std::wstring(L"C:\\Windows\\wincmd.ini"),
          std::wstring(L"C:\\Windows\\wcx_ftp.ini")}) {
        DeleteFileW(path.c_str());
    }
    ForgetStarts();
}

void StickTest::Run(FileSystem& files, const std::function<void(Platform&, Files&)>& act,
                    const std::wstring& tail, const std::wstring& programDirectory) {
    const std::wstring module =
        programDirectory + (programDirectory.back() == L'\\' ? L"" : L"\\") + L"velmora.exe";
    win32::Win32ProcessEnvironment process(module,
                                           L"\"" + module + L"\"" + (tail.empty() ? L"" : L" ") + tail);
    Platform platform{files,        machine.profiles, ui, process, machine.codePage, machine.registry,
                      machine.shell};
    // The dialog looks around on the real file system: faults are planted in the imports.
    Platform dialogPlatform{machine.files,    machine.profiles, ui,           process,
                            machine.codePage, machine.registry, machine.shell};
    win32::Win32FileDialogWindow window(GetModuleHandleW(nullptr));
    Files dialogs(dialogPlatform, window);
    SetCurrentDirectoryW(programDirectory.c_str());
    answering = &dialog;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, AnswerFileDialog);
    try {
        act(platform, dialogs);
    } catch (...) {
        KillTimer(nullptr, timer);
        throw;
    }
    KillTimer(nullptr, timer);
}

StartupOutcome StickTest::Start(const std::wstring& tail, const std::wstring& programDirectory,
                                FileSystem* files) {
    StartupOutcome outcome = StartupOutcome::Ended;
    const auto start = [&](Platform& platform, Files& dialogs) {
        DesktopShortcutCreator shortcuts(platform);
        outcome = StartupSequence(platform, dialogs, shortcuts).Run();
    };
    Run(files ? *files : machine.files, start, tail, programDirectory);
    return outcome;
}

void StickTest::Click(void (SetupWindowController::*handler)(), FileSystem* files) {
    const auto click = [&](Platform& platform, Files& dialogs) {
        DesktopShortcutCreator shortcuts(platform);
        StartupSequence startup(platform, dialogs, shortcuts);
        ASSERT_EQ(startup.Run(), StartupOutcome::ShowSetupWindow);
        SetupWindowController controller(platform, startup.Imports(), shortcuts);
        (controller.*handler)();
    };
    Run(files ? *files : machine.files, click, L"/?");
}

}  // namespace velmora::wine
