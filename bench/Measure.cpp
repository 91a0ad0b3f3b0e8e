#include "Measure.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

extern char** environ;

namespace velmora::bench {

double TimeMs(const std::function<void()>& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::optional<double> TimeProcessMs(const std::vector<std::string>& argv,
                                    const std::vector<std::string>& environment) {
    std::vector<std::string> envStrings(environment);
    for (char** entry = environ; *entry != nullptr; ++entry)
        envStrings.emplace_back(*entry);
    std::vector<char*> envp;
    for (auto& entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::vector<std::string> args(argv);
    std::vector<char*> argp;
    for (auto& arg : args)
        argp.push_back(arg.data());
    argp.push_back(nullptr);

    // Built before the clock starts: only the child's own run is timed.
    pid_t child = 0;
    int status = 0;
    bool started = false;
    const double ms = TimeMs([&] {
        started = posix_spawnp(&child, argp[0], nullptr, nullptr, argp.data(), envp.data()) == 0;
        if (started) waitpid(child, &status, 0);
    });
    if (!started || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0].c_str());
        return std::nullopt;
    }
    return ms;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(in.tellg());
    in.seekg(0);
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace velmora::bench
