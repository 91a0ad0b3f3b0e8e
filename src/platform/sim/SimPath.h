// How the simulated machine turns the text of a path into a place: Windows' rules for
// drive letters, UNC shares, rooted and relative paths and a current directory per drive.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// A fully resolved path. Names keep the spelling they were given; Key() is what two
// paths are compared by.
struct SimPath {
    std::wstring volume;  // "E:" or "\\server\share"
    std::vector<std::wstring> parts;

    bool IsRoot() const { return parts.empty(); }
    std::optional<wchar_t> DriveLetter() const;
    SimPath Parent() const;
    const std::wstring& Name() const { return parts.back(); }
    SimPath Child(const std::wstring& name) const;

    // As GetCurrentDirectory shows it: "E:\TC", or "E:\" at a root.
    std::wstring Display() const;
    std::wstring Key() const;
    std::wstring VolumeKey() const;
};

// The process's current drive and the current directory that each drive remembers,
// so that "E:name" works against E:'s own directory while another drive is current.
class SimWorkingDirectories {
public:
    SimWorkingDirectories();

    const SimPath& Current() const { return current_; }
    // The directory a drive remembers; its root when it has never been made current.
    SimPath OfDrive(wchar_t letter) const;
    void Set(const SimPath& directory);

private:
    SimPath current_;
    std::map<wchar_t, SimPath> perDrive_;
};

// "E:" for any spelling of a drive letter, "\\server\share" for a share root; nothing
// for anything else.
std::optional<std::wstring> ParseVolume(std::wstring_view text);

// Nothing when the text cannot name a file on Windows (empty, bad characters, a
// malformed share).
std::optional<SimPath> ResolvePath(std::wstring_view text, const SimWorkingDirectories& directories);

}  // namespace velmora::sim
