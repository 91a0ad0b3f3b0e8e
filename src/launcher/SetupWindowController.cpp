#include "launcher/SetupWindowController.h"

#include "launcher/SetupWindowDesign.h"
#include "sysutil/FileAssociations.h"

namespace velmora {

AfterClick SetupWindowController::Click(int controlId, SetupView& view) {
    using namespace setup_design;
    switch (controlId) {
        case kCommand1:
            return AfterClick::EndProgram;
        case kCommand3:
            Command3_Click();
            break;
        case kPatchBtnBar:
            PatchBtnBar_Click();
            break;
        case kCommand4:
            Command4_Click();
            break;
        case kPicture1:
            Picture1_Click();
            break;
        case kLabel2:
            Label2_Click(view);
            break;
        default:
            break;
    }
    return AfterClick::StayOpen;
}

// Forced: the user asked for it, so existing private files are offered for replacement.
void SetupWindowController::Command3_Click() {
    imports_.ImportIni(true);
    imports_.ImportFTPIni(true);
}

void SetupWindowController::PatchBtnBar_Click() {
    imports_.ImportButtonBar(true);
}

void SetupWindowController::Command4_Click() {
    shortcuts_.CreateDesktopShortCut();
}

void SetupWindowController::Picture1_Click() {
    shortcuts_.CreateDesktopShortCut();
}

// The link disappears while the browser is being found and started, so that it cannot
// be clicked twice and the user sees that something happens.
void SetupWindowController::Label2_Click(SetupView& view) {
    view.ShowWebLink(false);
    OpenWebPage(platform_, webPage_);
    view.ShowWebLink(true);
}

}  // namespace velmora
