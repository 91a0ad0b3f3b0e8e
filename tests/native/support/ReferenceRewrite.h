// The settings-file rewrite exactly as its rule reads, with no care for speed: the
// reference that tests and fuzz targets hold the real code to.
#pragma once

#include <string>
#include <string_view>

#include "common/StringOps.h"

namespace velmora::reference {

// Replaces every occurrence of `search` (case ignored), rebuilding the text after each
// replacement and resuming one character past the one that follows the inserted text.
inline std::string ReplaceAll(std::string text, std::string search, const std::string& replacement) {
    search = UpperAscii(search);
    if (search.empty()) return text;
    size_t position = 0;
    for (;;) {
        const auto found = UpperAscii(text).find(search, position);
        if (found == std::string::npos) return text;
        text = text.substr(0, found) + replacement + text.substr(found + search.size());
        position = found + replacement.size() + 1;
        if (position > text.size()) return text;
    }
}

// Splits at CR or CR LF, applies the rule to each line with the first and then the second
// search string, and keeps every line end as it was.
inline std::string Rewrite(std::string_view content, const std::string& search1, const std::string& search2,
                           const std::string& replacement) {
    std::string result;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\r', start);
        if (end == std::string_view::npos) end = content.size();
        size_t next = end == content.size() ? end : end + 1;
        if (end < content.size() && next < content.size() && content[next] == '\n') ++next;
        std::string line(content.substr(start, end - start));
        line = ReplaceAll(line, search1, replacement);
        line = ReplaceAll(line, search2, replacement);
        result += line;
        result.append(content.substr(end, next - end));
        start = next;
    }
    return result;
}

}  // namespace velmora::reference
