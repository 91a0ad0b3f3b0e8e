#include "platform/sim/SimProcess.h"

namespace velmora::sim {

SimProcess::SimProcess(std::function<std::wstring()> currentDirectory)
    : currentDirectory_(std::move(currentDirectory)) {}

bool SimProcess::StartProgram(const std::wstring& commandLine) {
    started_.push_back({commandLine, true, currentDirectory_(), !failStarts_});
    return !failStarts_;
}

std::wstring SimProcess::SpecialFolderPath(int csidl) {
    auto found = specialFolders_.find(csidl);
    return found == specialFolders_.end() ? std::wstring() : found->second;
}

}  // namespace velmora::sim
