// The settings-file rewrite exactly as its rule reads, with no care for speed: the
// reference that tests and fuzz targets hold the real code to.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "common/StringOps.h"
#include "import/ConfigRewrite.h"

namespace velmora::reference {

// Splits at CR or CR LF and keeps every line end as it was. In each line every occurrence
// of the first, then of the second search string (case ignored) is replaced, the line
// rebuilt after each replacement and the search resumed one character past the one that
// follows the inserted text.
inline std::string Rewrite(std::string_view content, const RewriteRule& rule) {
    std::string result;
    for (size_t start = 0, next; start < content.size(); start = next) {
        const size_t end = std::min(content.find('\r', start), content.size());
        next = end == content.size() ? end : end + 1 + (content.substr(end + 1, 1) == "\n");
        std::string line(content.substr(start, end - start));
        for (const std::string& search : {UpperAscii(rule.search1), UpperAscii(rule.search2)}) {
            for (size_t at = 0, found; !search.empty(); at = found + rule.replacement.size() + 1) {
                found = UpperAscii(line).find(search, at);
                if (found == std::string::npos) break;
                line = line.substr(0, found) + rule.replacement + line.substr(found + search.size());
            }
        }
        result += line;
        result += content.substr(end, next - end);
    }
    return result;
}

}  // namespace velmora::reference
