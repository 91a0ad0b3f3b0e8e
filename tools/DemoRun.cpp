// velmora_demo_run.exe <launcher> <current directory> [yes|no]
// Starts the launcher as a user would, shows each question it asks on the console and
// answers it (Yes by default); once the launcher and all it started have ended, shows the
// desktop shortcuts it made, read back through the shell. Returns 1 when it waited in vain.
#include <cstdio>

#include "driver/Driver.h"

using namespace velmora;
using namespace velmora::e2e;

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const std::wstring answer = argc > 3 && std::wstring(argv[3]) == L"no" ? L"&No" : L"&Yes";
    for (const std::wstring& name : kShortcutNames)
        std::filesystem::remove(ShortcutFile(name));
    Program program(argv[1], L"\"" + std::wstring(argv[1]) + L"\"", argv[2]);
    std::vector<HWND> boxes;
    int questions = 0;
    for (;; ++questions) {
        if (!WaitUntil([&] { return !(boxes = program.VisibleWindows()).empty() || program.HasEnded(); }))
            return 1;
        if (boxes.empty()) break;
        std::wstring title = Text(boxes[0]), text = Text(GetDlgItem(boxes[0], 0xFFFF));
        for (std::size_t at = 0; (at = text.find(L'\r', at)) != std::wstring::npos;)
            text.replace(at, 1, L"\n      ");
        const bool question = Press(boxes[0], answer) || !Press(boxes[0], L"OK");
        std::printf("  [%s]\n      %s\n  -> %s\n\n", Utf8(title).c_str(), Utf8(text).c_str(),
                    question ? Utf8(answer.substr(1)).c_str() : "OK");
        std::fflush(stdout);
        WaitUntil([&] { return !IsWindowVisible(boxes[0]); });
    }
    if (questions == 0) std::printf("  (no question asked, no window shown)\n\n");
    if (!program.WaitForAll()) return 1;
    for (const std::wstring& name : kShortcutNames)
        if (std::wstring shortcut = ReadShortcut(name); !shortcut.empty())
            std::printf("  Desktop shortcut \"%s\" starts: %s\n", Utf8(name).c_str(),
                        Utf8(shortcut.replace(shortcut.find(L'\t'), 1, L" ")).c_str());
    return 0;
}
