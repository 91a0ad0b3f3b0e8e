#include "driver/Process.h"

#include <stdexcept>

#include "driver/Text.h"

namespace velmora::e2e {
namespace {

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr)) {
        throw std::runtime_error("cannot query the job object (error " + std::to_string(GetLastError()) +
                                 ")");
    }
    return info;
}

}  // namespace

Program::Program(const std::wstring& executable, const std::wstring& commandLine,
                 const std::wstring& currentDirectory)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    if (!job_) {
        throw std::runtime_error("cannot create a job object");
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);

    std::wstring mutableLine = commandLine;  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(executable.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, currentDirectory.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start '" + ToUtf8(executable) + "' in '" + ToUtf8(currentDirectory) +
                                 "' (error " + std::to_string(GetLastError()) + ")");
    }
    process_.reset(info.hProcess);
    Handle thread(info.hThread);
    id_ = info.dwProcessId;
    // Assigned before it runs, so everything it starts belongs to the job as well.
    if (!AssignProcessToJobObject(job_.get(), process_.get())) {
        TerminateProcess(process_.get(), 1);
        throw std::runtime_error("cannot put the program into a job object");
    }
    ResumeThread(thread.get());
}

Program::~Program() {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &info, sizeof info,
                                  nullptr) &&
        info.ActiveProcesses > 0) {
        TerminateJobObject(job_.get(), 1);
        WaitForSingleObject(process_.get(), static_cast<DWORD>(kWaitTimeout.count()));
    }
}

bool Program::HasEnded() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

bool Program::WaitForEnd(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Program::ActiveProcesses() const {
    return Accounting(job_.get()).ActiveProcesses;
}

DWORD Program::ProcessesStarted() const {
    return Accounting(job_.get()).TotalProcesses;
}

bool Program::WaitForAllProcessesToEnd(std::chrono::milliseconds timeout) const {
    return WaitUntil([this] { return ActiveProcesses() == 0; }, timeout);
}

}  // namespace velmora::e2e
