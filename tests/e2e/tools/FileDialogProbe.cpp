// FileDialogProbe.exe: opens the program's file selection window in one mode, so that the
// end-to-end tests reach the save and directory modes, which no launcher path shows.
//   FileDialogProbe.exe <result file> open|save|dir [first] [second] [third]
// The arguments after the mode are those of the entry point, in its order. The chosen
// path (or nothing) is written to the result file as UTF-8, followed by a line feed.
#include <windows.h>
// shellapi.h needs the definitions of windows.h
#include <shellapi.h>

#include <string>
#include <vector>

#include "filedialog/Files.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv || count < 3) return 2;
    std::vector<std::wstring> args(argv, argv + count);
    LocalFree(argv);
    args.resize(6);  // missing arguments are empty, as the entry points default them

    velmora::win32::Win32Machine machine;
    velmora::Platform platform = machine.AsPlatform();
    velmora::win32::Win32FileDialogWindow window(instance);
    velmora::Files files(platform, window);

    std::wstring chosen;
    const std::wstring& mode = args[2];
    if (mode == L"open") {
        chosen = files.FileOpenDialog(args[3], args[4], args[5]);
    } else if (mode == L"save") {
        chosen = files.filesaveDialog(args[3], args[4], args[5]);
    } else if (mode == L"dir") {
        chosen = files.FileDirSelectDialog(args[3], args[4]);
    } else {
        return 2;
    }

    const int size = WideCharToMultiByte(CP_UTF8, 0, chosen.c_str(), static_cast<int>(chosen.size()), nullptr,
                                         0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, chosen.c_str(), static_cast<int>(chosen.size()), bytes.data(), size,
                        nullptr, nullptr);
    bytes += '\n';
    HANDLE file = CreateFileW(args[1].c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
