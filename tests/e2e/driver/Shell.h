// The shell as the tests see it: the desktop folder, shortcut files read back through
// the shell's own link object, and registry files imported with regedit.
#pragma once

#include <optional>
#include <string>

namespace velmora::e2e {

// The desktop folder of this Wine prefix, without a trailing backslash.
std::wstring DesktopFolder();

struct ShortcutContents {
    std::wstring target;
    std::wstring arguments;
};

// What the .lnk file starts, as IShellLinkW reports it; nothing when it cannot be loaded.
std::optional<ShortcutContents> ReadShortcut(const std::wstring& linkFile);

// Imports a REGEDIT4 file with "regedit /S" and waits for it. Throws when it fails.
void ImportRegistryFile(const std::wstring& regFile);

}  // namespace velmora::e2e
