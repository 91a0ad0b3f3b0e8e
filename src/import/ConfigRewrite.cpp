#include "import/ConfigRewrite.h"

#include "common/StringOps.h"
#include "import/ReplaceAllText.h"

namespace velmora {
namespace {

bool Holds(std::string_view upperLine, const std::string& search) {
    return !search.empty() && upperLine.find(search) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> RewriteConfigText(std::string_view content, RewriteRule rule) {
    rule.search1 = UpperAscii(rule.search1);
    rule.search2 = UpperAscii(rule.search2);
    // One upper-case copy of the whole file; lines without an occurrence are never copied twice.
    const std::string upperContent = UpperAscii(content);

    std::string result;
    bool changed = false;
    std::string_view::size_type start = 0;
    while (start < content.size()) {
        auto end = content.find('\r', start);
        if (end == std::string_view::npos)
            end = content.size();
        auto next = end;  // past the line end: CR, or CR LF
        if (end < content.size()) {
            next = end + 1;
            if (next < content.size() && content[next] == '\n')
                ++next;
        }

        const std::string_view upperLine = std::string_view(upperContent).substr(start, end - start);
        if (!changed && !Holds(upperLine, rule.search1) && !Holds(upperLine, rule.search2)) {
            start = next;
            continue;
        }
        if (!changed) {
            result.reserve(content.size() + content.size() / 8);
            result.append(content.substr(0, start));
            changed = true;
        }
        if (Holds(upperLine, rule.search1) || Holds(upperLine, rule.search2)) {
            std::string line(content.substr(start, end - start));
            line = ReplaceAllText(line, rule.search1, rule.replacement, false);
            line = ReplaceAllText(line, rule.search2, rule.replacement, false);
            result += line;
            result.append(content.substr(end, next - end));
        } else {
            result.append(content.substr(start, next - start));
        }
        start = next;
    }
    if (!changed || result == content)
        return std::nullopt;
    return result;
}

}  // namespace velmora
