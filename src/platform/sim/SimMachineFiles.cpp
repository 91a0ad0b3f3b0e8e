// SimMachine's FileSystem: the rules by which Windows' file functions refuse.
#include "platform/sim/SimMachine.h"

namespace velmora::sim {

bool SimMachine::CanWriteFileAt(const SimPath& path) const {
    if (path.IsRoot() || disk_.IsWriteProtected(path) || !disk_.IsDirectory(path.Parent())) {
        return false;
    }
    const SimNode* existing = disk_.Find(path);
    return existing == nullptr || (!existing->entry.isDirectory && !existing->entry.attributes.readOnly);
}

bool SimMachine::WriteWithFailure(const SimPath& path, std::string bytes,
                                  std::optional<InjectedFailure> failure) {
    if (failure == InjectedFailure::Clean) {
        return false;
    }
    const SimNode* existing = disk_.Find(path);
    FileAttributes attributes = existing ? existing->entry.attributes : FileAttributes{};
    if (failure == InjectedFailure::Midway) {
        // The medium filled up: the file was already emptied and got half of the bytes.
        disk_.Put(path, SimEntry{false, bytes.substr(0, bytes.size() / 2), attributes});
        return false;
    }
    disk_.Put(path, SimEntry{false, std::move(bytes), attributes});
    return true;
}

bool SimMachine::FileExists(const std::wstring& path) {
    faults_.Begin(SimOperationKind::FileExists, path);
    // A directory listing still shows a file that FailPath makes unusable.
    std::optional<SimPath> resolved = ResolvePath(path, directories_);
    const SimNode* node = resolved && disk_.HasVolume(*resolved) ? disk_.Find(*resolved) : nullptr;
    return faults_.End(node != nullptr && !node->entry.isDirectory && !node->entry.attributes.hidden &&
                       !node->entry.attributes.system);
}

std::optional<std::string> SimMachine::ReadFileBytes(const std::wstring& path) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::ReadFile, path);
    std::optional<SimPath> resolved = Usable(path);
    const SimNode* node = resolved ? disk_.Find(*resolved) : nullptr;
    if (failure || node == nullptr || node->entry.isDirectory) {
        faults_.End(false);
        return std::nullopt;
    }
    faults_.End(true);
    return node->entry.bytes;
}

bool SimMachine::WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::WriteFile, path);
    std::optional<SimPath> resolved = Usable(path);
    if (!resolved || !CanWriteFileAt(*resolved)) {
        return faults_.End(false);
    }
    // CreateFileW with CREATE_ALWAYS refuses to empty a hidden or system file.
    const SimNode* existing = disk_.Find(*resolved);
    if (existing && (existing->entry.attributes.hidden || existing->entry.attributes.system)) {
        return faults_.End(false);
    }
    return faults_.End(WriteWithFailure(*resolved, std::string(bytes), failure));
}

bool SimMachine::CopyNewFile(const std::wstring& source, const std::wstring& destination) {
    std::optional<InjectedFailure> failure =
        faults_.Begin(SimOperationKind::CopyNewFile, source, destination);
    std::optional<SimPath> from = Usable(source);
    std::optional<SimPath> to = Usable(destination);
    const SimNode* original = from ? disk_.Find(*from) : nullptr;
    if (failure || original == nullptr || original->entry.isDirectory || !to || to->IsRoot() ||
        disk_.Find(*to) != nullptr || !CanWriteFileAt(*to)) {
        return faults_.End(false);
    }
    // Like CopyFileW, the copy takes the attributes along, read-only included.
    disk_.Put(*to, original->entry);
    return faults_.End(true);
}

bool SimMachine::RemoveFile(const std::wstring& path) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::RemoveFile, path);
    std::optional<SimPath> resolved = Usable(path);
    const SimNode* node = resolved ? disk_.Find(*resolved) : nullptr;
    if (failure || node == nullptr || node->entry.isDirectory || node->entry.attributes.readOnly ||
        disk_.IsWriteProtected(*resolved)) {
        return faults_.End(false);
    }
    disk_.Remove(*resolved);
    return faults_.End(true);
}

bool SimMachine::MoveReplacing(const std::wstring& replacement, const std::wstring& destination) {
    std::optional<InjectedFailure> failure =
        faults_.Begin(SimOperationKind::MoveReplacing, replacement, destination);
    std::optional<SimPath> from = Usable(replacement);
    std::optional<SimPath> to = Usable(destination);
    const SimNode* moving = from ? disk_.Find(*from) : nullptr;
    // A rename cannot leave its volume; MoveFileExW without MOVEFILE_COPY_ALLOWED refuses.
    if (failure || moving == nullptr || moving->entry.isDirectory || !to ||
        to->VolumeKey() != from->VolumeKey() || !CanWriteFileAt(*to)) {
        return faults_.End(false);
    }
    if (to->Key() == from->Key()) {
        return faults_.End(true);
    }
    SimEntry entry = moving->entry;
    disk_.Remove(*from);
    // The replaced file goes first so that the moved one is listed under the new spelling.
    disk_.Remove(*to);
    disk_.Put(*to, std::move(entry));
    // A shortcut written under a working name is known by the name it ends up with.
    for (CreatedShortcut& shortcut : shortcuts_) {
        const auto written = ResolvePath(shortcut.linkFile, directories_);
        if (written && written->Key() == from->Key()) shortcut.linkFile = destination;
    }
    return faults_.End(true);
}

std::optional<std::vector<std::wstring>> SimMachine::ListSubdirectories(const std::wstring& directory) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::ListSubdirectories, directory);
    std::optional<SimPath> resolved = Usable(directory);
    if (failure || !resolved || !disk_.IsDirectory(*resolved)) {
        faults_.End(false);
        return std::nullopt;
    }
    std::vector<std::wstring> names;
    for (const SimNode* node : disk_.Children(*resolved)) {
        if (node->entry.isDirectory) {
            names.push_back(node->name);
        }
    }
    faults_.End(true);
    return names;
}

std::wstring SimMachine::CurrentDirectory() {
    return directories_.Current().Display();
}

bool SimMachine::ChangeDirectory(const std::wstring& path) {
    faults_.Begin(SimOperationKind::ChangeDirectory, path);
    std::optional<SimPath> resolved = Usable(path);
    if (!resolved || !disk_.IsDirectory(*resolved)) {
        return faults_.End(false);
    }
    directories_.Set(*resolved);
    return faults_.End(true);
}

bool SimMachine::ChangeDrive(wchar_t letter) {
    std::wstring drive{letter, L':'};
    faults_.Begin(SimOperationKind::ChangeDrive, drive);
    if (!ParseVolume(drive)) {
        return faults_.End(false);
    }
    SimPath remembered = directories_.OfDrive(letter);
    // The drive's remembered directory may have gone since; then the change fails.
    if (!disk_.IsDirectory(remembered) || faults_.IsFailingPath(remembered.Key())) {
        return faults_.End(false);
    }
    directories_.Set(remembered);
    return faults_.End(true);
}

}  // namespace velmora::sim
