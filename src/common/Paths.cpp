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

std::wstring WithSeparator(const std::wstring& directory) {
    return directory.empty() ? directory : DirectoryPrefix(directory);
}

std::wstring DirectoryPrefix(const std::wstring& directory) {
    if (!directory.empty() && directory.back() == L'\\') return directory;
    return directory + L'\\';
}

std::wstring GetFileNameFromPath(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring LastPathPart(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(separator + 1);
}

std::wstring CutAtLastBackslash(const std::wstring& path) {
    const auto last = path.rfind(L'\\');
    return last == std::wstring::npos ? path : path.substr(0, last);
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
