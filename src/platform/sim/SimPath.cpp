#include "platform/sim/SimPath.h"

#include "platform/sim/SimText.h"

namespace velmora::sim {

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool HasDrivePrefix(std::wstring_view text) {
    return text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == L':';
}

// Characters Windows refuses in a file name; the colon only ever follows a drive letter.
bool IsValidName(std::wstring_view name) {
    for (wchar_t c : name) {
        if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) {
            return false;
        }
    }
    return true;
}

std::vector<std::wstring_view> SplitAtSeparators(std::wstring_view text) {
    std::vector<std::wstring_view> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || IsSeparator(text[i])) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

// Applies the components of `rest` to `base` the way Windows normalises a path: empty
// and "." components vanish, ".." climbs but never above the root.
std::optional<SimPath> Append(SimPath base, std::wstring_view rest) {
    for (std::wstring_view piece : SplitAtSeparators(rest)) {
        if (piece.empty() || piece == L".") {
            continue;
        }
        if (piece == L"..") {
            if (!base.parts.empty()) {
                base.parts.pop_back();
            }
            continue;
        }
        if (!IsValidName(piece)) {
            return std::nullopt;
        }
        base.parts.emplace_back(piece);
    }
    return base;
}

// "\\server\share" and where the rest of the path begins, or nothing when malformed.
std::optional<std::pair<std::wstring, std::size_t>> SplitShare(std::wstring_view text) {
    std::size_t serverEnd = 2;
    while (serverEnd < text.size() && !IsSeparator(text[serverEnd])) {
        ++serverEnd;
    }
    std::size_t shareEnd = serverEnd + 1;
    while (shareEnd < text.size() && !IsSeparator(text[shareEnd])) {
        ++shareEnd;
    }
    if (serverEnd == 2 || serverEnd >= text.size() || shareEnd == serverEnd + 1) {
        return std::nullopt;
    }
    std::wstring_view server = text.substr(2, serverEnd - 2);
    std::wstring_view share = text.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    if (!IsValidName(server) || !IsValidName(share) || server == L"." || server == L"?") {
        return std::nullopt;
    }
    std::wstring volume = L"\\\\";
    volume.append(server).append(L"\\").append(share);
    return std::pair{volume, shareEnd};
}

}  // namespace

std::optional<wchar_t> SimPath::DriveLetter() const {
    if (volume.size() == 2 && volume[1] == L':') {
        return FoldCase(volume[0]);
    }
    return std::nullopt;
}

SimPath SimPath::Parent() const {
    SimPath parent = *this;
    if (!parent.parts.empty()) {
        parent.parts.pop_back();
    }
    return parent;
}

SimPath SimPath::Child(const std::wstring& name) const {
    SimPath child = *this;
    child.parts.push_back(name);
    return child;
}

std::wstring SimPath::Display() const {
    std::wstring text = volume;
    if (parts.empty()) {
        return text + L"\\";
    }
    for (const std::wstring& part : parts) {
        text.append(L"\\").append(part);
    }
    return text;
}

std::wstring SimPath::Key() const {
    return FoldCase(Display());
}

std::wstring SimPath::VolumeKey() const {
    return FoldCase(volume);
}

SimWorkingDirectories::SimWorkingDirectories() : current_{L"C:", {}} {}

SimPath SimWorkingDirectories::OfDrive(wchar_t letter) const {
    wchar_t drive = FoldCase(letter);
    if (current_.DriveLetter() == drive) {
        return current_;
    }
    auto found = perDrive_.find(drive);
    if (found != perDrive_.end()) {
        return found->second;
    }
    return SimPath{std::wstring{drive, L':'}, {}};
}

void SimWorkingDirectories::Set(const SimPath& directory) {
    current_ = directory;
    if (std::optional<wchar_t> drive = directory.DriveLetter()) {
        perDrive_[*drive] = directory;
    }
}

std::optional<std::wstring> ParseVolume(std::wstring_view text) {
    if (text.size() == 2 && HasDrivePrefix(text)) {
        return std::wstring{FoldCase(text[0]), L':'};
    }
    if (text.size() > 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
        auto share = SplitShare(text);
        if (share && share->second == text.size()) {
            return share->first;
        }
    }
    return std::nullopt;
}

std::optional<SimPath> ResolvePath(std::wstring_view text, const SimWorkingDirectories& directories) {
    if (text.empty()) {
        return std::nullopt;
    }
    if (HasDrivePrefix(text)) {
        std::wstring_view rest = text.substr(2);
        if (!rest.empty() && IsSeparator(rest[0])) {
            return Append(SimPath{std::wstring(text.substr(0, 2)), {}}, rest);
        }
        return Append(directories.OfDrive(text[0]), rest);
    }
    if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
        auto share = SplitShare(text);
        if (!share) {
            return std::nullopt;
        }
        return Append(SimPath{share->first, {}}, text.substr(share->second));
    }
    if (IsSeparator(text[0])) {
        return Append(SimPath{directories.Current().volume, {}}, text);
    }
    return Append(directories.Current(), text);
}

}  // namespace velmora::sim
