#include "import/SettingsText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "common/StringOps.h"
#include "common/Utf.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Upper-cases the ASCII letters of four UTF-16 units at once; false (and nothing
// changed) when one of them is not ASCII.
bool UpperFourAsciiUnits(char16_t* units) {
    std::uint64_t four;
    std::memcpy(&four, units, 8);
    if (four & (0xFF80 * kFourUnits)) return false;
    four = UpperAsciiLanes(four, kFourUnits);
    std::memcpy(units, &four, 8);
    return true;
}

// The system's mapping, spared for text that is all ASCII, whose upper case is plain.
UpperInPlace<char16_t> UpperUnicode(const TextCase& textCase) {
    return [&textCase](std::u16string& text) {
        std::size_t i = 0;
        for (; i + 4 <= text.size(); i += 4) {
            if (!UpperFourAsciiUnits(text.data() + i)) return textCase.unicode(text);
        }
        for (; i < text.size(); ++i) {
            if (text[i] >= 0x80) return textCase.unicode(text);
            if (text[i] >= u'a' && text[i] <= u'z') text[i] = static_cast<char16_t>(text[i] - (u'a' - u'A'));
        }
    };
}

// The whole file, behind a byte-order mark `bom` (or none), which the new bytes keep.
std::optional<std::string> RewriteUtf8(std::string_view file, std::string_view bom, const SettingsRule& rule,
                                       const TextCase& textCase) {
    const auto text = Utf8ToUtf16(file.substr(bom.size()));
    if (!text) return std::nullopt;
    const auto rewritten = RewriteLines<char16_t>(*text, rule.unicode, UpperUnicode(textCase));
    auto result = rewritten ? Utf16ToUtf8(*rewritten) : std::nullopt;
    if (result) result->insert(0, bom);
    return result;
}

// The whole file, its byte-order mark included, which the new bytes keep.
std::optional<std::string> RewriteUtf16(std::string_view file, const SettingsRule& rule,
                                        const TextCase& textCase) {
    const std::string_view units = file.substr(kUtf16Bom.size());
    if (units.size() % 2 != 0) return std::nullopt;
    static_assert(std::endian::native == std::endian::little, "UTF-16LE units are copied as they are");
    // Copied, not converted: the bytes are the units. Neither copy is cleared first.
    const auto buffer = std::make_unique_for_overwrite<char16_t[]>(units.size() / 2);
    std::memcpy(buffer.get(), units.data(), units.size());
    const std::u16string_view text(buffer.get(), units.size() / 2);
    if (!IsWellFormedUtf16(text)) return std::nullopt;
    const auto rewritten = RewriteLines<char16_t>(text, rule.unicode, UpperUnicode(textCase));
    if (!rewritten) return std::nullopt;
    std::string result;
    result.reserve(kUtf16Bom.size() + rewritten->size() * 2);
    result.append(kUtf16Bom);
    result.append(reinterpret_cast<const char*>(rewritten->data()), rewritten->size() * 2);
    return result;
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

std::optional<std::string> RewriteSettingsText(std::string_view bytes, const SettingsRule& rule,
                                               const TextCase& textCase) {
    switch (DetectEncoding(bytes)) {
        case TextEncoding::Utf16Le:
            return RewriteUtf16(bytes, rule, textCase);
        case TextEncoding::Utf8WithBom:
            return RewriteUtf8(bytes, kUtf8Bom, rule, textCase);
        case TextEncoding::Utf8:
            return RewriteUtf8(bytes, {}, rule, textCase);
        case TextEncoding::Ansi:
            break;
    }
    const bool doubleByte = std::any_of(textCase.ansi.leadsPair.begin(), textCase.ansi.leadsPair.end(),
                                        [](bool leads) { return leads; });
    const UpperInPlace<char> upper = [&](std::string& text) { UpperAnsiInPlace(text, textCase.ansi); };
    return RewriteLines<char>(bytes, rule.ansi, upper, doubleByte);
}

}  // namespace velmora
