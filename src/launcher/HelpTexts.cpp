#include "launcher/HelpTexts.h"

#include "launcher/SetupWindowDesign.h"

#ifndef VELMORA_WEB_PAGE
#define VELMORA_WEB_PAGE L"https://velmora.example.org/"
#endif

namespace velmora {

std::wstring WebPageAddress() {
    return VELMORA_WEB_PAGE;
}

std::wstring WebPageCaption() {
    std::wstring address = WebPageAddress();
    const auto scheme = address.find(L"://");
    if (scheme != std::wstring::npos) address.erase(0, scheme + 3);
    return address;
}

SetupWindowTexts MakeSetupWindowTexts() {
    SetupWindowTexts texts;
    texts.title = setup_design::Title();
    texts.helpText = setup_design::kHelpText;
    texts.webAddress = WebPageCaption();
    texts.caption = setup_design::Caption();
    return texts;
}

Message TotalCommanderNotFound(const std::wstring& programName) {
    return {L"File not found!",
            L"Total Commander not found!\rRun the " + programName + L".exe in the TC directory.",
            MessageButtons::Ok, MessageIcon::Information};
}

Message TotalCommanderMissingAtLaunch() {
    return {L"File not found!", L"Total Commander not found!", MessageButtons::Ok, MessageIcon::Information};
}

}  // namespace velmora
