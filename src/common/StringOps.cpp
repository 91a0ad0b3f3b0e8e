#include "common/StringOps.h"

#include <algorithm>
#include <cstdint>

namespace velmora {
namespace {

wchar_t UpperChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

char UpperByte(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::wstring TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    const auto last = text.find_last_not_of(L' ');
    return std::wstring(text.substr(first, last - first + 1));
}

void UpperAsciiInPlace(std::string& text) {
    UpperAsciiInPlace(text.data(), text.size());
}

void UpperAsciiInPlace(char* text, std::size_t size) {
    size_t i = 0;
    for (; i + kLanes<char> <= size; i += kLanes<char>)
        StoreWord(text + i, UpperAsciiLanes(LoadWord(text + i), kEightBytes));
    for (; i < size; ++i) {
        text[i] = UpperByte(text[i]);
    }
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    UpperAsciiInPlace(result);
    return result;
}

std::wstring UpperAscii(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        c = UpperChar(c);
    return result;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return UpperChar(x) == UpperChar(y);
           });
}

bool LessIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return UpperChar(x) < UpperChar(y); });
}

}  // namespace velmora
