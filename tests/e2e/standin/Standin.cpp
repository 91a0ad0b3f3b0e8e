// Stand-in for the Total Commander executable (and for a browser). The tests copy it under
// the names the launcher looks for. Each start appends one line to a record file and ends:
//
//   <command line as GetCommandLineW returns it> TAB <current directory> TAB <own exe path>
//   TAB <show state asked for by the starter, -1 when none> TAB <own process id> LF
//
// encoded as UTF-8. The record goes to the file named by VELMORA_E2E_RECORD, or to
// "standin-record.txt" beside the executable when that variable is not set.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string out(text.size() * 3, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    static wchar_t exe[32768], directory[32768], record[32768];
    GetModuleFileNameW(nullptr, exe, 32768);
    GetCurrentDirectoryW(32768, directory);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string line = Utf8(GetCommandLineW()) + '\t' + Utf8(directory) + '\t' + Utf8(exe) + '\t' +
                             std::to_string(show) + '\t' + std::to_string(GetCurrentProcessId()) + '\n';
    std::wstring path(record, GetEnvironmentVariableW(L"VELMORA_E2E_RECORD", record, 32768));
    if (path.empty()) {
        path = exe;
        path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"standin-record.txt";
    }
    // FILE_APPEND_DATA alone makes every write go to the end of the file, so one
    // WriteFile call lands as one whole line even when two stand-ins run at once.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 3;
}
