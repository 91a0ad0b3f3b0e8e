#include "common/StringOps.h"

#include <algorithm>

namespace velmora {
namespace {

template <typename Char>
Char UpperChar(Char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 'a' + 'A') : c;
}

template <typename Char>
std::basic_string<Char> Upper(std::basic_string_view<Char> text) {
    std::basic_string<Char> result(text);
    for (Char& c : result)
        c = UpperChar(c);
    return result;
}

}  // namespace

std::wstring TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos)
        return {};
    const auto last = text.find_last_not_of(L' ');
    return std::wstring(text.substr(first, last - first + 1));
}

std::string UpperAscii(std::string_view text) {
    return Upper(text);
}
std::wstring UpperAscii(std::wstring_view text) {
    return Upper(text);
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return UpperChar(x) == UpperChar(y);
           });
}

bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part) {
    return UpperAscii(text).find(UpperAscii(part)) != std::wstring::npos;
}

bool LessIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return UpperChar(x) < UpperChar(y); });
}

}  // namespace velmora
