#include "shortcut/DesktopShortcuts.h"

#include "common/CommandLine.h"
#include "common/Paths.h"
#include "common/StringOps.h"
#include "common/WorkingFile.h"

namespace velmora {

Message ShortcutQuestion() {
    return {L"Desktop Shortcut?", L"Create a Destkop-Shortcut?", MessageButtons::YesNo,
            MessageIcon::Question};
}

Message CommandLineQuestion(const std::wstring& programTitle, const std::wstring& tail) {
    return {programTitle, L"Add your Command-Line:\r\r" + tail + L"\r\rto the Shortcut?",
            MessageButtons::YesNo, MessageIcon::Question};
}

std::wstring ShortcutTarget(const std::wstring& programDirectory, const std::wstring& programName) {
    std::wstring target = programDirectory;
    if (!EndsInSeparator(target)) target += target.find(L'/') != std::wstring::npos ? L'/' : L'\\';
    return target + programName + L".exe";
}

bool IsSetupTail(const std::wstring& tail) {
    const std::wstring word = UpperAscii(TrimBlanks(tail));
    return word.empty() || word == L"/?" || IsSetupWord(word);
}

std::wstring GetDesktopFolder(Platform& platform) {
    return WithSeparator(TrimBlanks(platform.process.SpecialFolderPath(ProcessEnvironment::kDesktopFolder)));
}

void CreateDesktopLink(Platform& platform, const std::wstring& targetPath, const std::wstring& linkName,
                       const std::wstring& arguments) {
    const std::wstring folder = GetDesktopFolder(platform);
    if (folder.empty()) return;
    // Written complete under a working name first: a write cut short leaves no broken
    // shortcut on the desktop, and a shortcut of the same name is replaced in one step. A
    // link that cannot be made is left out; the other one is still made, nothing is said.
    static_cast<void>(ReplaceThroughWorkingFile(
        platform, folder + TrimBlanks(linkName) + L".lnk", [&](const std::wstring& working) {
            return platform.shell.CreateShortcut(working, TrimBlanks(targetPath), TrimBlanks(arguments));
        }));
}

void DesktopShortcutCreator::CreateDesktopShortCut() {
    if (platform_.ui.ShowMessage(ShortcutQuestion()) != MessageAnswer::Yes) return;
    ProcessEnvironment& process = platform_.process;
    const std::wstring target = ShortcutTarget(process.ProgramDirectory(), process.ProgramName());

    const std::wstring tail = CommandLineTailOf(process.CommandLine());
    std::wstring arguments;
    if (!IsSetupTail(tail) &&
        platform_.ui.ShowMessage(CommandLineQuestion(process.ProgramName(), tail)) == MessageAnswer::Yes) {
        arguments = tail;
    }

    // The questions' boxes have just closed: let the windows behind them repaint before
    // the shell works on the links.
    platform_.ui.ProcessPendingMessages();
    CreateDesktopLink(platform_, target, kMobileLinkName, arguments);
    platform_.ui.ProcessPendingMessages();
    CreateDesktopLink(platform_, target, kSetupLinkName, L"/?");
}

}  // namespace velmora
