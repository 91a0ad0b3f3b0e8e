#include "sysutil/RunProgramOrDocument.h"

#include "common/Paths.h"
#include "common/StringOps.h"
#include "sysutil/FileAssociations.h"

namespace velmora {
namespace {

bool CountsAsProgram(const std::wstring& name) {
    if (name.size() < 4) return true;
    const std::wstring ending = UpperAscii(std::wstring_view(name).substr(name.size() - 4));
    return ending == L".EXE" || ending == L".COM" || ending == L".BAT";
}

// Makes the directory current on its own drive; a step that fails is left out.
void MakeCurrent(FileSystem& files, const std::wstring& directory) {
    if (const auto drive = DriveLetterOf(directory)) files.ChangeDrive(*drive);
    files.ChangeDirectory(directory);
}

}  // namespace

std::optional<std::uint32_t> FileRun(Platform& platform, std::wstring& Datei, int Style) {
    // Only a backslash separates here: a slash is taken as part of the name.
    std::wstring runDirectory = EndingInBackslash(platform.files.CurrentDirectory());
    const auto separator = Datei.rfind(L'\\');
    if (separator != std::wstring::npos) {
        runDirectory = Datei.substr(0, separator + 1);
        Datei.erase(0, separator + 1);
    }
    const std::wstring file = runDirectory + Datei;
    if (CountsAsProgram(Datei)) return platform.process.StartProgram(QuotePath(file), Style);

    std::optional<std::uint32_t> task;
    const std::wstring program = FindExecutablePath(platform, file);
    // Without a program the command line would name none; nothing is started then.
    if (!program.empty()) {
        const auto programSeparator = program.rfind(L'\\');
        if (programSeparator != std::wstring::npos)
            MakeCurrent(platform.files, program.substr(0, programSeparator));
        task = platform.process.StartProgram(QuotePath(program) + L" " + QuotePath(file), Style);
    }
    MakeCurrent(platform.files, runDirectory);
    return task;
}

}  // namespace velmora
