#include "tests/LauncherTest.h"

#include <filesystem>
#include <fstream>

namespace velmora::e2e {
namespace {

namespace fs = std::filesystem;

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH];
    return std::wstring(value, GetEnvironmentVariableW(name, value, MAX_PATH));
}

const fs::path kStick = Environment(L"VELMORA_E2E_STICK") + L"\\";

}  // namespace

Box ImportQuestion(const std::wstring& source, const std::wstring& target, const std::wstring& answer) {
    return {L"First Start: Import file?",
            L"Import from current directory: '" + source + L"'\r\rto: '" + target +
                L"'\r\r\rImportant: original file will not be changed!!",
            answer};
}

Box BrowseQuestion(const std::wstring& file, const std::wstring& answer) {
    return {L"First Start: Browse for File?",
            L"Browse for " + file + L" File now?\r\rTarget: E:\\TC\\TC_portable_" + file, answer};
}

Box ShortcutQuestion(const std::wstring& answer) {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", answer};
}

LauncherTest::LauncherTest() {
    if (!fs::exists(kStick / L"velmora-e2e-stick"))
        throw std::runtime_error("no marked stick: run scripts/e2e.sh");
    for (const auto& entry : fs::directory_iterator(kStick))
        if (entry.path().filename() != L"velmora-e2e-stick") fs::remove_all(entry.path());
    for (const std::wstring& name : kShortcutNames)
        fs::remove(ShortcutFile(name));
    fs::create_directory(kStick / L"TC");
    fs::copy_file(Environment(L"VELMORA_E2E_STANDIN"), kStick / L"TC\\Totalcmd.exe");
}

void LauncherTest::Put(const std::wstring& path, const std::string& bytes) {
    fs::create_directories((kStick / path).parent_path());
    std::ofstream(kStick / path, std::ios::binary) << bytes;
}

std::optional<std::string> LauncherTest::Read(const std::wstring& path) {
    std::ifstream file(kStick / path, std::ios::binary);
    return file ? std::optional(std::string(std::istreambuf_iterator<char>(file), {})) : std::nullopt;
}

void LauncherTest::Start(const std::wstring& tail, const std::wstring& exe) {
    fs::create_directories(fs::path(exe).parent_path());
    fs::copy_file(Environment(L"VELMORA_EXE"), exe);
    const std::wstring line = L"\"" + exe + L"\"" + (tail.empty() ? L"" : L" " + tail);
    launcher_ = std::make_unique<Program>(exe, line, fs::path(exe).parent_path().wstring());
}

void LauncherTest::Answer(const Box& box) {
    HWND window = Window(box.title);
    EXPECT_EQ(Text(Control(window, 0xFFFF)), box.text) << Utf8(box.title);
    const std::vector<std::wstring> question{L"&No", L"&Yes"}, report{L"OK"};
    EXPECT_EQ(Buttons(window), box.answer == L"OK" ? report : question) << Utf8(box.title);
    PressUntilGone(window, box.answer);
}

void LauncherTest::PressUntilGone(HWND window, const std::wstring& button) {
    if (!Press(window, button) || !WaitUntil([window] { return !IsWindowVisible(window); }))
        throw std::runtime_error("pressing " + Utf8(button) + " did not close " + Utf8(Text(window)));
}

std::vector<Launch> LauncherTest::Launches(std::size_t count) {
    const std::wstring record = (kStick / L"TC\\standin-record.txt").wstring();
    // Wine's shell helpers, started with the shortcuts, may run on in the job.
    const bool ended =
        WaitUntil([&] { return launcher_->HasEnded(); }) &&
        (count ? WaitUntil([&] { return ReadLaunches(record).size() >= count; }) : launcher_->WaitForAll());
    EXPECT_TRUE(ended) << "the launcher or what it started did not end";
    return ReadLaunches(record);
}

std::vector<std::optional<Shortcut>> LauncherTest::Shortcuts() {
    return {ReadShortcut(kShortcutNames[0]), ReadShortcut(kShortcutNames[1])};
}

}  // namespace velmora::e2e

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Wine starts its desktop process with the first program that needs it: let that be
    // this one, not the launcher in its job.
    GetDesktopWindow();
    return RUN_ALL_TESTS();
}
