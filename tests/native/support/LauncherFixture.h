// A simulated stick with the launcher on it, and stand-ins for the dialogs the
// launcher opens, for tests of whole runs.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "filedialog/FileDialogs.h"
#include "launcher/StartupSequence.h"
#include "platform/sim/SimMachine.h"
#include "shortcut/DesktopShortcuts.h"

namespace velmora::testing_support {

struct FileDialogRequest {
    std::wstring defaultPath;
    std::wstring caption;
    std::wstring defaultFilename;
};

// Hands back scripted choices ("" once the script is used up) and records each request.
class ScriptedFileDialogs final : public FileDialogs {
public:
    std::wstring FileOpenDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption,
                                const std::wstring& DefaultFilename) override {
        requests.push_back({DefaultPath, WindowCaption, DefaultFilename});
        if (choices.empty()) return {};
        std::wstring choice = choices.front();
        choices.pop_front();
        return choice;
    }
    std::deque<std::wstring> choices;
    std::vector<FileDialogRequest> requests;
};

class CountingShortcuts final : public DesktopShortcuts {
public:
    void CreateDesktopShortCut() override { ++offers; }
    int offers = 0;
};

// A Windows-style settings file from lines: every line ends with CR LF.
std::string IniText(std::initializer_list<const char*> lines);

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest();

    // The launcher's executable in `directory`, started with that directory as the
    // current one (as from a shortcut or Explorer).
    void PlaceLauncherIn(const std::wstring& directory);
    void AddTotalCommander(const std::wstring& directory, const wchar_t* exeName = L"Totalcmd.exe");

    StartupOutcome Run(const std::wstring& tail = L"");

    std::vector<std::wstring> MessageTitles() const;
    std::wstring StartedCommand() const;
    std::wstring StartedDirectory() const;

    sim::SimMachine machine;
    Platform platform;
    ScriptedFileDialogs dialogs;
    CountingShortcuts shortcuts;
    std::unique_ptr<StartupSequence> startup;
};

}  // namespace velmora::testing_support
