#include "tests/LauncherTest.h"

#include <algorithm>
#include <stdexcept>

#include "driver/Files.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"

namespace velmora::e2e {
namespace {

constexpr wchar_t kWindowsDirectory[] = L"C:\\Windows\\";

[[noreturn]] void Fail(const std::wstring& message) {
    throw std::runtime_error(ToUtf8(message));
}

std::wstring TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name = FromUtf8(std::string(info->test_suite_name()) + "." + info->name());
    std::replace(name.begin(), name.end(), L'/', L'_');
    return name;
}

std::vector<int> Sorted(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace

ExpectedBox ImportQuestion(const std::wstring& source, const std::wstring& destination) {
    return {L"First Start: Import file?",
            L"Import from current directory: '" + source + L"'\r\rto: '" + destination +
                L"'\r\r\rImportant: original file will not be changed!!",
            {IDYES, IDNO}};
}

ExpectedBox WindowsDirectoryQuestion(const std::wstring& fileName) {
    return {L"First Start: Import from Windows directory?",
            L"Import from Windows directory?\r\rC:\\Windows\\" + fileName +
                L"\r\rImportant: original file will not be changed!!",
            {IDYES, IDNO}};
}

ExpectedBox BrowseQuestion(const std::wstring& fileName, const std::wstring& target) {
    return {L"First Start: Browse for File?",
            L"Browse for " + fileName + L" File now?\r\rTarget: " + target,
            {IDYES, IDNO}};
}

ExpectedBox NotFoundReport(const std::wstring& launcherBaseName) {
    return {L"File not found!",
            L"Total Commander not found!\rRun the " + launcherBaseName + L".exe in the TC directory.",
            {IDOK}};
}

ExpectedBox ShortcutQuestion() {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", {IDYES, IDNO}};
}

LauncherTest::LauncherTest() : record_(ScratchDirectory(TestName()) + L"\\standin-record.txt") {
    // The stand-in inherits the variable through the launcher.
    SetEnvironment(L"VELMORA_E2E_RECORD", record_);
    for (const wchar_t* name : {L"wincmd.ini", L"wcx_ftp.ini"}) {
        if (FileExists(kWindowsDirectory + std::wstring(name))) {
            Fail(std::wstring(kWindowsDirectory) + name +
                 L" exists before the test; run the tests in the private prefix of scripts/e2e.sh");
        }
    }
}

void LauncherTest::TearDown() {
    launcher_.reset();  // ends whatever a failed test left running
    for (const std::wstring& path : windowsFiles_) {
        RemoveFile(path);
    }
}

void LauncherTest::Start(const std::wstring& launcher, const std::wstring& tail,
                         const std::wstring& currentDirectory) {
    StartWithCommandLine(launcher, L"\"" + launcher + L"\"" + (tail.empty() ? L"" : L" " + tail),
                         currentDirectory);
}

void LauncherTest::StartWithCommandLine(const std::wstring& launcher, const std::wstring& commandLine,
                                        const std::wstring& currentDirectory) {
    launcher_ = std::make_unique<Program>(launcher, commandLine, currentDirectory);
}

HWND LauncherTest::WaitForWindow(const std::wstring& caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindVisibleWindow(launcher_->Id(), caption);
        return found || launcher_->HasEnded();
    });
    if (found) {
        return found;
    }
    Fail(std::wstring(launcher_->HasEnded() ? L"the launcher ended" : L"timed out") +
         L" while waiting for a window '" + caption + L"'; its windows: " +
         Describe(VisibleTopLevelWindows(launcher_->Id())));
}

void LauncherTest::AnswerBox(const ExpectedBox& expected, int answer) {
    HWND box = WaitForWindow(expected.title);
    EXPECT_EQ(MessageBoxText(box), expected.text) << "in the box '" << ToUtf8(expected.title) << "'";
    EXPECT_EQ(Sorted(VisibleButtonIds(box)), Sorted(expected.buttons))
        << "buttons of the box '" << ToUtf8(expected.title) << "'";
    PressDialogButton(box, answer);
    if (!WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); })) {
        Fail(L"the box '" + expected.title + L"' stayed open after its button " + std::to_wstring(answer) +
             L" was pressed");
    }
}

void LauncherTest::ClickAndWaitUntilGone(HWND window, const std::wstring& buttonText) {
    if (!ClickButton(window, buttonText)) {
        Fail(L"no button '" + buttonText + L"' in: " + Describe({window}));
    }
    if (!WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); })) {
        Fail(L"the window stayed open after '" + buttonText + L"' was clicked: " + Describe({window}));
    }
}

void LauncherTest::ExpectEndWithoutWindow() {
    std::vector<HWND> shown;
    const bool settled = WaitUntil([&] {
        shown = VisibleTopLevelWindows(launcher_->Id());
        return !shown.empty() || launcher_->HasEnded();
    });
    if (!shown.empty()) {
        Fail(L"the launcher showed a window where none was expected: " + Describe(shown));
    }
    if (!settled) {
        Fail(L"the launcher did not end within the timeout");
    }
}

Launch LauncherTest::ExpectOneLaunch() {
    if (!launcher_->WaitForEnd()) {
        Fail(L"the launcher did not end within the timeout; its windows: " +
             Describe(VisibleTopLevelWindows(launcher_->Id())));
    }
    return SoleLaunch();
}

Launch LauncherTest::SoleLaunch() {
    if (!launcher_->WaitForAllProcessesToEnd()) {
        Fail(L"a process started by the launcher did not end within the timeout");
    }
    const std::vector<Launch> launches = ReadLaunches(record_);
    if (launches.size() != 1) {
        std::wstring lines;
        for (const Launch& launch : launches) {
            lines += L"\n  " + launch.executable + L": " + launch.commandLine;
        }
        Fail(L"expected exactly one start of Total Commander, recorded " + std::to_wstring(launches.size()) +
             L":" + lines);
    }
    EXPECT_EQ(launcher_->ProcessesStarted(), 2u) << "the launcher and Total Commander, nothing else";
    return launches.front();
}

void LauncherTest::ExpectNothingLaunched() {
    if (!launcher_->WaitForEnd()) {
        Fail(L"the launcher did not end within the timeout; its windows: " +
             Describe(VisibleTopLevelWindows(launcher_->Id())));
    }
    if (!launcher_->WaitForAllProcessesToEnd()) {
        Fail(L"a process started by the launcher did not end within the timeout");
    }
    EXPECT_EQ(launcher_->ProcessesStarted(), 1u) << "the launcher started another process";
    EXPECT_TRUE(ReadLaunches(record_).empty()) << "Total Commander was started";
}

void LauncherTest::ExpectEnd() {
    if (!launcher_->WaitForEnd()) {
        Fail(L"the launcher did not end within the timeout; its windows: " +
             Describe(VisibleTopLevelWindows(launcher_->Id())));
    }
}

void LauncherTest::AddToWindowsDirectory(const std::wstring& fileName, std::string_view bytes) {
    const std::wstring path = kWindowsDirectory + fileName;
    WriteBytes(path, bytes);
    windowsFiles_.push_back(path);
}

}  // namespace velmora::e2e
