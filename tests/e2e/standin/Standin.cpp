// Stand-in for the Total Commander executable. The tests copy it under the names the
// launcher looks for (Totalcmd.exe, WinCmd32.exe, ...). Each start appends one line to a
// record file and ends at once:
//
//   <command line as GetCommandLineW returns it> TAB <current directory> TAB <own exe path>
//   TAB <show state asked for by the starter, -1 when none> TAB <own process id> LF
//
// encoded as UTF-8. The record goes to the file named by VELMORA_E2E_RECORD, or to
// "standin-record.txt" beside the executable when that variable is not set.
#include <windows.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(size, L'\0');
    const DWORD n = GetCurrentDirectoryW(size, dir.data());
    dir.resize(n);
    return dir;
}

// The show state the starting program asked for, -1 when it left that to the default.
int RequestedShowState() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
}

std::wstring RecordPath(const std::wstring& exePath) {
    const DWORD size = GetEnvironmentVariableW(L"VELMORA_E2E_RECORD", nullptr, 0);
    if (size > 1) {
        std::wstring value(size, L'\0');
        value.resize(GetEnvironmentVariableW(L"VELMORA_E2E_RECORD", value.data(), size));
        return value;
    }
    return exePath.substr(0, exePath.find_last_of(L"\\/") + 1) + L"standin-record.txt";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring exePath = ModulePath();
    const std::string line = ToUtf8(GetCommandLineW()) + '\t' + ToUtf8(CurrentDirectory()) + '\t' +
                             ToUtf8(exePath) + '\t' + std::to_string(RequestedShowState()) + '\t' +
                             std::to_string(GetCurrentProcessId()) + '\n';

    // FILE_APPEND_DATA alone makes every write go to the end of the file, so one
    // WriteFile call lands as one whole line even when two stand-ins run at once.
    HANDLE file =
        CreateFileW(RecordPath(exePath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 2;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 3;
}
