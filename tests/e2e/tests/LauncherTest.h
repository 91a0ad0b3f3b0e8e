// Fixture of the end-to-end tests: a fresh stick per test, the launcher started on it
// with an exact command line, and expectations on the windows it shows and on the
// Total Commander start the stand-in recorded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/Process.h"
#include "driver/Record.h"
#include "driver/Stick.h"

namespace velmora::e2e {

struct ExpectedBox {
    std::wstring title;
    std::wstring text;
    std::vector<int> buttons;  // ids, any order
};

// The launcher's message boxes. A "\r" is a line break inside the box.
ExpectedBox ImportQuestion(const std::wstring& source, const std::wstring& destination);
ExpectedBox WindowsDirectoryQuestion(const std::wstring& fileName);
ExpectedBox BrowseQuestion(const std::wstring& fileName, const std::wstring& target);
ExpectedBox NotFoundReport(const std::wstring& launcherBaseName);
ExpectedBox ShortcutQuestion();

inline constexpr wchar_t kSetupWindowCaption[] = L"Velmora - Total Commander mobile launcher  V.1.3";

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest();
    void TearDown() override;

    // Starts `launcher` (a path on the stick) with the command line "<launcher in
    // quotes>" followed by a blank and `tail` when the tail is not empty.
    void Start(const std::wstring& launcher, const std::wstring& tail, const std::wstring& currentDirectory);
    // Starts `launcher` with exactly this command line.
    void StartWithCommandLine(const std::wstring& launcher, const std::wstring& commandLine,
                              const std::wstring& currentDirectory);

    // Waits for a visible window of the launcher with exactly this caption. Throws when
    // the launcher ends first or no such window appears in time.
    HWND WaitForWindow(const std::wstring& caption);
    // Expects the launcher's next window to be this message box, presses `answer` in
    // it and waits until the box has gone.
    void AnswerBox(const ExpectedBox& expected, int answer);
    // Presses the button with this text in the window and waits until the window has gone.
    void ClickAndWaitUntilGone(HWND window, const std::wstring& buttonText);
    // Waits for the launcher to end; a window it shows on the way fails the test.
    void ExpectEndWithoutWindow();
    // Waits until the launcher and what it started have ended; expects exactly one
    // start of Total Commander and returns it.
    Launch ExpectOneLaunch();
    // Waits until the launcher has ended; expects that it started no other process.
    void ExpectNothingLaunched();
    // Waits until the launcher has ended, whatever it started.
    void ExpectEnd();
    // The file in which the stand-ins record their starts.
    const std::wstring& RecordFile() const { return record_; }

    // Writes a file into the Windows directory for this test only.
    void AddToWindowsDirectory(const std::wstring& fileName, std::string_view bytes);

    Stick stick_;

private:
    Launch SoleLaunch();

    std::wstring record_;
    std::unique_ptr<Program> launcher_;
    std::vector<std::wstring> windowsFiles_;
};

}  // namespace velmora::e2e
