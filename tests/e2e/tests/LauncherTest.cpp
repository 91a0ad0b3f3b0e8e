#include "tests/LauncherTest.h"

#include <filesystem>

namespace velmora::e2e {
namespace {

namespace fs = std::filesystem;

const wchar_t* const kLinkNames[] = {L"Total Commander (mobile)", L"Total Commander (mobile - Setup)"};

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    return std::wstring(value, GetEnvironmentVariableW(name, value, MAX_PATH));
}

std::wstring LinkFile(const wchar_t* name) {
    return DesktopFolder() + L"\\" + name + L".lnk";
}

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

LauncherTest::LauncherTest() : root_(Environment(L"VELMORA_E2E_STICK") + L"\\") {
    if (!fs::exists(root_ + L"velmora-e2e-stick"))
        throw std::runtime_error("no marked stick at " + Utf8(root_) + " (run scripts/e2e.sh)");
    for (const auto& entry : fs::directory_iterator(root_))
        if (entry.path().filename() != L"velmora-e2e-stick") fs::remove_all(entry.path());
    for (const wchar_t* name : kLinkNames)
        fs::remove(LinkFile(name));
    CopyLauncherTo(kLauncher);
    fs::copy_file(Environment(L"VELMORA_E2E_STANDIN"), root_ + L"TC\\Totalcmd.exe");
}

void LauncherTest::CopyLauncherTo(const std::wstring& exe) {
    fs::create_directories(fs::path(exe).parent_path());
    fs::copy_file(Environment(L"VELMORA_EXE"), exe, fs::copy_options::skip_existing);
}

void LauncherTest::Start(const std::wstring& tail, const std::wstring& exe) {
    const std::wstring line = L"\"" + exe + L"\"" + (tail.empty() ? L"" : L" " + tail);
    launcher_ = std::make_unique<Program>(exe, line, fs::path(exe).parent_path().wstring());
}

void LauncherTest::Answer(const Box& box) {
    HWND window = Window(box.title);
    EXPECT_EQ(Text(Control(window, 0xFFFF)), box.text) << "in the box " << Utf8(box.title);
    const auto buttons =
        box.answer == L"OK" ? std::vector<std::wstring>{L"OK"} : std::vector<std::wstring>{L"&No", L"&Yes"};
    EXPECT_EQ(Buttons(window), buttons) << "in the box " << Utf8(box.title);
    PressUntilGone(window, box.answer);
}

void LauncherTest::PressUntilGone(HWND window, const std::wstring& button) {
    if (!Press(window, button))
        throw std::runtime_error("no button " + Utf8(button) + " in " + Utf8(Text(window)));
    if (!WaitUntil([window] { return !IsWindowVisible(window); }))
        throw std::runtime_error(Utf8(Text(window)) + " stayed open after " + Utf8(button));
}

std::vector<Launch> LauncherTest::Launches(std::size_t count) {
    const std::wstring record = root_ + L"TC\\standin-record.txt";
    // With shortcuts made, Wine's shell helpers may run on in the job: wait for the record.
    if (!WaitUntil([&] { return launcher_->HasEnded(); }) ||
        !(count == 0 ? launcher_->WaitForAll()
                     : WaitUntil([&] { return ReadLaunches(record).size() >= count; })))
        ADD_FAILURE() << "the launcher or what it started did not end in time";
    return ReadLaunches(record);
}

std::vector<std::optional<Shortcut>> LauncherTest::Shortcuts() {
    std::vector<std::optional<Shortcut>> shortcuts;
    for (const wchar_t* name : kLinkNames)
        shortcuts.push_back(ReadShortcut(LinkFile(name)));
    return shortcuts;
}

}  // namespace velmora::e2e

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Wine starts its desktop process with the first program that needs it: this one,
    // not the launcher, whose job would otherwise count it.
    GetDesktopWindow();
    return RUN_ALL_TESTS();
}
