#include "import/ConfigRewrite.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <type_traits>

#include "common/ReplaceAllText.h"
#include "common/StringOps.h"
#include "common/Utf.h"

namespace velmora {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

template <typename Char>
bool HoldsCr(const std::basic_string<Char>& text) {
    return text.find(Char('\r')) != std::basic_string<Char>::npos;
}

// The next place of `unit` at or after `from`: bytes through the C library's search,
// UTF-16 units four at a time.
std::size_t FindUnit(std::string_view text, char unit, std::size_t from) {
    return text.find(unit, from);
}
std::size_t FindUnit(std::u16string_view text, char16_t unit, std::size_t from) {
    std::size_t at = from;
    for (; at + kLanes<char16_t> <= text.size(); at += kLanes<char16_t>) {
        if (HoldsZeroUnit(LoadWord(text.data() + at) ^ (unit * kFourUnits))) break;
    }
    for (; at < text.size(); ++at) {
        if (text[at] == unit) return at;
    }
    return kNone;
}

// Boyer-Moore-Horspool over any character type, its skip table indexed by a unit's low
// byte: units that share one take the smaller skip, so no occurrence is passed over.
template <typename Char>
class Horspool {
public:
    using String = std::basic_string<Char>;
    using View = std::basic_string_view<Char>;

    explicit Horspool(String needle) : needle_(std::move(needle)) {
        skip_.fill(needle_.size());
        for (std::size_t i = 0; i + 1 < needle_.size(); ++i)
            skip_[LowByte(needle_[i])] = needle_.size() - 1 - i;
    }

    // The first occurrence at or after `from`, or kNone.
    std::size_t Find(View text, std::size_t from) const {
        const std::size_t size = needle_.size();
        if (size == 0) return kNone;
        const View head = View(needle_).substr(0, size - 1);
        for (std::size_t at = from; at + size <= text.size(); at += skip_[LowByte(text[at + size - 1])]) {
            if (text[at + size - 1] == needle_.back() && text.substr(at, size - 1) == head) return at;
        }
        return kNone;
    }

    const String& Needle() const { return needle_; }

private:
    static unsigned char LowByte(Char c) { return static_cast<unsigned char>(c & 0xFF); }

    String needle_;
    std::array<std::size_t, 256> skip_{};
};

// Finds one (upper-case) search string in the text, case ignored, occurrence after
// occurrence. A search string that holds an ASCII character other than a letter (the ":"
// or "\" of a path) is found through that character, which has no other case in any code
// page or in Unicode: the text is searched for it as it stands, and only where it stands
// is the text compared. Otherwise the text is upper-cased a block at a time into a small
// window, so a large file is scanned once without a second copy of it in memory.
template <typename Char>
class Occurrences {
public:
    using String = std::basic_string<Char>;
    using View = std::basic_string_view<Char>;

    Occurrences(View text, String search, const UpperInPlace<Char>& upper, bool wholeLines)
        : text_(text),
          searcher_(std::move(search)),
          search_(searcher_.Needle()),
          upper_(upper),
          wholeLines_(wholeLines),
          anchor_(wholeLines ? kNone : AnchorOf(search_)) {}
    Occurrences(const Occurrences&) = delete;  // search_ refers into its own searcher
    Occurrences& operator=(const Occurrences&) = delete;

    std::size_t NextFrom(std::size_t position) {
        const std::size_t size = search_.size();
        if (size == 0) return kNone;
        if (anchor_ != kNone) return NextThroughAnchor(position);
        while (position + size <= text_.size()) {
            if (position < windowStart_ || position + size > windowStart_ + window_.size()) {
                Fill(position);
            }
            const std::size_t found = searcher_.Find(window_, position - windowStart_);
            if (found != kNone) return windowStart_ + found;
            if (windowStart_ + window_.size() >= text_.size()) return kNone;
            // The next window overlaps this one by less than a search string's length.
            position = windowStart_ + window_.size() - (size - 1);
        }
        return kNone;
    }

private:
    static constexpr std::size_t kWindow = 64 * 1024;

    void Fill(std::size_t start) {
        std::size_t from = start;
        if (wholeLines_) {
            // Behind the last line end before `start`; none found (kNone + 1) is the text's start.
            const Char ends[] = {Char('\r'), Char('\n')};
            from = text_.substr(0, start).find_last_of(View(ends, std::size(ends))) + 1;
        }
        windowStart_ = from;
        window_.assign(text_.substr(from, start - from + kWindow));
        upper_(window_);
    }

    static bool IsAscii(Char c) { return static_cast<std::make_unsigned_t<Char>>(c) < 0x80; }
    static Char AsciiUpper(Char c) { return c >= Char('a') && c <= Char('z') ? Char(c - ('a' - 'A')) : c; }
    static bool IsAsciiLetter(Char c) { return AsciiUpper(c) >= Char('A') && AsciiUpper(c) <= Char('Z'); }

    // Where in `search` its first ASCII character other than a letter stands, or kNone.
    static std::size_t AnchorOf(const String& search) {
        const auto anchor = std::find_if(search.begin(), search.end(),
                                         [](Char c) { return IsAscii(c) && !IsAsciiLetter(c); });
        return anchor == search.end() ? kNone : static_cast<std::size_t>(anchor - search.begin());
    }

