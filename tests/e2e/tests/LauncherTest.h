// Fixture of the end-to-end tests: a fresh stick with velmora.exe and the stand-in in
// E:\TC, the launcher started on it, its message boxes answered on screen, and the
// starts the stand-in recorded in E:\TC\standin-record.txt.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "driver/Driver.h"

namespace velmora::e2e {

// A message box as it must look, and the button to press in it: "&Yes" or "&No" in a
// question (which has just those two), "OK" in a report (which has just that).
struct Box {
    std::wstring title, text, answer;
};

Box ImportQuestion(const std::wstring& source, const std::wstring& target, const std::wstring& answer);
Box BrowseQuestion(const std::wstring& file, const std::wstring& answer);
Box ShortcutQuestion(const std::wstring& answer);

inline constexpr wchar_t kSetupCaption[] = L"Velmora - Total Commander mobile launcher  V.1.3";
inline constexpr wchar_t kLauncher[] = L"E:\\TC\\velmora.exe";
inline constexpr wchar_t kPrivateOptions[] =
    L"/i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";

class LauncherTest : public ::testing::Test {
protected:
    // Empties the stick (only a drive marked by scripts/e2e.sh) and the desktop's two
    // shortcuts, and lays out E:\TC.
    LauncherTest();

    // Stick paths are relative to its root, e.g. L"TC\\wincmd.ini".
    void Put(const std::wstring& relative, const std::string& bytes) { WriteFile(root_ + relative, bytes); }
    std::optional<std::string> Read(const std::wstring& relative) { return ReadFile(root_ + relative); }
    // Copies the launcher under test to this path unless it is there already.
    void CopyLauncherTo(const std::wstring& exe);
    // Starts the launcher with the command line "<exe>" or "<exe> <tail>", in exe's directory.
    void Start(const std::wstring& tail, const std::wstring& exe = kLauncher);
    HWND Window(const std::wstring& caption) { return WaitForWindow(*launcher_, caption); }
    // Waits for the box, checks its text and buttons, presses the answer and waits until
    // the box has gone.
    void Answer(const Box& box);
    // Presses the button and waits until the window has gone.
    void PressUntilGone(HWND window, const std::wstring& button);
    // Waits for the launcher's end, then for the `count` starts the stand-in should
    // record (for none: until nothing the launcher started runs), and returns them.
    std::vector<Launch> Launches(std::size_t count);
    // The desktop shortcuts "Total Commander (mobile)" and "... (mobile - Setup)".
    std::vector<std::optional<Shortcut>> Shortcuts();

    std::unique_ptr<Program> launcher_;

private:
    std::wstring root_;
};

}  // namespace velmora::e2e
