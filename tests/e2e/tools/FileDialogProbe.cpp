// FileDialogProbe.exe open|save|dir [first] [second] [third]: opens the program's file
// selection window in one mode for scripts/screenshots.sh, which reaches the save and
// directory modes no launcher path shows. The arguments after the mode are those of the
// entry point, in its order.
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
    if (!argv || count < 2) return 2;
    std::vector<std::wstring> args(argv, argv + count);
    LocalFree(argv);
    args.resize(5);  // missing arguments are empty, as the entry points default them

    velmora::win32::Win32Machine machine;
    velmora::Platform platform = machine.AsPlatform();
    velmora::win32::Win32FileDialogWindow window(instance);
    velmora::Files files(platform, window);
    if (args[1] == L"open") return files.FileOpenDialog(args[2], args[3], args[4]).empty();
    if (args[1] == L"save") return files.filesaveDialog(args[2], args[3], args[4]).empty();
    if (args[1] == L"dir") return files.FileDirSelectDialog(args[2], args[3]).empty();
    return 2;
}
