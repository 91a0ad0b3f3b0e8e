#include "launcher/StartupSequence.h"

#include "common/StringOps.h"
#include "common/WorkingFile.h"
#include "import/ReplaceAllText.h"
#include "ini/Ini.h"
#include "launcher/HelpTexts.h"
#include "launcher/PrivateFiles.h"
#include "launcher/QuotePath.h"
#include "launcher/TcDiscovery.h"

namespace velmora {
namespace {

bool Mentions(const std::wstring& commandLine, const wchar_t* option) {
    return UpperAscii(commandLine).find(option) != std::wstring::npos;
}

constexpr wchar_t kUserMainSettings[] = L" /I=";
constexpr wchar_t kUserFtpSettings[] = L" /F=";

}  // namespace

bool IsHelpSwitch(const std::wstring& tail) {
    if (tail == L"/?" || tail == L"?" || tail == L"-?") return true;
    const std::wstring upper = UpperAscii(tail);
    return upper == L"/SETUP" || upper == L"SETUP" || upper == L"-SETUP";
}

StartupOutcome StartupSequence::Run() {
    const std::wstring tail = platform_.process.CommandLineTail();
    state_.CommandLine = TrimBlanks(tail);
    state_.FileImported = false;
    state_.TcPath = TrimBlanks(platform_.process.ProgramDirectory());
    SetExecutablePaths();

    if (IsHelpSwitch(tail)) return StartupOutcome::ShowSetupWindow;
    if (!LocateTotalCommander()) return StartupOutcome::ShowSetupWindow;

    state_.TcDirPattern = state_.TcDir;
    // What an interrupted earlier run left is tidied before a private file is looked at.
    using namespace private_files;
    for (const wchar_t* name : {kMainSettings, kFtpSettings, kButtonBar, kButtonBarCompanion})
        RecoverInterruptedWrite(platform_, state_.TcDir + name);
    if (!Mentions(state_.CommandLine, kUserMainSettings)) {
        importer_.ImportIni(false);
    } else {
        state_.WincmdIniPath.clear();  // the user brings his own main settings file
    }
    state_.FtpIniPath.clear();
    if (!Mentions(state_.CommandLine, kUserFtpSettings)) importer_.ImportFTPIni(false);

    RepairButtonBarEntry();

    if (state_.FileImported || UpperAscii(TrimBlanks(tail)) == L"SETUP") shortcuts_.CreateDesktopShortCut();

    const std::wstring& tcDir = state_.TcDir;
    if (!tcDir.empty() && tcDir[0] != L'\\' && tcDir[0] != L'/') platform_.files.ChangeDrive(tcDir[0]);
    platform_.files.ChangeDirectory(tcDir);

    AppendSettingsOptions();
    Launch();
    return StartupOutcome::Ended;
}

void StartupSequence::SetExecutablePaths() {
    state_.TcDir = PathWithSeparator(state_.TcPath);
    state_.TotalcmdExe = state_.TcDir + private_files::kTotalcmdExe;
    state_.WinCmdExe = state_.TcDir + private_files::kWinCmdExe;
    state_.Totalcmd64Exe = state_.TcDir + private_files::kTotalcmd64Exe;
}

// False when Total Commander is nowhere to be found and the setup window is to be shown.
bool StartupSequence::LocateTotalCommander() {
    FileSystem& files = platform_.files;
    if (files.FileExists(state_.TotalcmdExe) || files.FileExists(state_.WinCmdExe)) return true;

    // The classic executables beside the program, then one level down; only then the
    // 64-bit one, beside the program and one level down.
    auto found = FindTCDirectory(platform_, state_.TcPath, {L"Totalcmd.exe", L"wincmd32.exe"});
    if (found && found->empty() && files.FileExists(state_.Totalcmd64Exe)) return true;
    if (found && found->empty()) found = FindTCDirectory(platform_, state_.TcPath, {L"TOTALCMD64.EXE"});
    if (!found) return true;  // the directory could not be searched: the launch reports it

    state_.TcPath = *found;
    if (state_.TcPath.empty()) {
        platform_.ui.ShowMessage(TotalCommanderNotFound(platform_.process.ProgramName()));
        return false;
    }
    SetExecutablePaths();
    files.ChangeDirectory(state_.TcPath);
    return true;
}

// Points the private main settings file at the private button bar when its entry still
// names an existing bar file inside the Total Commander directory.
void StartupSequence::RepairButtonBarEntry() {
    const std::wstring& settings = state_.WincmdIniPath;
    if (settings.empty() || !platform_.files.FileExists(settings)) return;

    using namespace private_files;
    const std::wstring value =
        ReadIniValue(platform_, kButtonBarSection, kButtonBarKey, settings, L"", false);
    if (value.empty() || !platform_.files.FileExists(value)) return;

    std::wstring search = state_.TcPath;
    std::wstring probe = ReplaceAllText(value, search, std::wstring(kCommanderPath), false);
    if (!state_.TcDirPattern.empty()) {
        search = state_.TcDirPattern;
        probe = ReplaceAllText(probe, search, std::wstring(kPrivateButtonBarEntry), false);
    }
    if (probe != value) {
        WriteIniValue(platform_, kButtonBarSection, kButtonBarKey, kPrivateButtonBarEntry, settings, false);
    }
}

void StartupSequence::AppendSettingsOptions() {
    FileSystem& files = platform_.files;
    if (!Mentions(state_.CommandLine, kUserMainSettings) && !state_.WincmdIniPath.empty() &&
        files.FileExists(state_.WincmdIniPath)) {
        state_.CommandLine += L" /i=" + QuotePath(state_.WincmdIniPath);
    }
    if (!Mentions(state_.CommandLine, kUserFtpSettings) && !state_.FtpIniPath.empty() &&
        files.FileExists(state_.FtpIniPath)) {
        state_.CommandLine += L" /f=" + QuotePath(state_.FtpIniPath);
    }
}

void StartupSequence::Launch() {
    FileSystem& files = platform_.files;
    for (const std::wstring* exe : {&state_.TotalcmdExe, &state_.WinCmdExe, &state_.Totalcmd64Exe}) {
        if (files.FileExists(*exe)) {
            platform_.process.StartProgram(TrimBlanks(QuotePath(*exe) + L" " + state_.CommandLine));
            return;
        }
    }
    platform_.ui.ShowMessage(TotalCommanderMissingAtLaunch());
}

}  // namespace velmora
