// The command line that starts Total Commander.
#pragma once

#include <string>

namespace velmora {

// The launcher's own tail followed by " /i=" and " /f=" naming the private settings
// files, each unless the tail already names the user's own (" /I=", " /F=", any case)
// or the private file is "" (it does not exist). A double quote the tail leaves open is
// closed before them.
std::wstring WithSettingsOptions(const std::wstring& tail, const std::wstring& mainSettings,
                                 const std::wstring& ftpSettings);

// True when the tail names the user's own main (" /I=") or FTP (" /F=") settings file.
bool NamesOwnMainSettings(const std::wstring& tail);
bool NamesOwnFtpSettings(const std::wstring& tail);

// The quoted executable and the tail, with no blank at either end.
std::wstring LaunchCommandLine(const std::wstring& exe, const std::wstring& tail);

}  // namespace velmora
