// Driving the real launcher from outside: starting it, finding, reading and pressing its
// windows, reading back its desktop shortcuts and the starts the stand-in recorded.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velmora::e2e {

std::string Utf8(std::wstring_view text);

// Calls `condition` until it holds or 12 s have passed; true when it held.
bool WaitUntil(auto&& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(5);
    }
    return true;
}

// A program started with exactly this command line, in a job that ends all that still
// runs of it and of what it started when the Program goes.
class Program {
public:
    Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    // Waits until the program and all it started have ended.
    bool WaitForAll() const;

private:
    HANDLE job_;
    PROCESS_INFORMATION info_{};
};

std::wstring Text(HWND window);
// The process's visible top-level windows.
std::vector<HWND> Windows(DWORD processId);
// Waits for the program's visible window with this caption; throws when none comes.
HWND WaitForWindow(const Program& program, const std::wstring& caption);
// The control with this id anywhere in the window, or nullptr.
HWND Control(HWND window, int id);
// The texts of the window's visible buttons, sorted.
std::vector<std::wstring> Buttons(HWND window);
// Clicks the visible button with this text; false when there is none.
bool Press(HWND window, const std::wstring& text);
// Waits until the window's thread takes messages again: a click's handler has run to its
// end, unless the handler lets messages through on the way.
bool Settle(HWND window);
// Double-clicks the row of a list box as soon as it is there; throws when it never is.
void DoubleClickRow(HWND dialog, int listId, const std::wstring& row);

struct Shortcut {
    std::wstring target, arguments;
    bool operator==(const Shortcut&) const = default;
};
inline const std::wstring kShortcutNames[] = {L"Total Commander (mobile)",
                                              L"Total Commander (mobile - Setup)"};
std::wstring ShortcutFile(const std::wstring& name);
// What the desktop shortcut of this name starts, as the shell's link object reads it.
std::optional<Shortcut> ReadShortcut(const std::wstring& name);

// "<command line> TAB <directory>" of each start the stand-in recorded, in UTF-8.
std::vector<std::string> ReadLaunches(const std::wstring& recordFile);

}  // namespace velmora::e2e
