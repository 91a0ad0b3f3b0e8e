#include "launcher/LaunchCommand.h"

#include <algorithm>

#include "common/Paths.h"
#include "common/StringOps.h"

namespace velmora {

bool NamesOwnMainSettings(const std::wstring& tail) {
    return UpperAscii(tail).find(L" /I=") != std::wstring::npos;
}

bool NamesOwnFtpSettings(const std::wstring& tail) {
    return UpperAscii(tail).find(L" /F=") != std::wstring::npos;
}

std::wstring WithSettingsOptions(const std::wstring& tail, const std::wstring& mainSettings,
                                 const std::wstring& ftpSettings) {
    std::wstring options;
    if (!NamesOwnMainSettings(tail) && !mainSettings.empty()) options += L" /i=" + QuotePath(mainSettings);
    if (!NamesOwnFtpSettings(tail) && !ftpSettings.empty()) options += L" /f=" + QuotePath(ftpSettings);
    if (options.empty()) return tail;
    // Behind a double quote the tail leaves open, the options would reach Total Commander
    // as part of its last argument.
    const bool quoteOpen = std::count(tail.begin(), tail.end(), L'"') % 2 != 0;
    return tail + (quoteOpen ? L"\"" : L"") + options;
}

std::wstring LaunchCommandLine(const std::wstring& exe, const std::wstring& tail) {
    return TrimBlanks(QuotePath(exe) + L" " + tail);
}

}  // namespace velmora
