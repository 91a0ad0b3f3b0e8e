#include "platform/sim/SimShortNames.h"

#include "platform/sim/SimText.h"

namespace velmora::sim {
namespace {

// Characters a short name cannot hold; blanks and dots are dropped from the stem as well.
bool Unusable(wchar_t c) {
    return c == L' ' || c == L'.' || c == L'+' || c == L',' || c == L';' || c == L'=' || c == L'[' ||
           c == L']' || c > 0x7F;
}

std::wstring Usable(const std::wstring& text, std::size_t limit) {
    std::wstring kept;
    for (wchar_t c : text) {
        if (kept.size() == limit) break;
        if (!Unusable(c)) kept += FoldCase(c);
    }
    return kept;
}

bool FitsEightThree(const std::wstring& stem, const std::wstring& extension, bool hasDot) {
    if (stem.empty() || stem.size() > 8 || extension.size() > 3 || (hasDot && extension.empty()))
        return false;
    for (wchar_t c : stem + extension) {
        if (Unusable(c)) return false;
    }
    return true;
}

}  // namespace

std::wstring ShortNameOf(const std::wstring& name) {
    const auto dot = name.rfind(L'.');
    const bool hasDot = dot != std::wstring::npos && dot > 0;
    const std::wstring stem = hasDot ? name.substr(0, dot) : name;
    const std::wstring extension = hasDot ? name.substr(dot + 1) : std::wstring();
    if (FitsEightThree(stem, extension, hasDot)) return name;
    const std::wstring shortExtension = Usable(extension, 3);
    return Usable(stem, 6) + L"~1" + (shortExtension.empty() ? L"" : L"." + shortExtension);
}

}  // namespace velmora::sim
