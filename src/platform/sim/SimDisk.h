// The storage of the simulated machine: its volumes and every file and directory on
// them. It knows where things are; what an operation may do is SimMachine's business.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sim/SimPath.h"

namespace velmora::sim {

struct FileAttributes {
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    bool archive = false;  // only directory searches show it

    bool operator==(const FileAttributes&) const = default;
};

struct SimEntry {
    bool isDirectory = false;
    std::string bytes{};
    FileAttributes attributes{};

    bool operator==(const SimEntry&) const = default;
};

// Full path as stored on the disk (its own spelling) -> what is there; volume roots are
// not listed. Tests compare two of these to prove that nothing else changed.
using SimSnapshot = std::map<std::wstring, SimEntry>;

std::ostream& operator<<(std::ostream& out, const FileAttributes& attributes);
std::ostream& operator<<(std::ostream& out, const SimEntry& entry);

struct SimNode {
    std::wstring displayPath;
    std::wstring name;
    SimEntry entry;
    // Order of creation: a FAT stick lists directory entries in the order they were made.
    std::uint64_t creation = 0;
};

class SimDisk {
public:
    void AddVolume(const std::wstring& volume);
    bool HasVolume(const SimPath& path) const;
    // The volumes' own spellings ("E:", "\\\\server\\share"), in order of their keys.
    std::vector<std::wstring> Volumes() const;
    void SetWriteProtected(const std::wstring& volume, bool writeProtected);
    bool IsWriteProtected(const SimPath& path) const;

    // Nothing for a volume root, which is always a directory when its volume exists.
    const SimNode* Find(const SimPath& path) const;
    bool IsDirectory(const SimPath& path) const;

    // Creates the entry, or replaces the content of the one there while keeping its name
    // and place in the listing. The parent directory must exist.
    void Put(const SimPath& path, SimEntry entry);
    void SetAttributes(const SimPath& path, FileAttributes attributes);
    void Remove(const SimPath& path);

    // The entries directly inside a directory, in the order they were created.
    std::vector<const SimNode*> Children(const SimPath& directory) const;
    SimSnapshot Snapshot() const;

private:
    struct Volume {
        std::wstring display;
        bool writeProtected = false;
    };

    std::map<std::wstring, Volume> volumes_;
    std::map<std::wstring, SimNode> nodes_;
    std::uint64_t nextCreation_ = 1;
};

}  // namespace velmora::sim
