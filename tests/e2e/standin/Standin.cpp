// Stand-in for Totalcmd.exe and for a browser: each start appends one UTF-8 line to the file
// named by VELMORA_E2E_RECORD, or to "standin-record.txt" beside the executable, and ends:
//   <command line> TAB <current directory> TAB <show state asked for, -1 for none>
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    static wchar_t exe[32768], directory[32768], record[32768];
    GetModuleFileNameW(nullptr, exe, 32768);
    GetCurrentDirectoryW(32768, directory);
    STARTUPINFOW startup = {};
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring line =
        std::wstring(GetCommandLineW()) + L'\t' + directory + L'\t' + std::to_wstring(show) + L'\n';
    std::string bytes(line.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(),
                                     static_cast<int>(bytes.size()), nullptr, nullptr));
    std::wstring path(record, GetEnvironmentVariableW(L"VELMORA_E2E_RECORD", record, 32768));
    if (path.empty()) path = std::wstring(exe, wcsrchr(exe, L'\\') + 1) + L"standin-record.txt";
    // FILE_APPEND_DATA alone makes every write go to the end of the file, so one
    // WriteFile call lands as one whole line even when two stand-ins run at once.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;  // the handle closes as the program ends
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ? 0 : 3;
}
