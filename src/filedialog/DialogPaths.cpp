#include "filedialog/DialogPaths.h"

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

bool HasWildcard(const std::wstring& name) {
    return name.find_first_of(L"*?") != std::wstring::npos;
}

}  // namespace velmora
