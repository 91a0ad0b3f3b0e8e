// velmora_demo_run.exe <launcher> <current directory> [yes|no]
// Starts the launcher as a user would, shows each question it asks on the console and
// answers it (Yes by default), and returns when the launcher and all it started have ended.
// Then lists the desktop shortcuts that appeared meanwhile, read back through the shell.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "driver/Process.h"
#include "driver/Shell.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"

namespace {

using namespace velmora::e2e;

std::string Printable(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text)
        shown += c == L'\r' ? std::wstring(L"\n      ") : std::wstring(1, c);
    return ToUtf8(shown);
}

std::set<std::filesystem::path> DesktopShortcuts() {
    std::set<std::filesystem::path> links;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(DesktopFolder(), error))
        if (entry.path().extension() == L".lnk") links.insert(entry.path());
    return links;
}

void ShowNewShortcuts(const std::set<std::filesystem::path>& before) {
    for (const auto& link : DesktopShortcuts()) {
        if (before.contains(link)) continue;
        const auto contents = ReadShortcut(link.wstring());
        std::printf("  Desktop shortcut \"%s\"\n", ToUtf8(link.stem().wstring()).c_str());
        if (!contents) {
            std::printf("      (the shell cannot read it)\n");
            continue;
        }
        std::printf("      target:    %s\n      arguments: %s\n", ToUtf8(contents->target).c_str(),
                    contents->arguments.empty() ? "(none)" : ToUtf8(contents->arguments).c_str());
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora_demo_run <launcher> <current directory> [yes|no]\n");
        return 2;
    }
    const std::wstring launcher = argv[1];
    const bool answerYes = argc < 4 || std::wstring(argv[3]) != L"no";
    GetDesktopWindow();  // Wine's desktop process starts here, not inside the launcher's job
    const auto shortcutsBefore = DesktopShortcuts();

    Program program(launcher, L"\"" + launcher + L"\"", argv[2]);
    int questions = 0;
    for (;;) {
        HWND box = nullptr;
        const bool somethingHappened = WaitUntil([&] {
            const auto windows = VisibleTopLevelWindows(program.Id());
            box = windows.empty() ? nullptr : windows.front();
            return box != nullptr || program.HasEnded();
        });
        if (!somethingHappened) {
            std::fprintf(stderr, "the launcher neither asked nor ended within the time limit\n");
            return 1;
        }
        if (box == nullptr) break;
        const auto buttons = VisibleButtonIds(box);
        const bool isQuestion = std::find(buttons.begin(), buttons.end(), IDYES) != buttons.end();
        const int answer = !isQuestion ? IDOK : answerYes ? IDYES : IDNO;
        std::printf("  [%s]\n      %s\n  -> %s\n\n", ToUtf8(WindowText(box)).c_str(),
                    Printable(MessageBoxText(box)).c_str(),
                    answer == IDYES  ? "Yes"
                    : answer == IDNO ? "No"
                                     : "OK");
        std::fflush(stdout);
        ++questions;
        PressDialogButton(box, answer);
        WaitUntil([&] { return !IsWindow(box); });
    }
    if (!program.WaitForAllProcessesToEnd()) {
        std::fprintf(stderr, "a program started by the launcher did not end\n");
        return 1;
    }
    if (questions == 0) std::printf("  (no question asked, no window shown)\n\n");
    ShowNewShortcuts(shortcutsBefore);
    return 0;
}
