// SimMachine's ProfileStore: where an INI file name leads, and when writing it fails.
#include "platform/sim/SimMachine.h"

#include "platform/sim/SimProfile.h"

namespace velmora::sim {

std::optional<SimPath> SimMachine::ProfilePath(const std::wstring& file) const {
    // Windows looks for a bare file name in the Windows directory, not the current one.
    if (!file.empty() && file.find_first_of(L"\\/:") == std::wstring::npos) {
        std::wstring inWindows = windowsDirectory_;
        if (inWindows.empty() || inWindows.back() != L'\\') {
            inWindows += L'\\';
        }
        return Usable(inWindows + file);
    }
    return Usable(file);
}

std::wstring SimMachine::ReadProfileString(const std::wstring& section, const std::wstring& key,
                                           const std::wstring& file) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::ReadProfile, file);
    std::optional<SimPath> resolved = ProfilePath(file);
    const SimNode* node = resolved ? disk_.Find(*resolved) : nullptr;
    if (failure || node == nullptr || node->entry.isDirectory) {
        faults_.End(false);
        return {};
    }
    faults_.End(true);
    return ReadProfileValue(node->entry.bytes, section, key, *this);
}

bool SimMachine::WriteProfileString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value, const std::wstring& file) {
    std::optional<InjectedFailure> failure = faults_.Begin(SimOperationKind::WriteProfile, file);
    std::optional<SimPath> resolved = ProfilePath(file);
    if (!resolved || !CanWriteFileAt(*resolved)) {
        return faults_.End(false);
    }
    const SimNode* existing = disk_.Find(*resolved);
    std::string old = existing ? existing->entry.bytes : std::string();
    return faults_.End(
        WriteWithFailure(*resolved, WriteProfileValue(old, section, key, value, *this), failure));
}

}  // namespace velmora::sim
