#include "platform/sim/SimMachine.h"

#include <algorithm>
#include <stdexcept>

#include "platform/sim/SimText.h"

namespace velmora::sim {

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

[[noreturn]] void Refuse(const std::wstring& path, const char* why) {
    throw std::invalid_argument("simulated machine: " + Narrow(path) + ": " + why);
}

}  // namespace

SimMachine::SimMachine() : SimProcess([this] { return CurrentDirectory(); }) {
    AddDrive(L'C');
    AddDirectory(L"C:\\Windows");
}

void SimMachine::AddDrive(wchar_t letter) {
    std::optional<std::wstring> volume = ParseVolume(std::wstring{letter, L':'});
    if (!volume) {
        Refuse(std::wstring(1, letter), "not a drive letter");
    }
    disk_.AddVolume(*volume);
}

void SimMachine::AddShare(const std::wstring& root) {
    std::optional<std::wstring> volume = ParseVolume(root);
    if (!volume || volume->size() == 2) {
        Refuse(root, "not a share root");
    }
    disk_.AddVolume(*volume);
}

void SimMachine::SetWriteProtected(wchar_t letter, bool writeProtected) {
    SetWriteProtected(std::wstring{letter, L':'}, writeProtected);
}

void SimMachine::SetWriteProtected(const std::wstring& volume, bool writeProtected) {
    SimPath root = Placed(volume.size() == 2 ? volume + L"\\" : volume);
    disk_.SetWriteProtected(root.volume, writeProtected);
}

SimPath SimMachine::Placed(const std::wstring& path) const {
    std::optional<SimPath> resolved = ResolvePath(path, directories_);
    if (!resolved) {
        Refuse(path, "not a valid path");
    }
    if (!disk_.HasVolume(*resolved)) {
        Refuse(path, "no such drive or share");
    }
    return *resolved;
}

void SimMachine::AddDirectory(const std::wstring& path, FileAttributes attributes) {
    SimPath target = Placed(path);
    SimPath walk{target.volume, {}};
    for (const std::wstring& part : target.parts) {
        walk = walk.Child(part);
        const SimNode* node = disk_.Find(walk);
        if (node == nullptr) {
            disk_.Put(walk, SimEntry{.isDirectory = true});
        } else if (!node->entry.isDirectory) {
            Refuse(path, "a file is in the way");
        }
    }
    if (!target.IsRoot()) {
        disk_.SetAttributes(target, attributes);
    }
}

void SimMachine::AddFile(const std::wstring& path, std::string_view bytes, FileAttributes attributes) {
    SimPath target = Placed(path);
    if (target.IsRoot() || disk_.IsDirectory(target)) {
        Refuse(path, "a directory is in the way");
    }
    SimPath parent = target.Parent();
    if (!disk_.IsDirectory(parent)) {
        AddDirectory(parent.Display());
    }
    disk_.Put(target, SimEntry{false, std::string(bytes), attributes});
}

std::optional<std::string> SimMachine::FileBytes(const std::wstring& path) const {
    const SimNode* node = disk_.Find(Placed(path));
    if (node == nullptr || node->entry.isDirectory) {
        return std::nullopt;
    }
    return node->entry.bytes;
}

std::optional<FileAttributes> SimMachine::Attributes(const std::wstring& path) const {
    const SimNode* node = disk_.Find(Placed(path));
    if (node == nullptr) {
        return std::nullopt;
    }
    return node->entry.attributes;
}

void SimMachine::SetAttributes(const std::wstring& path, FileAttributes attributes) {
    SimPath target = Placed(path);
    if (disk_.Find(target) == nullptr) {
        Refuse(path, "nothing there");
    }
    disk_.SetAttributes(target, attributes);
}

void SimMachine::SetReadOnly(const std::wstring& path, bool readOnly) {
    std::optional<FileAttributes> attributes = Attributes(path);
    if (!attributes) {
        Refuse(path, "nothing there");
    }
    attributes->readOnly = readOnly;
    SetAttributes(path, *attributes);
}

bool SimMachine::Exists(const std::wstring& path) const {
    SimPath target = Placed(path);
    return target.IsRoot() || disk_.Find(target) != nullptr;
}

bool SimMachine::IsDirectory(const std::wstring& path) const {
    return disk_.IsDirectory(Placed(path));
}

std::vector<std::wstring> SimMachine::FilesIn(const std::wstring& directory) const {
    std::vector<std::wstring> names;
    for (const SimNode* node : disk_.Children(Placed(directory))) {
        if (!node->entry.isDirectory) {
            names.push_back(node->name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return FoldCase(a) < FoldCase(b); });
    return names;
}

SimSnapshot SimMachine::Snapshot() const {
    return disk_.Snapshot();
}

void SimMachine::FailOperation(std::uint64_t number, InjectedFailure how) {
    faults_.FailOperation(number, how);
}

void SimMachine::FailPath(const std::wstring& path) {
    std::optional<SimPath> resolved = ResolvePath(path, directories_);
    if (!resolved) {
        Refuse(path, "not a valid path");
    }
    faults_.FailPath(resolved->Key());
}

std::optional<SimPath> SimMachine::Usable(const std::wstring& path) const {
    std::optional<SimPath> resolved = ResolvePath(path, directories_);
    if (!resolved || !disk_.HasVolume(*resolved) || faults_.IsFailingPath(resolved->Key())) {
        return std::nullopt;
    }
    return resolved;
}

}  // namespace velmora::sim
