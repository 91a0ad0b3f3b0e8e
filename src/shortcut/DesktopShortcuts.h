// The two desktop shortcuts that start the launcher: plainly, and with "/?" for the
// setup window.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

inline constexpr wchar_t kMobileLinkName[] = L"Total Commander (mobile)";
inline constexpr wchar_t kSetupLinkName[] = L"Total Commander (mobile - Setup)";

// The offer to put shortcuts to the launcher on the desktop, as the start-up sequence
// and the setup window see it.
class DesktopShortcuts {
public:
    virtual ~DesktopShortcuts() = default;
    virtual void CreateDesktopShortCut() = 0;
};

// Asks, then writes both shortcuts into the desktop folder. Tells the user nothing
// afterwards, whether the shortcuts were made or not.
class DesktopShortcutCreator final : public DesktopShortcuts {
public:
    explicit DesktopShortcutCreator(Platform& platform) : platform_(platform) {}
    void CreateDesktopShortCut() override;

private:
    Platform& platform_;
};

// The launcher's own executable, by the name it has now: its directory, a separator
// unless the directory ends in one ("/" when the directory uses "/"), the name, ".exe".
std::wstring ShortcutTarget(const std::wstring& programDirectory, const std::wstring& programName);

// True when the command line, trimmed and in upper case, is empty or a setup switch:
// such a tail is not worth offering for the first shortcut.
bool IsSetupTail(const std::wstring& tail);

// The desktop folder with a trailing "\", or "" when it cannot be found.
std::wstring GetDesktopFolder(Platform& platform);

// Writes "<link name>.lnk" into the desktop folder; nothing when there is no desktop.
void CreateDesktopLink(Platform& platform, const std::wstring& targetPath, const std::wstring& linkName,
                       const std::wstring& arguments);

Message ShortcutQuestion();
Message CommandLineQuestion(const std::wstring& programTitle, const std::wstring& tail);

}  // namespace velmora
