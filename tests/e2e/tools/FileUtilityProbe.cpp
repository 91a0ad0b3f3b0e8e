// FileUtilityProbe.exe: calls one file utility of the Files object on the real system, so
// that the end-to-end tests reach them; the launcher itself calls none.
//   FileUtilityProbe.exe <result file> list <Path> <target> <pattern> <append 0|1>
//                                      date <file>
//                                      move <source> <destination> <overwrite 0|1>
//                                      short <path> | long <path>
//                                      run <Datei> [style]
// The result file gets UTF-8 lines, each ended by a line feed: "ok" or "error" and then
// Path for list; "YYYY-MM-DD hh:mm:ss" or "error" for date; "moved", "not moved" or
// "error" for move; the path for short and long; for run, the task id ("" when nothing
// started), Datei afterwards and the current directory afterwards.
#include <windows.h>
// shellapi.h needs the definitions of windows.h
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/Files.h"
#include "driver/Text.h"
#include "filedialog/Files.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "platform/win32/Win32Platform.h"

namespace {

std::wstring DateText(const velmora::LocalDateTime& t) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::wstring MoveText(velmora::FileMoveResult result) {
    switch (result) {
        case velmora::FileMoveResult::Moved:
            return L"moved";
        case velmora::FileMoveResult::NotMoved:
            return L"not moved";
        case velmora::FileMoveResult::Failed:
            break;
    }
    return L"error";
}

// The utility's answer as lines; nothing for an unknown operation.
std::optional<std::vector<std::wstring>> Call(velmora::Files& files, velmora::FileSystem& fileSystem,
                                              std::vector<std::wstring>& args) {
    const std::wstring& operation = args[2];
    if (operation == L"list") {
        const bool completed = files.ReadDirctoryStructureToFile(args[3], args[4], args[5], args[6] == L"1");
        return std::vector<std::wstring>{completed ? L"ok" : L"error", args[3]};
    }
    if (operation == L"date") {
        const auto date = files.getFileDate(args[3]);
        return std::vector<std::wstring>{date ? DateText(*date) : L"error"};
    }
    if (operation == L"move")
        return std::vector<std::wstring>{MoveText(files.FileMove(args[3], args[4], args[5] == L"1"))};
    if (operation == L"short") return std::vector<std::wstring>{files.FileGetShortFileName(args[3])};
    if (operation == L"long") return std::vector<std::wstring>{files.FileGetLongFileName(args[3])};
    if (operation == L"run") {
        const auto task =
            args[4].empty() ? files.FileRun(args[3]) : files.FileRun(args[3], std::stoi(args[4]));
        return std::vector<std::wstring>{task ? std::to_wstring(*task) : L"", args[3],
                                         fileSystem.CurrentDirectory()};
    }
    return std::nullopt;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv || count < 3) return 2;
    std::vector<std::wstring> args(argv, argv + count);
    LocalFree(argv);
    args.resize(7);  // missing arguments are empty

    velmora::win32::Win32Machine machine;
    velmora::Platform platform = machine.AsPlatform();
    velmora::win32::Win32FileDialogWindow window(instance);
    velmora::Files files(platform, window);
    const auto lines = Call(files, machine.files, args);
    if (!lines) return 2;

    std::string bytes;
    for (const std::wstring& line : *lines)
        bytes += velmora::e2e::ToUtf8(line) + '\n';
    try {
        velmora::e2e::WriteBytes(args[1], bytes);
    } catch (...) {
        return 1;
    }
    return 0;
}
