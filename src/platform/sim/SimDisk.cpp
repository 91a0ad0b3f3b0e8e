#include "platform/sim/SimDisk.h"

#include <algorithm>

#include "platform/sim/SimText.h"

namespace velmora::sim {

namespace {

std::string Printable(const std::string& bytes) {
    std::string text;
    for (char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const FileAttributes& attributes) {
    out << (attributes.readOnly ? "R" : "-") << (attributes.hidden ? "H" : "-")
        << (attributes.system ? "S" : "-") << (attributes.archive ? "A" : "");
    return out;
}

std::ostream& operator<<(std::ostream& out, const SimEntry& entry) {
    out << (entry.isDirectory ? "<dir " : "<file ") << entry.attributes;
    if (!entry.isDirectory) {
        out << " \"" << Printable(entry.bytes) << "\"";
    }
    return out << ">";
}

void SimDisk::AddVolume(const std::wstring& volume) {
    volumes_.try_emplace(FoldCase(volume), Volume{volume});
}

std::vector<std::wstring> SimDisk::Volumes() const {
    std::vector<std::wstring> result;
    for (const auto& [key, volume] : volumes_) {
        result.push_back(volume.display);
    }
    return result;
}

bool SimDisk::HasVolume(const SimPath& path) const {
    return volumes_.contains(path.VolumeKey());
}

void SimDisk::SetWriteProtected(const std::wstring& volume, bool writeProtected) {
    volumes_.at(FoldCase(volume)).writeProtected = writeProtected;
}

bool SimDisk::IsWriteProtected(const SimPath& path) const {
    auto found = volumes_.find(path.VolumeKey());
    return found != volumes_.end() && found->second.writeProtected;
}

const SimNode* SimDisk::Find(const SimPath& path) const {
    if (path.IsRoot()) {
        return nullptr;
    }
    auto found = nodes_.find(path.Key());
    return found == nodes_.end() ? nullptr : &found->second;
}

bool SimDisk::IsDirectory(const SimPath& path) const {
    if (!HasVolume(path)) {
        return false;
    }
    if (path.IsRoot()) {
        return true;
    }
    const SimNode* node = Find(path);
    return node != nullptr && node->entry.isDirectory;
}

void SimDisk::Put(const SimPath& path, SimEntry entry) {
    auto existing = nodes_.find(path.Key());
    if (existing != nodes_.end()) {
        existing->second.entry = std::move(entry);
        return;
    }
    SimPath parent = path.Parent();
    std::wstring parentDisplay =
        parent.IsRoot() ? volumes_.at(parent.VolumeKey()).display : nodes_.at(parent.Key()).displayPath;
    SimNode node{parentDisplay + L"\\" + path.Name(), path.Name(), std::move(entry), nextCreation_++};
    nodes_.emplace(path.Key(), std::move(node));
}

void SimDisk::SetAttributes(const SimPath& path, FileAttributes attributes) {
    nodes_.at(path.Key()).entry.attributes = attributes;
}

void SimDisk::Remove(const SimPath& path) {
    nodes_.erase(path.Key());
}

std::vector<const SimNode*> SimDisk::Children(const SimPath& directory) const {
    std::wstring prefix = directory.Key();
    if (prefix.back() != L'\\') {
        prefix += L'\\';
    }
    std::vector<const SimNode*> children;
    for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.starts_with(prefix); ++it) {
        if (it->first.find(L'\\', prefix.size()) == std::wstring::npos) {
            children.push_back(&it->second);
        }
    }
    std::sort(children.begin(), children.end(),
              [](const SimNode* a, const SimNode* b) { return a->creation < b->creation; });
    return children;
}

SimSnapshot SimDisk::Snapshot() const {
    SimSnapshot snapshot;
    for (const auto& [key, node] : nodes_) {
        snapshot.emplace(node.displayPath, node.entry);
    }
    return snapshot;
}

}  // namespace velmora::sim
