#include "platform/sim/SimText.h"

namespace velmora::sim {

wchar_t FoldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') {
        return static_cast<wchar_t>(c - (L'a' - L'A'));
    }
    // Latin-1 lower-case letters sit 0x20 above their capitals; 0xF7 is the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c == 0xFF) {
        return static_cast<wchar_t>(0x178);
    }
    return c;
}

std::wstring FoldCase(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool MatchesPattern(std::wstring_view name, std::wstring_view pattern) {
    if (pattern == L"*.*" || pattern == L"*") return true;
    size_t n = 0, p = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

}  // namespace velmora::sim
