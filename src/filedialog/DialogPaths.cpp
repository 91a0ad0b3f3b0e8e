#include "filedialog/DialogPaths.h"

#include "platform/PathParts.h"

namespace velmora {

std::wstring ExtensionPattern(const std::wstring& name) {
    const auto last = name.find_last_of(L"\\.");
    if (last == std::wstring::npos) return {};
    return L"*." + name.substr(last + 1);
}

std::wstring OpenDialogCaption(const std::wstring& WindowCaption, const std::wstring& DefaultFilename) {
    std::wstring caption = WindowCaption.empty() ? L"Open File" : WindowCaption;
    if (!DefaultFilename.empty()) caption += L"    (\"" + ExtensionPattern(DefaultFilename) + L"\")";
    return caption;
}

std::wstring LastPathPart(const std::wstring& path) {
    return path.find_first_of(L"\\/") == std::wstring::npos ? std::wstring() : FilePart(path);
}

std::wstring CutAtLastBackslash(const std::wstring& path) {
    const auto last = path.rfind(L'\\');
    return last == std::wstring::npos ? path : path.substr(0, last);
}

bool HasWildcard(const std::wstring& name) {
    return name.find_first_of(L"*?") != std::wstring::npos;
}

bool IsFullPath(const std::wstring& name) {
    if (name.size() < 2) return false;
    const wchar_t letter = name[0] | 0x20;  // an ASCII letter in lower case
    return name.starts_with(L"\\\\") || (name[1] == L':' && letter >= L'a' && letter <= L'z');
}

}  // namespace velmora
