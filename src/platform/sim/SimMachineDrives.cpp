// Drives, directory listings and the shell of the simulated machine.
#include <algorithm>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimText.h"

namespace velmora::sim {
namespace {

std::wstring ExtensionOf(const std::wstring& file) {
    const auto dot = file.find_last_of(L".\\/");
    return dot == std::wstring::npos || file[dot] != L'.' ? std::wstring() : FoldCase(file.substr(dot));
}

}  // namespace

void SimMachine::SetVolumeLabel(wchar_t letter, std::wstring label) {
    labels_[static_cast<wchar_t>(FoldCase(letter))] = std::move(label);
}

void SimMachine::SetDriveUnreadable(wchar_t letter, bool unreadable) {
    const auto drive = static_cast<wchar_t>(FoldCase(letter));
    if (unreadable) {
        unreadableDrives_.insert(drive);
    } else {
        unreadableDrives_.erase(drive);
    }
}

bool SimMachine::Unreadable(const SimPath& path) const {
    const auto letter = path.DriveLetter();
    return letter && unreadableDrives_.contains(static_cast<wchar_t>(FoldCase(*letter)));
}

bool SimMachine::DirectoryExists(const std::wstring& path) {
    const auto resolved = Usable(path);
    return resolved && disk_.HasVolume(*resolved) && !Unreadable(*resolved) && disk_.IsDirectory(*resolved);
}

std::optional<std::vector<std::wstring>> SimMachine::ListFiles(const std::wstring& directory,
                                                               const std::wstring& pattern) {
    const auto failure = faults_.Begin(SimOperationKind::ListFiles, directory, pattern);
    const auto resolved = Usable(directory);
    if (failure || !resolved || Unreadable(*resolved) || !disk_.IsDirectory(*resolved)) {
        faults_.End(false);
        return std::nullopt;
    }
    std::vector<std::wstring> names;
    for (const SimNode* node : disk_.Children(*resolved)) {
        const FileAttributes& attributes = node->entry.attributes;
        if (!node->entry.isDirectory && !attributes.hidden && !attributes.system &&
            MatchesPattern(node->name, pattern)) {
            names.push_back(node->name);
        }
    }
    faults_.End(true);
    return names;
}

std::vector<DriveInfo> SimMachine::ListDrives() {
    std::vector<DriveInfo> drives;
    for (const std::wstring& volume : disk_.Volumes()) {
        if (volume.size() != 2 || volume[1] != L':') continue;  // shares have no letter
        const auto letter = static_cast<wchar_t>(FoldCase(volume[0]));
        const auto label = labels_.find(letter);
        drives.push_back({letter, unreadableDrives_.contains(letter) || label == labels_.end()
                                      ? std::wstring()
                                      : label->second});
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveInfo& a, const DriveInfo& b) { return a.letter < b.letter; });
    return drives;
}

std::optional<std::wstring> SimMachine::DriveCurrentDirectory(wchar_t letter) {
    const std::wstring drive{letter, L':'};
    if (!ParseVolume(drive)) return std::nullopt;
    SimPath directory = directories_.OfDrive(letter);
    if (!disk_.HasVolume(directory) || Unreadable(directory)) return std::nullopt;
    if (!disk_.IsDirectory(directory)) directory = SimPath{directory.volume, {}};
    return directory.Display();
}

bool SimMachine::CreateShortcut(const std::wstring& linkFile, const std::wstring& target,
                                const std::wstring& arguments) {
    const auto content = Encode(target + L"\n" + arguments);
    if (!content || !WriteFileBytes(linkFile, *content)) return false;
    shortcuts_.push_back({linkFile, target, arguments});
    return true;
}

std::vector<SimMachine::CreatedShortcut> SimMachine::CreatedShortcuts() const {
    std::vector<CreatedShortcut> present;
    for (const CreatedShortcut& shortcut : shortcuts_) {
        if (Exists(shortcut.linkFile)) present.push_back(shortcut);
    }
    return present;
}

void SimMachine::SetAssociation(const std::wstring& extension, std::wstring program) {
    associations_[FoldCase(extension)] = std::move(program);
}

std::wstring SimMachine::ProgramAssociatedWith(const std::wstring& file) {
    if (!FileExists(file)) return {};
    const auto program = associations_.find(ExtensionOf(file));
    return program == associations_.end() ? std::wstring() : program->second;
}

}  // namespace velmora::sim
