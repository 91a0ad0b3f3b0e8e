// velmora_demo_run.exe <launcher> <current directory> [yes|no]
// Starts the launcher as a user would, shows each question it asks on the console and
// answers it (Yes by default), and returns when the launcher and all it started have ended.
// Then shows the desktop shortcuts it made, read back through the shell.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "driver/Driver.h"

using namespace velmora::e2e;

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora_demo_run <launcher> <current directory> [yes|no]\n");
        return 2;
    }
    const std::wstring yesOrNo = argc < 4 || std::wstring(argv[3]) != L"no" ? L"&Yes" : L"&No";
    GetDesktopWindow();  // Wine's desktop process starts here, not inside the launcher's job
    for (const std::wstring& name : kShortcutNames)
        std::filesystem::remove(ShortcutFile(name));
    Program program(argv[1], L"\"" + std::wstring(argv[1]) + L"\"", argv[2]);
    for (int questions = 0;; ++questions) {
        HWND box = nullptr;
        if (!WaitUntil([&] {
                const auto windows = Windows(program.Id());
                box = windows.empty() ? nullptr : windows.front();
                return box || program.HasEnded();
            })) {
            std::fprintf(stderr, "the launcher neither asked nor ended within the time limit\n");
            return 1;
        }
        if (!box) {
            if (questions == 0) std::printf("  (no question asked, no window shown)\n\n");
            break;
        }
        const std::wstring title = Text(box);
        std::wstring text = Text(Control(box, 0xFFFF));
        for (std::size_t at = 0; (at = text.find(L'\r', at)) != std::wstring::npos;)
            text.replace(at, 1, L"\n      ");
        const auto buttons = Buttons(box);
        const bool question = std::find(buttons.begin(), buttons.end(), yesOrNo) != buttons.end();
        Press(box, question ? yesOrNo : L"OK");
        std::printf("  [%s]\n      %s\n  -> %s\n\n", Utf8(title).c_str(), Utf8(text).c_str(),
                    question ? Utf8(yesOrNo.substr(1)).c_str() : "OK");
        std::fflush(stdout);
        WaitUntil([&] { return !IsWindowVisible(box); });
    }
    if (!program.WaitForAll()) {
        std::fprintf(stderr, "a program started by the launcher did not end\n");
        return 1;
    }
    for (const std::wstring& name : kShortcutNames) {
        if (const auto shortcut = ReadShortcut(name))
            std::printf("  Desktop shortcut \"%s\"\n      target:    %s\n      arguments: %s\n",
                        Utf8(name).c_str(), Utf8(shortcut->target).c_str(),
                        shortcut->arguments.empty() ? "(none)" : Utf8(shortcut->arguments).c_str());
    }
    return 0;
}
