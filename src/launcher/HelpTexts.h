// The texts of the setup window, as the help branch fills them in (their words are in
// SetupWindowDesign.h), and the messages about a missing Total Commander.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

struct SetupWindowTexts {
    std::wstring caption;     // the window's caption
    std::wstring title;       // TitelLable
    std::wstring helpText;    // Label1
    std::wstring webAddress;  // Label2: the web page without its scheme
};

SetupWindowTexts MakeSetupWindowTexts();

// The web page, with its scheme, as the build sets it.
std::wstring WebPageAddress();
// The same without the scheme, as the link shows it.
std::wstring WebPageCaption();

// Shown when no Total Commander executable is beside the program or one level down.
Message TotalCommanderNotFound(const std::wstring& programName);
// Shown when the executable vanished before it could be started.
Message TotalCommanderMissingAtLaunch();

}  // namespace velmora
