#include "platform/sim/SimFaults.h"

namespace velmora::sim {

namespace {

// Lookups that only look are left out of the numbering, so that a sweep spends its runs
// on operations that can really fail on a medium.
bool IsNumbered(SimOperationKind kind) {
    switch (kind) {
        case SimOperationKind::FileExists:
        case SimOperationKind::ChangeDirectory:
        case SimOperationKind::ChangeDrive:
            return false;
        default:
            return true;
    }
}

}  // namespace

const wchar_t* KindName(SimOperationKind kind) {
    switch (kind) {
        case SimOperationKind::FileExists:
            return L"FileExists";
        case SimOperationKind::ReadFile:
            return L"ReadFileBytes";
        case SimOperationKind::WriteFile:
            return L"WriteFileBytes";
        case SimOperationKind::CopyNewFile:
            return L"CopyNewFile";
        case SimOperationKind::RemoveFile:
            return L"RemoveFile";
        case SimOperationKind::MoveReplacing:
            return L"MoveReplacing";
        case SimOperationKind::ListSubdirectories:
            return L"ListSubdirectories";
        case SimOperationKind::ListFiles:
            return L"ListFiles";
        case SimOperationKind::ChangeDirectory:
            return L"ChangeDirectory";
        case SimOperationKind::ChangeDrive:
            return L"ChangeDrive";
        case SimOperationKind::ReadProfile:
            return L"ReadProfileString";
        case SimOperationKind::WriteProfile:
            return L"WriteProfileString";
        case SimOperationKind::FindEntries:
            return L"FindEntries";
        case SimOperationKind::AppendFile:
            return L"AppendFileBytes";
        case SimOperationKind::CreationTime:
            return L"CreationTime";
        case SimOperationKind::MoveNewFile:
            return L"MoveNewFile";
        case SimOperationKind::ShortPathName:
            return L"ShortPathName";
        case SimOperationKind::LongPathName:
            return L"LongPathName";
    }
    return L"?";
}

void SimFaults::FailOperation(std::uint64_t number, InjectedFailure how) {
    failures_[number] = how;
}

void SimFaults::FailPath(const std::wstring& key) {
    failingPaths_.insert(key);
}

std::optional<InjectedFailure> SimFaults::Begin(SimOperationKind kind, const std::wstring& path,
                                                const std::wstring& otherPath) {
    SimOperation operation{0, kind, path, otherPath};
    std::optional<InjectedFailure> failure;
    if (IsNumbered(kind)) {
        operation.number = ++count_;
        auto found = failures_.find(operation.number);
        if (found != failures_.end()) {
            failure = found->second;
            operation.injected = true;
        }
    }
    log_.push_back(std::move(operation));
    return failure;
}

bool SimFaults::End(bool succeeded) {
    log_.back().succeeded = succeeded;
    return succeeded;
}

std::wstring SimFaults::DescribeLog() const {
    std::wstring text;
    for (const SimOperation& operation : log_) {
        text += operation.number == 0 ? L"   " : std::to_wstring(operation.number) + L": ";
        text += KindName(operation.kind);
        text += L" " + operation.path;
        if (!operation.otherPath.empty()) {
            text += L" -> " + operation.otherPath;
        }
        text += operation.succeeded ? L"" : L"  FAILED";
        text += operation.injected ? L" (injected)" : L"";
        text += L"\n";
    }
    return text;
}

}  // namespace velmora::sim
