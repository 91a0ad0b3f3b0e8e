#include "driver/Stick.h"

#include <stdexcept>

#include "driver/Files.h"
#include "driver/Text.h"

namespace velmora::e2e {

Stick::Stick() {
    std::wstring drive = Environment(L"VELMORA_E2E_STICK");
    if (drive.empty()) {
        drive = L"E:";
    }
    root_ = drive.back() == L'\\' ? drive : drive + L"\\";
    if (!FileExists(root_ + kStickMarker)) {
        throw std::runtime_error("refusing to use " + ToUtf8(root_) +
                                 " as the stick: it has no marker file '" + ToUtf8(kStickMarker) +
                                 "' (run the tests through scripts/e2e.sh)");
    }
    RemoveContents(root_, kStickMarker);
}

void Stick::AddDirectory(const std::wstring& relative) const {
    MakeDirectories(Path(relative));
}

void Stick::AddFile(const std::wstring& relative, std::string_view bytes) const {
    MakeDirectories(ParentDirectory(Path(relative)));
    WriteBytes(Path(relative), bytes);
}

std::wstring Stick::AddLauncher(const std::wstring& directory, const std::wstring& name) const {
    AddDirectory(directory);
    const std::wstring path = Path(directory.empty() ? name : directory + L"\\" + name);
    CopyFileTo(LauncherUnderTest(), path);
    return path;
}

std::wstring Stick::AddTotalCommander(const std::wstring& directory, const std::wstring& name) const {
    AddDirectory(directory);
    const std::wstring path = Path(directory.empty() ? name : directory + L"\\" + name);
    CopyFileTo(StandinExecutable(), path);
    return path;
}

std::optional<std::string> Stick::Read(const std::wstring& relative) const {
    return ReadBytes(Path(relative));
}

bool Stick::Exists(const std::wstring& relative) const {
    return FileExists(Path(relative));
}

std::wstring LauncherUnderTest() {
    return Environment(L"VELMORA_EXE");
}

std::wstring StandinExecutable() {
    const std::wstring configured = Environment(L"VELMORA_E2E_STANDIN");
    return configured.empty() ? OwnDirectory() + L"\\Totalcmd.exe" : configured;
}

}  // namespace velmora::e2e
