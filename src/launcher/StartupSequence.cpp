#include "launcher/StartupSequence.h"

#include "common/CommandLine.h"
#include "common/Paths.h"
#include "common/ReplaceAllText.h"
#include "common/Steps.h"
#include "common/StringOps.h"
#include "common/TcFiles.h"
#include "common/Utf.h"
#include "common/WorkingFile.h"
#include "ini/Ini.h"
#include "launcher/HelpTexts.h"
#include "launcher/LaunchCommand.h"
#include "launcher/TcDiscovery.h"

namespace velmora {

bool IsHelpSwitch(const std::wstring& tail) {
    return tail == L"/?" || tail == L"?" || tail == L"-?" || IsSetupWord(UpperAscii(tail));
}

StartupOutcome StartupSequence::Run() {
    const std::wstring tail = CommandLineTailOf(platform_.process.CommandLine());
    state_.CommandLine = TrimBlanks(tail);
    state_.FileImported = false;
    state_.TcPath = TrimBlanks(platform_.process.ProgramDirectory());
    SetExecutablePaths();

    if (IsHelpSwitch(tail)) return StartupOutcome::ShowSetupWindow;
    // From here each step that fails by an exception is abandoned and the run goes on, so
    // that Total Commander is started whatever an import meets. A search that fails leaves
    // the paths as they were: the launch then reports what is missing.
    std::optional<std::wstring> tcPath = state_.TcPath;
    TryStep([&] { tcPath = LocateTotalCommander(); });
    if (!tcPath) {
        // No directory to search for: the setup window's imports then copy files unchanged.
        state_.TcPath.clear();
        return StartupOutcome::ShowSetupWindow;
    }
    if (*tcPath != state_.TcPath) {
        // Found one level down: it becomes the current directory of its drive. The current
        // drive stays until the launch.
        state_.TcPath = *tcPath;
        SetExecutablePaths();
        platform_.files.ChangeDirectory(state_.TcPath);
    }

    state_.TcDirPattern = state_.TcDir;
    // What an interrupted earlier run left is tidied before a private file is looked at.
    using namespace tc_files;
    for (const wchar_t* name : {kMainSettings, kFtpSettings, kButtonBar, kButtonBarCompanion})
        TryStep([&] { RecoverInterruptedWrite(platform_, state_.TcDir + name); });
    // A settings file the command line names is the user's own: no private one is made or named.
    if (!NamesOwnMainSettings(state_.CommandLine)) TryStep([&] { imports_.ImportIni(false); });
    if (!NamesOwnFtpSettings(state_.CommandLine)) TryStep([&] { imports_.ImportFTPIni(false); });

    TryStep([&] { RepairButtonBarEntry(); });

    TryStep([&] {
        if (state_.FileImported || UpperAscii(TrimBlanks(tail)) == L"SETUP")
            shortcuts_.CreateDesktopShortCut();
    });

    const std::wstring& tcDir = state_.TcDir;
    if (const auto drive = DriveLetterOf(tcDir)) TryStep([&] { platform_.files.ChangeDrive(*drive); });
    TryStep([&] { platform_.files.ChangeDirectory(tcDir); });

    TryStep([&] {
        state_.CommandLine = WithSettingsOptions(state_.CommandLine, Existing(state_.WincmdIniPath),
                                                 Existing(state_.FtpIniPath));
    });
    TryStep([&] { Launch(); });
    return StartupOutcome::Ended;
}

void StartupSequence::SetExecutablePaths() {
    state_.TcDir = PathWithSeparator(state_.TcPath);
    state_.TotalcmdExe = state_.TcDir + tc_files::kTotalcmdExe;
    state_.WinCmdExe = state_.TcDir + tc_files::kWinCmdExe;
    state_.Totalcmd64Exe = state_.TcDir + tc_files::kTotalcmd64Exe;
}

// The Total Commander directory, or nothing when Total Commander is nowhere to be found
// and the setup window is to be shown.
std::optional<std::wstring> StartupSequence::LocateTotalCommander() {
    FileSystem& files = platform_.files;
    if (files.FileExists(state_.TotalcmdExe) || files.FileExists(state_.WinCmdExe)) return state_.TcPath;

    // The classic executables beside the program, then one level down; only then the
    // 64-bit one, beside the program and one level down.
    using namespace tc_files;
    auto found = FindTCDirectory(platform_, state_.TcPath, {kTotalcmdExe, kWinCmdExe});
    if (found && found->empty() && files.FileExists(state_.Totalcmd64Exe)) return state_.TcPath;
    if (found && found->empty()) found = FindTCDirectory(platform_, state_.TcPath, {kTotalcmd64Exe});
    if (!found) return state_.TcPath;  // the directory could not be searched: the launch reports it
    if (found->empty()) {
        platform_.ui.ShowMessage(TotalCommanderNotFound(platform_.process.ProgramName()));
        return std::nullopt;
    }
    return found;
}

// Points the private main settings file at the private button bar when its entry still
// names an existing bar file inside the Total Commander directory.
void StartupSequence::RepairButtonBarEntry() {
    const std::wstring& settings = state_.WincmdIniPath;
    // An entry can only name the directory where the file does: a file the rewrite found
    // free of it spares the profile read, which costs most of a later start on a large file.
    if (!state_.WincmdIniMayHoldTcDir || !platform_.files.FileExists(settings)) return;

    using namespace tc_files;
    const std::wstring value =
        ReadIniValue(platform_, kButtonBarSection, kButtonBarKey, settings, L"", false);
    if (value.empty() || !platform_.files.FileExists(value)) return;

    // Paths compare as Windows compares them, in its upper case.
    const auto upper = [this](std::wstring& text) {
        std::u16string units = ToUtf16(text);
        platform_.codePage.UpperUtf16(units);
        text = FromUtf16(units);
    };
    std::wstring search = state_.TcPath;
    std::wstring probe = ReplaceAllText(value, search, std::wstring(kCommanderPath), false, upper);
    if (!state_.TcDirPattern.empty()) {
        search = state_.TcDirPattern;
        probe = ReplaceAllText(probe, search, std::wstring(kPrivateButtonBarEntry), false, upper);
    }
    if (probe != value) {
        WriteIniValue(platform_, kButtonBarSection, kButtonBarKey, kPrivateButtonBarEntry, settings, false);
    }
}

std::wstring StartupSequence::Existing(const std::wstring& path) {
    return platform_.files.FileExists(path) ? path : std::wstring();
}

void StartupSequence::Launch() {
    FileSystem& files = platform_.files;
    for (const std::wstring* exe : {&state_.TotalcmdExe, &state_.WinCmdExe, &state_.Totalcmd64Exe}) {
        if (files.FileExists(*exe)) {
            platform_.process.StartProgram(LaunchCommandLine(*exe, state_.CommandLine));
            return;
        }
    }
    platform_.ui.ShowMessage(TotalCommanderMissingAtLaunch());
}

}  // namespace velmora
