// The simulated process: its command line, its executable, the programs it starts and
// the shell folders it can look up.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace velmora::sim {

struct StartedProgram {
    std::wstring commandLine;
    int showState = ProcessEnvironment::kShowNormal;
    std::wstring currentDirectory;  // as CurrentDirectory() reported it at the start
    bool started = true;
    std::uint32_t processId = 0;  // 0 for a start that failed
};

class SimProcess : public ProcessEnvironment {
public:
    explicit SimProcess(std::function<std::wstring()> currentDirectory);

    std::wstring CommandLineTail() override { return commandLineTail_; }
    std::wstring ProgramDirectory() override { return programDirectory_; }
    std::wstring ProgramName() override { return programName_; }
    using ProcessEnvironment::StartProgram;
    std::optional<std::uint32_t> StartProgram(const std::wstring& commandLine, int showState) override;
    std::wstring SpecialFolderPath(int csidl) override;
    std::wstring EnvironmentVariable(const std::wstring& name) override;

    void SetCommandLineTail(std::wstring tail) { commandLineTail_ = std::move(tail); }
    void SetProgramDirectory(std::wstring directory) { programDirectory_ = std::move(directory); }
    void SetProgramName(std::wstring name) { programName_ = std::move(name); }
    void SetSpecialFolder(int csidl, std::wstring path) { specialFolders_[csidl] = std::move(path); }
    void FailProgramStarts(bool fail) { failStarts_ = fail; }
    void SetEnvironmentVariable(const std::wstring& name, std::wstring value);

    // Every attempt, failed ones included.
    const std::vector<StartedProgram>& StartedPrograms() const { return started_; }

private:
    std::function<std::wstring()> currentDirectory_;
    std::wstring commandLineTail_;
    std::wstring programDirectory_;
    std::wstring programName_ = L"velmora";
    std::map<int, std::wstring> specialFolders_;
    std::map<std::wstring, std::wstring> environment_;  // names folded to upper case
    bool failStarts_ = false;
    std::uint32_t nextProcessId_ = 0x1000;
    std::vector<StartedProgram> started_;
};

}  // namespace velmora::sim
