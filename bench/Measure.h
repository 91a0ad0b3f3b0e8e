// Timing and file helpers for the benchmarks: medians of repeated runs, child processes
// timed from spawn to exit, whole-file reads and writes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora::bench {

// Milliseconds the call took.
double TimeMs(const std::function<void()>& call);

double Median(std::vector<double> values);

// Runs `argv` (searched on PATH) with `environment` entries added, waits for it, and gives
// the wall time in milliseconds; nothing when it could not start or did not exit with 0.
std::optional<double> TimeProcessMs(const std::vector<std::string>& argv,
                                    const std::vector<std::string>& environment = {});

std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace velmora::bench
