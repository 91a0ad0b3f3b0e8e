// Driving the real launcher from outside: starting it, finding, reading and pressing its
// windows, and reading back the shortcuts it made and the starts the stand-in recorded.
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

// A program started with exactly this command line, in a job object that ends whatever of
// it and of what it started still runs when the Program goes.
class Program {
public:
    Program(const std::wstring& exe, std::wstring commandLine, const std::wstring& directory);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    // Waits until the program and everything it started have ended.
    bool WaitForAll() const;

private:
    HANDLE job_;
    PROCESS_INFORMATION info_{};
};

std::wstring Text(HWND window);
// The visible top-level windows of the process.
std::vector<HWND> Windows(DWORD processId);
// Waits for the program's visible window with this caption; throws when there is none.
HWND WaitForWindow(const Program& program, const std::wstring& caption);
// The control with this id anywhere inside the window, or nullptr.
HWND Control(HWND window, int id);
// The texts of the window's visible buttons, sorted.
std::vector<std::wstring> Buttons(HWND window);
// Clicks the visible button with this text; false when there is none.
bool Press(HWND window, const std::wstring& buttonText);
// Waits until the window's thread takes messages again (the handler of a click has run
// to its end, unless it handles messages on the way); false after 12 s.
bool Settle(HWND window);
// Double-clicks the row of a list box as soon as it is there; throws when it never is.
void DoubleClickRow(HWND dialog, int listId, const std::wstring& row);

// What the desktop shortcut of this name starts, as the shell's link object reads it.
struct Shortcut {
    std::wstring target, arguments;
    bool operator==(const Shortcut&) const = default;
};
inline const std::wstring kShortcutNames[] = {L"Total Commander (mobile)",
                                              L"Total Commander (mobile - Setup)"};
std::wstring ShortcutFile(const std::wstring& name);
std::optional<Shortcut> ReadShortcut(const std::wstring& name);

// The command line and directory of each start the stand-in recorded (standin/Standin.cpp).
struct Launch {
    std::wstring commandLine, directory;
};
std::vector<Launch> ReadLaunches(const std::wstring& recordFile);

}  // namespace velmora::e2e
