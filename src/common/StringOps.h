// Small string routines shared by the whole program. Upper case means ASCII upper case:
// letters outside ASCII are compared as they are, which is safe for every ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velmora {

std::wstring TrimBlanks(std::wstring_view text);

// The word the fast loops take their lanes from: eight bytes at any address, read or
// written at once, which hold kLanes<char> bytes or kLanes<char16_t> UTF-16 units.
inline std::uint64_t LoadWord(const void* from) {
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    return word;
}
inline void StoreWord(void* to, std::uint64_t word) {
    std::memcpy(to, &word, sizeof word);
}
template <typename Char>
inline constexpr std::size_t kLanes = sizeof(std::uint64_t) / sizeof(Char);

// Upper-cases the ASCII letters among the lanes of a word at once: eight bytes (`ones` is
// kEightBytes) or four UTF-16 units (kFourUnits). Settings files are upper-cased whole, so
// this is the launcher's hottest loop.
inline constexpr std::uint64_t kEightBytes = 0x0101010101010101ull;
constexpr std::uint64_t UpperAsciiLanes(std::uint64_t lanes, std::uint64_t ones) {
    // Each lane's low seven bits are offset so that bit 7 tells "at least 'a'" and "above
    // 'z'"; a lane with bit 7 set is no ASCII letter.
    const std::uint64_t low7 = lanes & (0x7F * ones);
    const std::uint64_t atLeastA = low7 + (0x80 - 'a') * ones;
    const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * ones;
    const std::uint64_t lowerCase = atLeastA & ~aboveZ & ~lanes & (0x80 * ones);
    return lanes ^ (lowerCase >> 2);  // 0x80 >> 2 is the case bit 0x20
}

std::string UpperAscii(std::string_view text);
void UpperAsciiInPlace(std::string& text);
void UpperAsciiInPlace(char* text, std::size_t size);
std::wstring UpperAscii(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
// Ordering of file names as a directory list shows them: by name, regardless of case.
bool LessIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace velmora
