#include "launcher/LaunchCommand.h"

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
    std::wstring result = tail;
    if (!NamesOwnMainSettings(result) && !mainSettings.empty()) result += L" /i=" + QuotePath(mainSettings);
    if (!NamesOwnFtpSettings(result) && !ftpSettings.empty()) result += L" /f=" + QuotePath(ftpSettings);
    return result;
}

std::wstring LaunchCommandLine(const std::wstring& exe, const std::wstring& tail) {
    return TrimBlanks(QuotePath(exe) + L" " + tail);
}

}  // namespace velmora
