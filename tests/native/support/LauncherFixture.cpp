#include "support/LauncherFixture.h"

namespace velmora::testing_support {

std::string IniText(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

LauncherTest::LauncherTest() : platform(machine.AsPlatform()) {
    machine.AddDrive(L'E');
    machine.AddDirectory(L"C:\\Users\\user\\Desktop");
    machine.SetSpecialFolder(0, L"C:\\Users\\user\\Desktop");
}

void LauncherTest::PlaceLauncherIn(const std::wstring& directory) {
    machine.AddDirectory(directory);
    machine.AddFile(directory + (directory.back() == L'\\' ? L"" : L"\\") + L"velmora.exe", "MZ");
    machine.SetProgramDirectory(directory);
    machine.ChangeDirectory(directory);
}

void LauncherTest::AddTotalCommander(const std::wstring& directory, const wchar_t* exeName) {
    machine.AddFile(directory + (directory.back() == L'\\' ? L"" : L"\\") + exeName, "MZ");
}

StartupOutcome LauncherTest::Run(const std::wstring& tail) {
    machine.SetCommandLineTail(tail);
    startup = std::make_unique<StartupSequence>(platform, dialogs, shortcuts);
    return startup->Run();
}

std::vector<std::wstring> LauncherTest::MessageTitles() const {
    std::vector<std::wstring> titles;
    for (const auto& shown : machine.Messages())
        titles.push_back(shown.message.title);
    return titles;
}

std::wstring LauncherTest::StartedCommand() const {
    const auto& started = machine.StartedPrograms();
    return started.size() == 1 ? started[0].commandLine
                               : L"<" + std::to_wstring(started.size()) + L" starts>";
}

std::wstring LauncherTest::StartedDirectory() const {
    const auto& started = machine.StartedPrograms();
    return started.size() == 1 ? started[0].currentDirectory : L"";
}

}  // namespace velmora::testing_support
