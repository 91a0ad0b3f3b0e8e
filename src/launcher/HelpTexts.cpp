#include "launcher/HelpTexts.h"

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
    texts.title = std::wstring(L"Velmora - TC-Mobile Launcher (V.") + kVersion + L")";
    texts.helpText =
        L"Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r"
        L"..for more infos: check the Web-page";
    texts.webAddress = WebPageCaption();
    texts.caption = std::wstring(kDesignCaption) + L"  V." + kVersion;
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
