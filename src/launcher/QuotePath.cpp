#include "launcher/QuotePath.h"

#include "common/StringOps.h"

namespace velmora {

std::wstring QuotePath(const std::wstring& path) {
    const std::wstring trimmed = TrimBlanks(path);
    if (trimmed.empty()) return path;
    if (trimmed.find(L' ') != std::wstring::npos && trimmed.find(L'"') == std::wstring::npos) {
        return L"\"" + trimmed + L"\"";
    }
    return trimmed;
}

}  // namespace velmora
