#include "common/Utf.h"

#include <cstdint>

#include "common/StringOps.h"

namespace velmora {
namespace {

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Hands each code point of valid UTF-8 to `take`; false at the first byte that does not
// belong there (an overlong form, a surrogate, anything past U+10FFFF).
template <typename Take>
bool WalkUtf8(std::string_view bytes, Take take) {
    for (std::size_t i = 0; i < bytes.size();) {
        // Eight ASCII bytes at once, the common case of a settings file.
        std::uint64_t eight = kHighBits;
        if (i + kLanes<char> <= bytes.size()) eight = LoadWord(bytes.data() + i);
        if ((eight & kHighBits) == 0) {
            for (std::size_t k = 0; k < kLanes<char>; ++k)
                take(static_cast<char32_t>(bytes[i + k]));
            i += kLanes<char>;
            continue;
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            take(static_cast<char32_t>(lead));
            ++i;
            continue;
        }
        // The sequence's length, and the smallest code point it may carry (no overlong form).
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > bytes.size()) return false;
        char32_t code = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0x80, 0x800, 0x10000};  // for two, three and four bytes
        if (code < kSmallest[length - 2] || code > 0x10FFFF || IsHighSurrogate(code) || IsLowSurrogate(code))
            return false;
        take(code);
        i += length;
    }
    return true;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes) {
    // A stretch of a UTF-8 settings file is a megabyte: grown unit by unit instead, its
    // conversion takes dozens of times as long.
    std::u16string text;
    text.reserve(bytes.size());
    if (!WalkUtf8(bytes, [&text](char32_t code) { AppendUtf16(text, code); })) return std::nullopt;
    return text;
}

bool IsValidUtf8(std::string_view bytes) {
    return WalkUtf8(bytes, [](char32_t) {});
}

std::size_t FirstNonAscii(std::string_view bytes) {
    std::size_t i = 0;
    for (; i + kLanes<char> <= bytes.size(); i += kLanes<char>) {
        if (LoadWord(bytes.data() + i) & kHighBits) break;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) return i;
    }
    return std::string_view::npos;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());  // as above
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(code) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            return std::nullopt;
        }
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (code >> 18));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

bool IsWellFormedUtf16(std::u16string_view text) {
    // Four units at a time until the first that may be a surrogate (0xD800 to 0xDFFF).
    std::size_t start = 0;
    for (; start + kLanes<char16_t> <= text.size(); start += kLanes<char16_t>) {
        const std::uint64_t four = LoadWord(text.data() + start);
        if (HoldsZeroUnit((four & (0xF800 * kFourUnits)) ^ (0xD800 * kFourUnits))) break;
    }
    for (std::size_t i = start; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return false;
        }
    }
    return true;
}

std::u16string ToUtf16(std::wstring_view text) {
    // Where a wchar_t is a UTF-16 unit (Windows) it goes over as it is, being below
    // 0x10000; elsewhere it is a code point, and one above that becomes a surrogate pair.
    std::u16string result;
    for (const wchar_t c : text)
        AppendUtf16(result, static_cast<char32_t>(c));
    return result;
}

std::wstring FromUtf16(std::u16string_view text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
            result += static_cast<wchar_t>(text[i]);
        } else if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            result += static_cast<wchar_t>(0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            result += static_cast<wchar_t>(text[i]);
        }
    }
    return result;
}

}  // namespace velmora
