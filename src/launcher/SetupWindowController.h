// What the setup window's controls do. The Win32 view only reports clicks by control id
// and shows or hides the web page link when told; every decision is made here, on the
// launcher state that the start-up sequence left behind.
#pragma once

#include <string>

#include "launcher/HelpTexts.h"
#include "launcher/LauncherImports.h"
#include "platform/Platform.h"
#include "shortcut/DesktopShortcuts.h"

namespace velmora {

// The part of the window the controller changes while a click is handled.
class SetupView {
public:
    virtual ~SetupView() = default;
    virtual void ShowWebLink(bool visible) = 0;
};

enum class AfterClick { StayOpen, EndProgram };

class SetupWindowController {
public:
    SetupWindowController(Platform& platform, LauncherImports& imports, DesktopShortcuts& shortcuts,
                          std::wstring webPageAddress = WebPageAddress())
        : platform_(platform),
          imports_(imports),
          shortcuts_(shortcuts),
          webPage_(std::move(webPageAddress)) {}

    SetupWindowTexts Texts() const { return MakeSetupWindowTexts(); }

    // The click handler of the control with this id (see SetupWindowDesign.h); an
    // unknown id does nothing.
    AfterClick Click(int controlId, SetupView& view);

    void Command3_Click();
    void PatchBtnBar_Click();
    void Command4_Click();
    void Picture1_Click();
    void Label2_Click(SetupView& view);

private:
    Platform& platform_;
    LauncherImports& imports_;
    DesktopShortcuts& shortcuts_;
    std::wstring webPage_;
};

}  // namespace velmora
