// bench_launch_timer.exe RUNS LAUNCHER...: starts each launcher RUNS times (after one
// untimed warm-up start), the launchers taking turns so that machine noise hits them
// alike. A launch is timed with QueryPerformanceCounter from CreateProcessW until the
// launcher has exited; the Total Commander it starts is not waited for in the figure, but
// it must report its start, and it must be gone before the next launch begins.
// Prints "median <launcher> <ms>" and "samples <launcher> <ms>..." lines.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "LaunchShared.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

constexpr DWORD kWaitMs = 15000;

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

bool StandInRunning() {
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, L"Totalcmd.exe") == 0) return true;
    }
    return false;
}

bool WaitUntilStandInGone() {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (StandInRunning()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(1);
    }
    return true;
}

// Milliseconds from the start of `launcher` to its exit, or a negative value on failure.
double TimeOneLaunch(const std::wstring& launcher, HANDLE standInStarted) {
    const std::wstring directory = launcher.substr(0, launcher.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + launcher + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};

    LARGE_INTEGER begin{}, end{};
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(launcher.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &started)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", launcher.c_str(), GetLastError());
        return -1;
    }
    const UniqueHandle process(started.hProcess);
    CloseHandle(started.hThread);
    const DWORD waited = WaitForSingleObject(process.get(), kWaitMs);
    QueryPerformanceCounter(&end);

    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    if (waited != WAIT_OBJECT_0 || exitCode != 0) {
        std::fwprintf(stderr, L"%ls did not exit cleanly within %lu ms\n", launcher.c_str(), kWaitMs);
        return -1;
    }
    if (WaitForSingleObject(standInStarted, kWaitMs) != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"%ls did not start Totalcmd.exe\n", launcher.c_str());
        return -1;
    }
    if (!WaitUntilStandInGone()) {
        std::fwprintf(stderr, L"Totalcmd.exe started by %ls did not exit\n", launcher.c_str());
        return -1;
    }
    return Milliseconds(end.QuadPart - begin.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 2 ? _wtoi(argv[1]) : 0;
    if (runs < 1) {
        std::fwprintf(stderr, L"usage: bench_launch_timer RUNS LAUNCHER...\n");
        return 2;
    }
    const std::vector<std::wstring> launchers(argv + 2, argv + argc);
    const UniqueHandle standInStarted(CreateSemaphoreW(nullptr, 0, 1 << 20, velmora::bench::kStandInStarted));
    if (!standInStarted) return 2;

    for (const auto& launcher : launchers) {  // warm-up: file caches, Wine's DLL loading
        if (TimeOneLaunch(launcher, standInStarted.get()) < 0) return 1;
    }
    std::vector<std::vector<double>> samples(launchers.size());
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < launchers.size(); ++i) {
            const double ms = TimeOneLaunch(launchers[i], standInStarted.get());
            if (ms < 0) return 1;
            samples[i].push_back(ms);
        }
    }
    for (size_t i = 0; i < launchers.size(); ++i) {
        std::wprintf(L"median %ls %.2f\n", launchers[i].c_str(), Median(samples[i]));
        std::wprintf(L"samples %ls", launchers[i].c_str());
        for (double ms : samples[i])
            std::wprintf(L" %.2f", ms);
        std::wprintf(L"\n");
    }
    return 0;
}
