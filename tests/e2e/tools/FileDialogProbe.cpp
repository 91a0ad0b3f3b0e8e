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

#include "driver/Files.h"
#include "driver/Text.h"
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

    try {
        velmora::e2e::WriteBytes(args[1], velmora::e2e::ToUtf8(chosen) + '\n');
    } catch (...) {
        return 1;
    }
    return 0;
}
