// Numbering, failure injection and the log of the simulated machine's operations.
// A test runs a scenario once, reads OperationCount(), and then reruns it once for
// every number with that operation failing, to prove the program survives each one.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::sim {

enum class SimOperationKind {
    FileExists,
    ReadFile,
    WriteFile,
    CopyNewFile,
    RemoveFile,
    MoveReplacing,
    ListSubdirectories,
    ListFiles,
    ChangeDirectory,
    ChangeDrive,
    ReadProfile,
    WriteProfile,
    FindEntries,
    AppendFile,
    CreationTime,
    MoveNewFile,
    ShortPathName,
    LongPathName,
};

const wchar_t* KindName(SimOperationKind kind);

// Clean: the operation changes nothing. Midway: a write leaves the first half of the new
// bytes behind, as when the medium fills up during the write.
enum class InjectedFailure { Clean, Midway };

struct SimOperation {
    std::uint64_t number = 0;  // 0 for the lookups that are not numbered
    SimOperationKind kind = SimOperationKind::FileExists;
    std::wstring path;
    std::wstring otherPath;
    bool succeeded = false;
    bool injected = false;
};

class SimFaults {
public:
    void FailOperation(std::uint64_t number, InjectedFailure how);
    // Takes the key of a resolved path.
    void FailPath(const std::wstring& key);
    bool IsFailingPath(const std::wstring& key) const { return failingPaths_.contains(key); }

    // Numbers (when the kind is numbered) and logs an operation; the failure to inject
    // into it, if any.
    std::optional<InjectedFailure> Begin(SimOperationKind kind, const std::wstring& path,
                                         const std::wstring& otherPath = {});
    // Records the outcome of the operation begun last and hands it back.
    bool End(bool succeeded);

    std::uint64_t OperationCount() const { return count_; }
    const std::vector<SimOperation>& Log() const { return log_; }
    std::wstring DescribeLog() const;

private:
    std::uint64_t count_ = 0;
    std::map<std::uint64_t, InjectedFailure> failures_;
    std::set<std::wstring> failingPaths_;
    std::vector<SimOperation> log_;
};

}  // namespace velmora::sim
