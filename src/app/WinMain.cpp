// velmora.exe: starts Total Commander with private settings files, or shows the setup window.
#include <windows.h>
// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

#include "filedialog/Files.h"
#include "filedialog/win32/Win32FileDialogWindow.h"
#include "launcher/SetupWindowController.h"
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
        // The program's own file selection window, for the imports' browse offers.
        velmora::win32::Win32FileDialogWindow dialogWindow(instance);
        velmora::Files dialogs(platform, dialogWindow);
        velmora::DesktopShortcutCreator shortcuts(platform);
        velmora::StartupSequence startup(platform, dialogs, shortcuts);

        if (startup.Run() == velmora::StartupOutcome::ShowSetupWindow) {
            // Only windows need the common controls; a launch must not pay for loading them.
            INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
            InitCommonControlsEx(&controls);
            velmora::SetupWindowController controller(platform, startup.Imports(), shortcuts);
            velmora::win32::SetupWindow window(controller);
            window.ShowModal(instance);
        }
        return 0;
    } catch (...) {
        // Nothing the launcher does is worth a crash dialog on a stranger's machine. A
        // window procedure's exception arrives here too, from the modal loop it ended.
        return 1;
    }
}