    std::size_t NextThroughAnchor(std::size_t position) {
        const std::size_t size = search_.size();
        for (std::size_t at = position + anchor_;; ++at) {
            at = FindUnit(text_, search_[anchor_], at);
            if (at == kNone || at - anchor_ + size > text_.size()) return kNone;
            if (MatchesAt(at - anchor_)) return at - anchor_;
        }
    }

    // ASCII is compared upper-cased on the way; any other character through the text's
    // own upper case.
    bool MatchesAt(std::size_t start) {
        for (std::size_t i = 0; i < search_.size(); ++i) {
            const Char c = text_[start + i];
            if (!IsAscii(c) || !IsAscii(search_[i])) {
                slice_.assign(text_.substr(start, search_.size()));
                upper_(slice_);
                return slice_ == search_;
            }
            if (AsciiUpper(c) != search_[i]) return false;
        }
        return true;
    }

    View text_;
    Horspool<Char> searcher_;
    const String& search_;  // the searcher's own
    const UpperInPlace<Char>& upper_;
    bool wholeLines_;
    std::size_t anchor_;
    String window_;
    std::size_t windowStart_{};  // set by each Fill, the first before any search
    String slice_;
};

}  // namespace

template <typename Char>
std::optional<std::basic_string<Char>> RewriteLines(std::basic_string_view<Char> content,
                                                    BasicRewriteRule<Char> rule,
                                                    const UpperInPlace<Char>& upper, bool wholeLines) {
    using String = std::basic_string<Char>;
    constexpr Char kCr = Char('\r');
    upper(rule.search1);
    upper(rule.search2);
    // A line of the file holds no CR, so a search string with one never matches there; the
    // second can still match a CR that the first one's replacement put into a line.
    if (HoldsCr(rule.search1)) rule.search1.clear();
    if (rule.search1.empty() && (rule.search2.empty() || HoldsCr(rule.search2))) return std::nullopt;

    Occurrences<Char> first(content, rule.search1, upper, wholeLines);
    // Lines that can hold the second search string only after the first pass, or that hold
    // the first whenever they hold the second (the directory, and the directory with its
    // separator), are found through the first.
    const bool secondFoundThroughFirst =
        HoldsCr(rule.search2) || (!rule.search1.empty() && rule.search2.find(rule.search1) != String::npos);
    Occurrences<Char> second(content, secondFoundThroughFirst ? String() : rule.search2, upper, wholeLines);

    std::optional<String> result;  // from the first line with an occurrence on
    String upperLine;
    String afterFirst;
    String upperAfterFirst;
    std::size_t copied = 0;  // content before this offset is in `result` already
    std::size_t position = 0;
    for (;;) {
        const std::size_t hit = std::min(first.NextFrom(position), second.NextFrom(position));
        if (hit == kNone) break;

        // The line around the occurrence: it starts after the previous line end (CR or
        // CR LF) and ends at the next CR.
        const std::size_t cr = hit == 0 ? kNone : content.rfind(kCr, hit - 1);
        std::size_t lineStart = cr == kNone ? 0 : cr + 1;
        if (cr != kNone && lineStart < content.size() && content[lineStart] == Char('\n')) ++lineStart;
        if (hit < lineStart) {  // the occurrence begins inside a line end: not in any line
            position = hit + 1;
            continue;
        }
        std::size_t lineEnd = content.find(kCr, hit);
        if (lineEnd == kNone) lineEnd = content.size();

        // The two passes reuse their buffers: no allocation per line once they have grown.
        const std::basic_string_view<Char> line = content.substr(lineStart, lineEnd - lineStart);
        upperLine.assign(line);
        upper(upperLine);
        afterFirst.clear();
        AppendReplaced<Char>(afterFirst, line, upperLine, rule.search1, rule.replacement);
        upperAfterFirst.assign(afterFirst);
        upper(upperAfterFirst);

        // Room for the whole new content at once: grown step by step, each new page costs a
        // page fault, many times the rewrite itself on a slow machine.
        if (!result) result.emplace().reserve(content.size() + content.size() / 8);
        result->append(content.substr(copied, lineStart - copied));
        AppendReplaced<Char>(*result, afterFirst, upperAfterFirst, rule.search2, rule.replacement);
        copied = lineEnd;
        position = lineEnd;
    }
    if (!result) return std::nullopt;
    result->append(content.substr(copied));
    if (*result == content) return std::nullopt;
    return result;
}

template std::optional<std::string> RewriteLines(std::string_view, RewriteRule, const UpperInPlace<char>&,
                                                 bool);
template std::optional<std::u16string> RewriteLines(std::u16string_view, BasicRewriteRule<char16_t>,
                                                    const UpperInPlace<char16_t>&, bool);

std::optional<std::string> RewriteConfigText(std::string_view content, RewriteRule rule) {
    static const UpperInPlace<char> ascii = [](std::string& text) { UpperAsciiInPlace(text); };
    return RewriteLines(content, std::move(rule), ascii);
}

}  // namespace velmora
