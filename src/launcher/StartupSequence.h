// One run of the launcher: either Total Commander is started with the private settings
// files and the run ends, or the setup window is to be shown.
#pragma once

#include "filedialog/FileDialogs.h"
#include "import/Importer.h"
#include "launcher/LauncherState.h"
#include "platform/Platform.h"
#include "shortcut/DesktopShortcuts.h"

namespace velmora {

enum class StartupOutcome { Ended, ShowSetupWindow };

class StartupSequence {
public:
    StartupSequence(Platform& platform, FileDialogs& dialogs, DesktopShortcuts& shortcuts)
        : platform_(platform), shortcuts_(shortcuts), importer_(platform, state_, dialogs) {}

    StartupOutcome Run();

    // The state and imports the setup window works with after a help branch.
    LauncherState& State() { return state_; }
    Importer& Imports() { return importer_; }

private:
    void SetExecutablePaths();
    bool LocateTotalCommander();
    void RepairButtonBarEntry();
    void AppendSettingsOptions();
    void Launch();

    Platform& platform_;
    DesktopShortcuts& shortcuts_;
    LauncherState state_;
    Importer importer_;
};

// True when the whole command-line tail asks for the setup window.
bool IsHelpSwitch(const std::wstring& tail);

}  // namespace velmora
