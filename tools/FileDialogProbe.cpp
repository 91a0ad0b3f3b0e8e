// FileDialogProbe.exe open|save|dir [first] [second] [third]: opens the program's file
// selection window in one mode for scripts/screenshots.sh, which so reaches the save and
// directory modes that no launcher path shows. The arguments after the mode are those of
// the entry point, in its order; missing ones are empty, as the entry points default them.
#include <windows.h>

#include <string>
#include <vector>

#include "filedialog/Files.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::wstring> args(__wargv, __wargv + __argc);
    args.resize(5);
    velmora::win32::Win32Machine machine;
    velmora::Platform platform = machine.AsPlatform();
    velmora::win32::Win32FileDialogWindow window(instance);
    velmora::Files files(platform, window);
    if (args[1] == L"open") return files.FileOpenDialog(args[2], args[3], args[4]).empty();
    if (args[1] == L"save") return files.filesaveDialog(args[2], args[3], args[4]).empty();
    if (args[1] == L"dir") return files.FileDirSelectDialog(args[2], args[3]).empty();
    return 2;
}
