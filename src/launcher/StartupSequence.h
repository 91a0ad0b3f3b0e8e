// One run of the launcher: either Total Commander is started with the private settings
// files and the run ends, or the setup window is to be shown.
#pragma once

#include <optional>

#include "import/FileChooser.h"
#include "import/Importer.h"
#include "launcher/LauncherImports.h"
#include "launcher/LauncherState.h"
#include "platform/Platform.h"
#include "shortcut/DesktopShortcuts.h"

namespace velmora {

enum class StartupOutcome { Ended, ShowSetupWindow };

class StartupSequence {
public:
    StartupSequence(Platform& platform, FileChooser& chooser, DesktopShortcuts& shortcuts)
        : platform_(platform),
          shortcuts_(shortcuts),
          importer_(platform, chooser),
          imports_(state_, importer_) {}

    StartupOutcome Run();

    // The state and imports the setup window works with after a help branch.
    LauncherState& State() { return state_; }
    LauncherImports& Imports() { return imports_; }

private:
    void SetExecutablePaths();
    std::optional<std::wstring> LocateTotalCommander();
    void RepairButtonBarEntry();
    // The private settings file at `path`, or "" when there is none.
    std::wstring Existing(const std::wstring& path);
    void Launch();

    Platform& platform_;
    DesktopShortcuts& shortcuts_;
    LauncherState state_;
    Importer importer_;
    LauncherImports imports_;
};

// True when the whole command-line tail asks for the setup window.
bool IsHelpSwitch(const std::wstring& tail);

}  // namespace velmora
