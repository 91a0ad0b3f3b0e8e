// Deterministic Total Commander settings text for the benchmarks: INI sections, keys and
// paths with CR LF line ends, as wincmd.ini and wcx_ftp.ini look after years of use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora::bench {

struct SettingsTextShape {
    std::size_t bytes = 0;       // the text is cut at the first line end past this size
    int linesPerDirectory = 10;  // every n-th line holds the directory (10: 10% of the lines)
    std::string directory = "E:\\TC";
    bool mixCase = true;  // "e:\tc", "E:\Tc", ... as users and installers wrote it
    std::uint32_t seed = 20240611;
};

// A main settings file of about `shape.bytes` bytes.
std::string SettingsText(const SettingsTextShape& shape);

// One key whose value is a `bytes`-long list holding the directory `occurrences` times.
std::string SingleLineText(std::size_t bytes, std::size_t occurrences, std::uint32_t seed = 20240611);

// A small FTP connections file (wcx_ftp.ini) of about `bytes` bytes, already private.
std::string FtpSettingsText(std::size_t bytes, std::uint32_t seed = 20240611);

}  // namespace velmora::bench
