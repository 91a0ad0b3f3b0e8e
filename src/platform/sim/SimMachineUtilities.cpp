// SimMachine's calls behind the file utilities: searches with attribute values, appending,
// creation times, moves and the short and long forms of a path.
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimShortNames.h"
#include "platform/sim/SimText.h"

namespace velmora::sim {
namespace {

constexpr std::uint32_t kReadOnly = 1, kHidden = 2, kSystem = 4, kDirectory = 16, kArchive = 32;

std::uint32_t RawAttributes(const SimEntry& entry) {
    const FileAttributes& a = entry.attributes;
    return (a.readOnly ? kReadOnly : 0) | (a.hidden ? kHidden : 0) | (a.system ? kSystem : 0) |
           (entry.isDirectory ? kDirectory : 0) | (a.archive ? kArchive : 0);
}

// "E:\dir\*.txt" -> "E:\dir\" and "*.txt"; "E:*.txt" searches E:'s own current directory.
std::pair<std::wstring, std::wstring> SplitPattern(const std::wstring& pattern, const std::wstring& current) {
    const auto separator = pattern.find_last_of(L"\\/");
    if (separator != std::wstring::npos)
        return {pattern.substr(0, separator + 1), pattern.substr(separator + 1)};
    if (pattern.size() >= 2 && pattern[1] == L':') return {pattern.substr(0, 2), pattern.substr(2)};
    return {current, pattern};
}

}  // namespace

void SimMachine::SetCreationTime(const std::wstring& path, LocalDateTime time) {
    creationTimes_[Placed(path).Key()] = time;
}

std::vector<DirectoryEntry> SimMachine::FindEntries(const std::wstring& pattern) {
    const auto failure = faults_.Begin(SimOperationKind::FindEntries, pattern);
    const auto [directory, names] = SplitPattern(pattern, CurrentDirectory());
    const auto resolved = Usable(directory);
    std::vector<DirectoryEntry> entries;
    if (failure || names.empty() || !resolved || Unreadable(*resolved) || !disk_.IsDirectory(*resolved)) {
        faults_.End(false);
        return entries;
    }
    if (!resolved->IsRoot()) {
        for (const wchar_t* dots : {L".", L".."}) {
            if (MatchesPattern(dots, names)) entries.push_back({dots, kDirectory});
        }
    }
    for (const SimNode* node : disk_.Children(*resolved)) {
        if (MatchesPattern(node->name, names)) entries.push_back({node->name, RawAttributes(node->entry)});
    }
    faults_.End(!entries.empty());
    return entries;
}

bool SimMachine::AppendFileBytes(const std::wstring& path, std::string_view bytes) {
    const auto failure = faults_.Begin(SimOperationKind::AppendFile, path);
    const auto resolved = Usable(path);
    if (!resolved || !CanWriteFileAt(*resolved)) return faults_.End(false);
    const SimNode* existing = disk_.Find(*resolved);
    std::string content = existing ? existing->entry.bytes : std::string();
    // Unlike an emptying write, opening at the end is allowed for hidden and system files.
    return faults_.End(WriteWithFailure(*resolved, content.append(bytes), failure));
}

std::optional<LocalDateTime> SimMachine::CreationTime(const std::wstring& path) {
    const auto failure = faults_.Begin(SimOperationKind::CreationTime, path);
    const auto resolved = Usable(path);
    const SimNode* node = resolved ? disk_.Find(*resolved) : nullptr;
    if (failure || node == nullptr || node->entry.isDirectory) {
        faults_.End(false);
        return std::nullopt;
    }
    faults_.End(true);
    const auto time = creationTimes_.find(resolved->Key());
    return time == creationTimes_.end() ? kDefaultCreationTime : time->second;
}

bool SimMachine::MoveNewFile(const std::wstring& source, const std::wstring& destination) {
    const auto failure = faults_.Begin(SimOperationKind::MoveNewFile, source, destination);
    const auto from = Usable(source);
    const auto to = Usable(destination);
    const SimNode* moving = from ? disk_.Find(*from) : nullptr;
    if (failure || moving == nullptr || moving->entry.isDirectory || disk_.IsWriteProtected(*from) || !to ||
        disk_.Find(*to) != nullptr || !CanWriteFileAt(*to)) {
        return faults_.End(false);
    }
    // A file keeps its creation time when it moves.
    const auto time = creationTimes_.extract(from->Key());
    SimEntry entry = moving->entry;
    disk_.Remove(*from);
    disk_.Put(*to, std::move(entry));
    if (time) creationTimes_[to->Key()] = time.mapped();
    return faults_.End(true);
}

std::optional<std::vector<const SimNode*>> SimMachine::WalkEitherForm(const SimPath& path) const {
    std::vector<const SimNode*> nodes;
    SimPath walk{path.volume, {}};
    for (const std::wstring& part : path.parts) {
        const SimNode* next = nullptr;
        for (const SimNode* child : disk_.Children(walk)) {
            if (FoldCase(child->name) == FoldCase(part) ||
                FoldCase(ShortNameOf(child->name)) == FoldCase(part)) {
                next = child;
                break;
            }
        }
        if (next == nullptr) return std::nullopt;
        nodes.push_back(next);
        walk = walk.Child(next->name);
    }
    return nodes;
}

std::optional<std::wstring> SimMachine::PathForm(SimOperationKind kind, const std::wstring& path,
                                                 bool shortForm) {
    const auto failure = faults_.Begin(kind, path);
    const auto resolved = Usable(path);
    const auto nodes = resolved && !Unreadable(*resolved) ? WalkEitherForm(*resolved) : std::nullopt;
    if (failure || !nodes) {
        faults_.End(false);
        return std::nullopt;
    }
    SimPath form{resolved->volume, {}};
    for (const SimNode* node : *nodes) {
        form = form.Child(shortForm ? ShortNameOf(node->name) : node->name);
    }
    faults_.End(true);
    return form.Display();
}

std::optional<std::wstring> SimMachine::ShortPathName(const std::wstring& path) {
    return PathForm(SimOperationKind::ShortPathName, path, true);
}

std::optional<std::wstring> SimMachine::LongPathName(const std::wstring& path) {
    return PathForm(SimOperationKind::LongPathName, path, false);
}

}  // namespace velmora::sim
