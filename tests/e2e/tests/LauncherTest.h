// Fixture of the end-to-end tests: a fresh stick with velmora.exe and the stand-in in
// E:\TC, the launcher started on it, its message boxes answered on screen, and the starts
// the stand-in recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "driver/Driver.h"

namespace velmora::e2e {

// A message box as it must look, and the button to press: "&Yes" or "&No" in a question,
// which has just these two, "OK" in a report, which has just that one.
struct Box {
    std::wstring title, text, answer;
};
Box ImportQuestion(const std::wstring& source, const std::wstring& target, const std::wstring& answer);
Box BrowseQuestion(const std::wstring& file, const std::wstring& answer);
Box ShortcutQuestion(const std::wstring& answer);

inline constexpr wchar_t kLauncher[] = L"E:\\TC\\velmora.exe";
inline constexpr wchar_t kSetupCaption[] = L"Velmora - Total Commander mobile launcher  V.1.3";

class LauncherTest : public ::testing::Test {
protected:
    // Empties the stick (a drive scripts/e2e.sh marked as one) and removes the shortcuts.
    LauncherTest();

    // Paths on the stick, e.g. L"TC\\wincmd.ini".
    void Put(const std::wstring& path, const std::string& bytes);
    std::optional<std::string> Read(const std::wstring& path);
    // Starts a copy of the launcher at `exe` with the command line "<exe>" or "<exe> <tail>".
    void Start(const std::wstring& tail, const std::wstring& exe = kLauncher);
    HWND Window(const std::wstring& caption) { return WaitForWindow(*launcher_, caption); }
    // Waits for the box, checks its text and buttons, presses the answer.
    void Answer(const Box& box);
    // Presses the button and waits until the window has gone.
    void PressUntilGone(HWND window, const std::wstring& button);
    // Waits for the launcher's end and for `count` starts of the stand-in (for none: for
    // the end of all the launcher started), and returns the starts.
    std::vector<Launch> Launches(std::size_t count);
    std::vector<std::optional<Shortcut>> Shortcuts();

    std::unique_ptr<Program> launcher_;
};

}  // namespace velmora::e2e
