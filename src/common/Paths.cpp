#include "common/Paths.h"

#include "common/StringOps.h"

namespace velmora {

std::wstring PathWithSeparator(const std::wstring& path) {
    std::wstring p = path;
    std::wstring suffix;
    if (!p.empty() && p.back() == L'"') {
        suffix = L"\"";
        p.pop_back();
    }
    const auto appendIfMissing = [&p](wchar_t separator) {
        if (p.empty() || p.back() != separator) p += separator;
    };
    if (p.find(L'\\') != std::wstring::npos) {
        appendIfMissing(L'\\');
    } else if (p.find(L'/') != std::wstring::npos) {
        appendIfMissing(L'/');
    }
    return p + suffix;
}

std::wstring EndingInBackslash(const std::wstring& text) {
    return text.ends_with(L'\\') ? text : text + L'\\';
}

std::optional<wchar_t> DriveLetterOf(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':') return std::nullopt;
    return path[0];
}

std::wstring QuotePath(const std::wstring& path) {
    const std::wstring trimmed = TrimBlanks(path);
    if (trimmed.empty()) return path;
    if (trimmed.find(L' ') != std::wstring::npos && trimmed.find(L'"') == std::wstring::npos) {
        return L"\"" + trimmed + L"\"";
    }
    return trimmed;
}

}  // namespace velmora
