#include "import/ConfigRewrite.h"

#include <algorithm>
#include <functional>

#include "common/ReplaceAllText.h"
#include "common/StringOps.h"

namespace velmora {
namespace {

using Size = std::string_view::size_type;
constexpr Size kNone = std::string_view::npos;

// Finds one (upper-case) search string in the text, case ignored, occurrence after
// occurrence. The text is upper-cased a block at a time into a small window, so a large
// file is scanned once without a second copy of it in memory.
class Occurrences {
public:
    Occurrences(std::string_view text, std::string search)
        : text_(text), search_(std::move(search)), searcher_(search_.begin(), search_.end()) {}

    Size NextFrom(Size position) {
        if (search_.empty()) return kNone;
        while (position + search_.size() <= text_.size()) {
            if (position < windowStart_ || position + search_.size() > windowStart_ + window_.size()) {
                Fill(position);
            }
            const auto begin = window_.begin() + static_cast<std::ptrdiff_t>(position - windowStart_);
            const auto found = std::search(begin, window_.end(), searcher_);
            if (found != window_.end()) return windowStart_ + static_cast<Size>(found - window_.begin());
            if (windowStart_ + window_.size() >= text_.size()) return kNone;
            // The next window overlaps this one by less than a search string's length.
            position = windowStart_ + window_.size() - (search_.size() - 1);
        }
        return kNone;
    }

private:
    static constexpr Size kWindow = 64 * 1024;

    void Fill(Size start) {
        windowStart_ = start;
        window_.assign(text_.substr(start, kWindow));
        UpperAsciiInPlace(window_);
    }

    std::string_view text_;
    std::string search_;
    std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher_;
    std::string window_;
    Size windowStart_ = 0;
};

bool HoldsCr(const std::string& text) {
    return text.find('\r') != std::string::npos;
}

}  // namespace

std::optional<std::string> RewriteConfigText(std::string_view content, RewriteRule rule) {
    rule.search1 = UpperAscii(rule.search1);
    rule.search2 = UpperAscii(rule.search2);
    // A line of the file holds no CR, so a search string with one never matches there; the
    // second can still match a CR that the first one's replacement put into a line.
    if (HoldsCr(rule.search1)) rule.search1.clear();
    if (rule.search1.empty() && (rule.search2.empty() || HoldsCr(rule.search2))) return std::nullopt;

    Occurrences first(content, rule.search1);
    // Lines that can hold the second search string only after the first pass, or that hold
    // the first whenever they hold the second (the directory, and the directory with its
    // separator), are found through the first.
    const bool secondFoundThroughFirst =
        HoldsCr(rule.search2) ||
        (!rule.search1.empty() && rule.search2.find(rule.search1) != std::string::npos);
    Occurrences second(content, secondFoundThroughFirst ? std::string() : rule.search2);

    std::string result;
    std::string upperLine;
    std::string afterFirst;
    std::string upperAfterFirst;
    bool anyLine = false;
    Size copied = 0;  // content before this offset is in `result` already
    Size position = 0;
    for (;;) {
        const Size hit = std::min(first.NextFrom(position), second.NextFrom(position));
        if (hit == kNone) break;

        // The line around the occurrence: it starts after the previous line end (CR or
        // CR LF) and ends at the next CR.
        const Size cr = hit == 0 ? kNone : content.rfind('\r', hit - 1);
        Size lineStart = cr == kNone ? 0 : cr + 1;
        if (cr != kNone && lineStart < content.size() && content[lineStart] == '\n') ++lineStart;
        if (hit < lineStart) {  // the occurrence begins inside a line end: not in any line
            position = hit + 1;
            continue;
        }
        Size lineEnd = content.find('\r', hit);
        if (lineEnd == kNone) lineEnd = content.size();

        // The two passes reuse their buffers: no allocation per line once they have grown.
        const std::string_view line = content.substr(lineStart, lineEnd - lineStart);
        upperLine.assign(line);
        UpperAsciiInPlace(upperLine);
        afterFirst.clear();
        AppendReplaced<char>(afterFirst, line, upperLine, rule.search1, rule.replacement);
        upperAfterFirst.assign(afterFirst);
        UpperAsciiInPlace(upperAfterFirst);

        if (!anyLine) result.reserve(content.size() + content.size() / 8);
        anyLine = true;
        result.append(content.substr(copied, lineStart - copied));
        AppendReplaced<char>(result, afterFirst, upperAfterFirst, rule.search2, rule.replacement);
        copied = lineEnd;
        position = lineEnd;
    }
    if (!anyLine) return std::nullopt;
    result.append(content.substr(copied));
    if (result == content) return std::nullopt;
    return result;
}

}  // namespace velmora
