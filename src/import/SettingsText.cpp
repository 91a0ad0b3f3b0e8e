#include "import/SettingsText.h"

#include <algorithm>
#include <cstring>

#include "common/StringOps.h"
#include "common/Utf.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HoldsNonAscii(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::optional<std::string> RewriteUtf8(std::string_view bytes, const SettingsRule& rule,
                                       const TextCase& textCase) {
    const auto text = Utf8ToUtf16(bytes);
    if (!text) return std::nullopt;
    const auto rewritten = RewriteLines<char16_t>(*text, rule.unicode, textCase.unicode);
    return rewritten ? Utf16ToUtf8(*rewritten) : std::nullopt;
}

std::optional<std::string> RewriteUtf16(std::string_view bytes, const SettingsRule& rule,
                                        const TextCase& textCase) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    if (!IsWellFormedUtf16(text)) return std::nullopt;
    const auto rewritten = RewriteLines<char16_t>(text, rule.unicode, textCase.unicode);
    if (!rewritten) return std::nullopt;
    std::string result(rewritten->size() * 2, '\0');
    for (std::size_t i = 0; i < rewritten->size(); ++i) {
        result[2 * i] = static_cast<char>((*rewritten)[i] & 0xFF);
        result[2 * i + 1] = static_cast<char>((*rewritten)[i] >> 8);
    }
    return result;
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf16Bom)) return TextEncoding::Utf16Le;
    if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8WithBom;
    if (HoldsNonAscii(bytes) && Utf8ToUtf16(bytes)) return TextEncoding::Utf8;
    return TextEncoding::Ansi;
}

void UpperAnsiInPlace(std::string& text, const AnsiCase& ansiCase) {
    const auto isHigh = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
    for (auto at = text.begin(); at != text.end();) {
        // A stretch of ASCII at the fast pace: its letters have the same upper case in every
        // code page, and no double-byte character begins there.
        const auto high = std::find_if(at, text.end(), isHigh);
        UpperAsciiInPlace(&*at, static_cast<std::size_t>(high - at));
        if (high == text.end()) break;
        const auto byte = static_cast<unsigned char>(*high);
        if (ansiCase.leadsPair[byte]) {
            // Its trail byte is no letter either.
            at = high + 1 == text.end() ? text.end() : high + 2;
        } else {
            *high = static_cast<char>(ansiCase.upper[byte]);
            at = high + 1;
        }
    }
}

std::optional<std::string> RewriteSettingsText(std::string_view bytes, const SettingsRule& rule,
                                               const TextCase& textCase) {
    const auto withBom = [](std::string_view bom, std::optional<std::string> body) {
        return body ? std::optional(std::string(bom) + *body) : std::nullopt;
    };
    switch (DetectEncoding(bytes)) {
        case TextEncoding::Utf16Le:
            return withBom(kUtf16Bom, RewriteUtf16(bytes.substr(kUtf16Bom.size()), rule, textCase));
        case TextEncoding::Utf8WithBom:
            return withBom(kUtf8Bom, RewriteUtf8(bytes.substr(kUtf8Bom.size()), rule, textCase));
        case TextEncoding::Utf8:
            return RewriteUtf8(bytes, rule, textCase);
        case TextEncoding::Ansi:
            break;
    }
    const bool doubleByte = std::any_of(textCase.ansi.leadsPair.begin(), textCase.ansi.leadsPair.end(),
                                        [](bool leads) { return leads; });
    const UpperInPlace<char> upper = [&](std::string& text) { UpperAnsiInPlace(text, textCase.ansi); };
    return RewriteLines<char>(bytes, rule.ansi, upper, doubleByte);
}

}  // namespace velmora
