// Conversions between UTF-8, UTF-16 and the program's wide strings, with no system call:
// the settings files' text is compared as UTF-16, and valid UTF-8 converts both ways
// without losing or changing a byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The UTF-16 text of valid UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF);
// nothing when the bytes are not valid UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);
// True when the bytes are valid UTF-8, as Utf8ToUtf16 takes it; nothing is converted.
bool IsValidUtf8(std::string_view bytes);
// Where the first byte that is not ASCII stands, eight bytes looked at a time; npos when
// there is none.
std::size_t FirstNonAscii(std::string_view bytes);
// The UTF-8 bytes of UTF-16 text; nothing when it holds an unpaired surrogate.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);
// True when every surrogate of the text is paired.
bool IsWellFormedUtf16(std::u16string_view text);

// Four UTF-16 units packed into one integer (as memcpy reads them): `kFourUnits * u`
// holds the unit u four times, and HoldsZeroUnit tells whether one of the four is zero.
inline constexpr std::uint64_t kFourUnits = 0x0001000100010001ull;
constexpr bool HoldsZeroUnit(std::uint64_t units) {
    return ((units - kFourUnits) & ~units & (0x8000 * kFourUnits)) != 0;
}

// A wide string as UTF-16 and back (wchar_t is UTF-16 on Windows and UTF-32 elsewhere).
std::u16string ToUtf16(std::wstring_view text);
std::wstring FromUtf16(std::u16string_view text);

}  // namespace velmora
