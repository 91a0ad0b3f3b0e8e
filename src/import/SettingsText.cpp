#include "import/SettingsText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/StringOps.h"
#include "common/Utf.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Upper-cases the ASCII letters of four UTF-16 units at once; false (and nothing
// changed) when one of them is not ASCII.
bool UpperFourAsciiUnits(char16_t* units) {
    const std::uint64_t four = LoadWord(units);
    if (four & (0xFF80 * kFourUnits)) return false;
    StoreWord(units, UpperAsciiLanes(four, kFourUnits));
    return true;
}

// The system's mapping, spared for text that is all ASCII, whose upper case is plain:
// whole blocks of four units at once, then the units behind the last block one by one.
UpperInPlace<char16_t> UpperUnicode(const TextCase& textCase) {
    return [&textCase](std::u16string& text) {
        const std::size_t blocks = text.size() - text.size() % kLanes<char16_t>;
        for (std::size_t i = 0; i < blocks; i += kLanes<char16_t>) {
            if (!UpperFourAsciiUnits(text.data() + i)) return textCase.unicode(text);
        }
        for (std::size_t i = blocks; i < text.size(); ++i) {
            if (text[i] >= 0x80) return textCase.unicode(text);
            if (text[i] >= u'a' && text[i] <= u'z') text[i] = static_cast<char16_t>(text[i] - (u'a' - u'A'));
        }
    };
}

// True when the unit at `at` (`unit` bytes, UTF-16LE when two) is the ASCII character `c`.
bool IsUnit(std::string_view bytes, std::size_t at, std::size_t unit, char c) {
    return at + unit <= bytes.size() && bytes[at] == c && (unit == 1 || bytes[at + 1] == '\0');
}

// The end of the stretch of whole lines that begins at `start`: behind the first line end
// (CR, or CR LF) that `size` bytes reach, or the end of the file.
std::size_t StretchEnd(std::string_view bytes, std::size_t start, std::size_t size, std::size_t unit) {
    for (std::size_t at = start + size; (at = bytes.find('\r', at)) != std::string_view::npos; ++at) {
        if ((at - start) % unit == 0 && IsUnit(bytes, at, unit, '\r'))
            return at + unit + (IsUnit(bytes, at + unit, unit, '\n') ? unit : 0);
    }
    return bytes.size();
}

// What the rule makes of one stretch: its new bytes, nothing when no line of it changes,
// or the stretch is not text of the file's encoding and the whole file stays as it is.
struct StretchResult {
    std::optional<std::string> bytes;
    bool broken = false;
};

// The file's new bytes, the text from `from` on rewritten a stretch of lines at a time, so
// that only one stretch is ever held in the form the rule works on. The bytes before
// `from` (a byte-order mark) and the stretches that do not change are kept as they are.
template <typename Rewrite>
std::optional<NewBytes> RewriteInStretches(std::string_view bytes, std::size_t from, std::size_t unit,
                                           std::size_t stretch, const Rewrite& rewrite) {
    NewBytes pieces;
    std::size_t kept = 0;  // the bytes before this offset are in `pieces` already
    for (std::size_t start = from; start < bytes.size();) {
        const std::size_t end = StretchEnd(bytes, start, stretch, unit);
        StretchResult result = rewrite(bytes.substr(start, end - start));
        if (result.broken) return std::nullopt;
        if (result.bytes) {
            if (start > kept) pieces.emplace_back(bytes.substr(kept, start - kept));
            pieces.push_back(std::move(*result.bytes));
            kept = end;
        }
        start = end;
    }
    if (pieces.empty()) return std::nullopt;
    if (kept < bytes.size()) pieces.emplace_back(bytes.substr(kept));
    return pieces;
}

// UTF-8 behind a byte-order mark `bom` (or none).
std::optional<NewBytes> RewriteUtf8(std::string_view file, std::string_view bom, const SettingsRule& rule,
                                    const TextCase& textCase, std::size_t stretch) {
    const UpperInPlace<char16_t> upper = UpperUnicode(textCase);
    return RewriteInStretches(file, bom.size(), 1, stretch, [&](std::string_view lines) {
        const auto text = Utf8ToUtf16(lines);
        if (!text) return StretchResult{std::nullopt, true};
        const auto rewritten = RewriteLines<char16_t>(*text, rule.unicode, upper);
        return StretchResult{rewritten ? Utf16ToUtf8(*rewritten) : std::nullopt, false};
    });
}

// UTF-16LE behind its byte-order mark.
std::optional<NewBytes> RewriteUtf16(std::string_view file, const SettingsRule& rule,
                                     const TextCase& textCase, std::size_t stretch) {
    if ((file.size() - kUtf16Bom.size()) % 2 != 0) return std::nullopt;
    static_assert(std::endian::native == std::endian::little, "UTF-16LE units are copied as they are");
    const UpperInPlace<char16_t> upper = UpperUnicode(textCase);
    std::u16string text;
    return RewriteInStretches(file, kUtf16Bom.size(), 2, stretch, [&](std::string_view lines) {
        // Copied, not converted: the bytes are the units.
        text.resize(lines.size() / 2);
        std::memcpy(text.data(), lines.data(), lines.size());
        if (!IsWellFormedUtf16(text)) return StretchResult{std::nullopt, true};
        const auto rewritten = RewriteLines<char16_t>(text, rule.unicode, upper);
        if (!rewritten) return StretchResult{};
        return StretchResult{
            std::string(reinterpret_cast<const char*>(rewritten->data()), rewritten->size() * 2), false};
    });
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf16Bom)) return TextEncoding::Utf16Le;
    if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8WithBom;
    if (FirstNonAscii(bytes) != std::string_view::npos && IsValidUtf8(bytes)) return TextEncoding::Utf8;
    return TextEncoding::Ansi;
}

void UpperAnsiInPlace(std::string& text, const AnsiCase& ansiCase) {
    for (std::size_t at = 0; at < text.size();) {
        // A stretch of ASCII at the fast pace: its letters have the same upper case in every
        // code page, and no double-byte character begins there.
        const std::size_t found = FirstNonAscii(std::string_view(text).substr(at));
        const std::size_t high = found == std::string_view::npos ? text.size() : at + found;
        UpperAsciiInPlace(text.data() + at, high - at);
        if (high == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[high]);
        if (ansiCase.leadsPair[byte]) {
            at = high + 2;  // its trail byte is no letter either
        } else {
            text[high] = static_cast<char>(ansiCase.upper[byte]);
            at = high + 1;
        }
    }
}

std::optional<NewBytes> RewriteSettingsText(std::string_view bytes, const SettingsRule& rule,
                                            const TextCase& textCase, std::size_t stretch) {
    switch (DetectEncoding(bytes)) {
        case TextEncoding::Utf16Le:
            return RewriteUtf16(bytes, rule, textCase, stretch);
        case TextEncoding::Utf8WithBom:
            return RewriteUtf8(bytes, kUtf8Bom, rule, textCase, stretch);
        case TextEncoding::Utf8:
            return RewriteUtf8(bytes, {}, rule, textCase, stretch);
        case TextEncoding::Ansi:
            break;
    }
    const bool doubleByte = std::any_of(textCase.ansi.leadsPair.begin(), textCase.ansi.leadsPair.end(),
                                        [](bool leads) { return leads; });
    const UpperInPlace<char> upper = [&](std::string& text) { UpperAnsiInPlace(text, textCase.ansi); };
    return RewriteInStretches(bytes, 0, 1, stretch, [&](std::string_view lines) {
        return StretchResult{RewriteLines<char>(lines, rule.ansi, upper, doubleByte), false};
    });
}

}  // namespace velmora
