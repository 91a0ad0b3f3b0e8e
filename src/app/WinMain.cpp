// velmora.exe: starts Total Commander with private settings files, or shows the setup window.
#include <windows.h>
// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

#include "filedialog/FileDialogs.h"
#include "launcher/HelpTexts.h"
#include "launcher/StartupSequence.h"
#include "launcher/win32/SetupWindow.h"
#include "platform/win32/Win32Platform.h"
#include "shortcut/DesktopShortcuts.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        // A drive without a medium must not bring up the system's "insert a disk" box.
        SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

        velmora::win32::Win32Machine machine;
        velmora::Platform platform = machine.AsPlatform();
        velmora::NothingChosenFileDialogs dialogs;
        velmora::NoDesktopShortcuts shortcuts;
        velmora::StartupSequence startup(platform, dialogs, shortcuts);

        if (startup.Run() == velmora::StartupOutcome::ShowSetupWindow) {
            // Only windows need the common controls; a launch must not pay for loading them.
            INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
            InitCommonControlsEx(&controls);
            velmora::win32::SetupWindow window(velmora::MakeSetupWindowTexts());
            window.ShowModal(instance);
        }
        return 0;
    } catch (...) {
        // Nothing the launcher does is worth a crash dialog on a stranger's machine.
        return 1;
    }
}
