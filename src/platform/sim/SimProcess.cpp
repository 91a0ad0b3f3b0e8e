#include "platform/sim/SimProcess.h"
#include "platform/sim/SimText.h"

namespace velmora::sim {

SimProcess::SimProcess(std::function<std::wstring()> currentDirectory)
    : currentDirectory_(std::move(currentDirectory)) {}

std::optional<std::uint32_t> SimProcess::StartProgram(const std::wstring& commandLine, int showState) {
    // Windows hands out process ids in steps of four.
    const std::uint32_t id = failStarts_ ? 0 : (nextProcessId_ += 4);
    started_.push_back({commandLine, showState, currentDirectory_(), !failStarts_, id});
    if (failStarts_) return std::nullopt;
    return id;
}

std::wstring SimProcess::SpecialFolderPath(int csidl) {
    auto found = specialFolders_.find(csidl);
    return found == specialFolders_.end() ? std::wstring() : found->second;
}

// Names of environment variables are compared without regard to case, as on Windows.
std::wstring SimProcess::EnvironmentVariable(const std::wstring& name) {
    const auto found = environment_.find(FoldCase(name));
    return found == environment_.end() ? std::wstring() : found->second;
}

void SimProcess::SetEnvironmentVariable(const std::wstring& name, std::wstring value) {
    environment_[FoldCase(name)] = std::move(value);
}

}  // namespace velmora::sim
