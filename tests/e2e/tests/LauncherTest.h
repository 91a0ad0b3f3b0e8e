// Fixture of the end-to-end tests: a fresh stick with the stand-in in E:\TC, the launcher
// copied there and started, its message boxes answered on screen, the starts recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "driver/Driver.h"

namespace velmora::e2e {

namespace fs = std::filesystem;

// A message box as it must look, and the button to press: "&Yes" or "&No" in a question,
// which has just these two, "OK" in a report, which has just that one.
struct Box {
    std::wstring title, text, answer;
};

inline Box ImportQuestion(const std::wstring& source, const std::wstring& target,
                          const std::wstring& answer) {
    return {L"First Start: Import file?",
            L"Import from current directory: '" + source + L"'\r\rto: '" + target +
                L"'\r\r\rImportant: original file will not be changed!!",
            answer};
}
inline Box BrowseQuestion(const std::wstring& file, const std::wstring& answer) {
    return {L"First Start: Browse for File?",
            L"Browse for " + file + L" File now?\r\rTarget: E:\\TC\\TC_portable_" + file, answer};
}
inline Box ShortcutQuestion(const std::wstring& answer) {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", answer};
}

inline constexpr wchar_t kLauncher[] = L"E:\\TC\\velmora.exe";
inline constexpr wchar_t kSetupCaption[] = L"Velmora - Total Commander mobile launcher  V.1.3";

inline std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH];
    return std::wstring(value, GetEnvironmentVariableW(name, value, MAX_PATH));
}

class LauncherTest : public ::testing::Test {
protected:
    // Only a drive that scripts/e2e.sh marked is emptied.
    LauncherTest() {
        // Wine starts its desktop process with the first program that needs it: this one,
        // not the launcher, whose job would wait for it.
        GetDesktopWindow();
        if (!fs::exists(stick_ / L"velmora-e2e-stick"))
            throw std::runtime_error("no marked stick (scripts/e2e.sh)");
        for (const auto& entry : fs::directory_iterator(stick_))
            if (entry.path().filename() != L"velmora-e2e-stick") fs::remove_all(entry.path());
        for (const std::wstring& name : kShortcutNames)
            fs::remove(ShortcutFile(name));
        fs::create_directory(stick_ / L"TC");
        fs::copy_file(Environment(L"VELMORA_E2E_STANDIN"), stick_ / L"TC\\Totalcmd.exe");
    }

    // Paths on the stick, e.g. L"TC\\wincmd.ini".
    void Put(const std::wstring& path, const std::string& bytes) {
        fs::create_directories((stick_ / path).parent_path());
        std::ofstream(stick_ / path, std::ios::binary) << bytes;
    }
    std::optional<std::string> Read(const std::wstring& path) {
        std::ifstream file(stick_ / path, std::ios::binary);
        return file ? std::optional(std::string(std::istreambuf_iterator<char>(file), {})) : std::nullopt;
    }

    // Copies the launcher to `exe` and starts it with the command line "<exe> <tail>".
    void Start(const std::wstring& tail, const std::wstring& exe = kLauncher) {
        fs::create_directories(fs::path(exe).parent_path());
        fs::copy_file(Environment(L"VELMORA_EXE"), exe);
        const std::wstring line = L"\"" + exe + L"\"" + (tail.empty() ? L"" : L" " + tail);
        launcher_ = std::make_unique<Program>(exe, line, fs::path(exe).parent_path().wstring());
    }
    HWND Window(const std::wstring& caption) { return WaitForWindow(*launcher_, caption); }

    // Checks the box's text and buttons and presses the answer.
    void Answer(const Box& box) {
        HWND window = Window(box.title);
        EXPECT_EQ(Text(GetDlgItem(window, 0xFFFF)), box.text) << Utf8(box.title);
        std::vector<std::wstring> buttons, question{L"&No", L"&Yes"}, report{L"OK"};
        for (HWND button : Buttons(window))
            buttons.push_back(Text(button));
        std::sort(buttons.begin(), buttons.end());
        EXPECT_EQ(buttons, box.answer == L"OK" ? report : question) << Utf8(box.title);
        if (!Press(window, box.answer) || !WaitUntil([window] { return !IsWindowVisible(window); }))
            throw std::runtime_error("pressing " + Utf8(box.answer) + " left " + Utf8(box.title) + " open");
    }

    // Waits until the launcher and all it started have ended; then "<command line> TAB
    // <directory>" of each start the stand-in recorded (standin/Standin.cpp).
    std::vector<std::string> Launches() {
        EXPECT_TRUE(launcher_->WaitForAll()) << "the launcher or what it started did not end";
        std::vector<std::string> launches;
        std::ifstream file(stick_ / L"TC\\standin-record.txt", std::ios::binary);
        for (std::string line; std::getline(file, line);)
            launches.push_back(line.substr(0, line.find('\t', line.find('\t') + 1)));
        return launches;
    }
    std::vector<std::optional<Shortcut>> Shortcuts() {
        return {ReadShortcut(kShortcutNames[0]), ReadShortcut(kShortcutNames[1])};
    }

    const fs::path stick_ = L"E:\\";
    std::unique_ptr<Program> launcher_;
};

}  // namespace velmora::e2e
