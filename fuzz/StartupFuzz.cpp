// Whole launcher runs on the simulated machine with any command line, any set of files and
// any answers: the user's file never changes, no working file stays behind, and Total
// Commander is started exactly when it is there and no setup window was asked for.
#include <cstdlib>

#include "FuzzInput.h"
#include "launcher/StartupSequence.h"
#include "platform/sim/SimMachine.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

class NoDialogs final : public velmora::FileDialogs {
public:
    std::wstring FileOpenDialog(const std::wstring&, const std::wstring&, const std::wstring&) override {
        return {};
    }
};

class NoShortcuts final : public velmora::DesktopShortcuts {
public:
    void CreateDesktopShortCut() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::FuzzInput input(data, size);
    const std::wstring tail = fuzz::Widen(input.Piece(24));
    const std::uint8_t layout = input.Byte();
    const std::uint8_t answers = input.Byte();
    const std::string userSettings = input.Rest();

    sim::SimMachine machine;
    machine.AddDrive(L'E');
    const std::wstring tc = (layout & 1) ? L"E:\\TC" : L"E:\\My TC";
    const std::wstring launcherDirectory = (layout & 2) ? std::wstring(L"E:\\") : tc;
    machine.AddDirectory(tc);
    machine.AddFile(launcherDirectory + (launcherDirectory.back() == L'\\' ? L"" : L"\\") + L"velmora.exe",
                    "MZ");
    const wchar_t* executables[] = {L"\\Totalcmd.exe", L"\\WinCmd32.exe", L"\\TOTALCMD64.EXE"};
    bool anyExecutable = false;
    for (int i = 0; i < 3; ++i) {
        if (layout & (4 << i)) {
            machine.AddFile(tc + executables[i], "MZ");
            anyExecutable = true;
        }
    }
    machine.AddFile(tc + L"\\wincmd.ini", userSettings);
    if (layout & 32) machine.AddFile(tc + L"\\TC_portable_wincmd.ini", userSettings);
    if (layout & 64) machine.AddFile(tc + L"\\TC_portable_wincmd.ini_temp2.txt", "stale");
    for (int i = 0; i < 8; ++i)
        machine.AnswerNext((answers >> i) & 1 ? MessageAnswer::Yes : MessageAnswer::No);
    machine.SetProgramDirectory(launcherDirectory);
    machine.ChangeDirectory(launcherDirectory);
    machine.SetCommandLineTail(tail);

    Platform platform = machine.AsPlatform();
    NoDialogs dialogs;
    NoShortcuts shortcuts;
    StartupSequence startup(platform, dialogs, shortcuts);
    const StartupOutcome outcome = startup.Run();

    Require(machine.FileBytes(tc + L"\\wincmd.ini") == userSettings);
    // A stale working file goes with the next rewrite; this run must leave none of its own.
    if (!(layout & 64)) Require(!machine.Exists(tc + L"\\TC_portable_wincmd.ini_temp2.txt"));
    Require(!machine.Exists(tc + L"\\TC_portable_wcx_ftp.ini_temp2.txt"));
    const bool launched = outcome == StartupOutcome::Ended;
    Require(machine.StartedPrograms().size() == (launched && anyExecutable ? 1u : 0u));
    Require(launched != IsHelpSwitch(tail) || !anyExecutable);
    return 0;
}
