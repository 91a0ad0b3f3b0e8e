#include "driver/Record.h"

#include <stdexcept>

#include "driver/Files.h"
#include "driver/Text.h"

namespace velmora::e2e {

std::vector<Launch> ReadLaunches(const std::wstring& recordFile) {
    std::vector<Launch> launches;
    const auto bytes = ReadBytes(recordFile);
    if (!bytes) {
        return launches;
    }
    std::vector<std::wstring> lines = Split(FromUtf8(*bytes), L'\n');
    if (lines.back().empty()) {
        lines.pop_back();  // after the last line's LF
    }
    for (const std::wstring& line : lines) {
        const std::vector<std::wstring> fields = Split(line, L'\t');
        if (fields.size() != 5) {
            throw std::runtime_error("malformed line in the stand-in's record: '" + ToUtf8(line) + "'");
        }
        launches.push_back({fields[0], fields[1], fields[2], std::stoi(fields[3]), std::stoul(fields[4])});
    }
    return launches;
}

}  // namespace velmora::e2e
