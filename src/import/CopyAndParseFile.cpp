#include "common/Paths.h"
#include "common/StringOps.h"
#include "common/Utf.h"
#include "common/WorkingFile.h"
#include "import/ConfigRewrite.h"
#include "import/FileCopyChecked.h"
#include "import/ImportMessages.h"
#include "import/Importer.h"
#include "ini/Ini.h"

namespace velmora {
namespace {

bool DialogCancelled(const std::wstring& chosen) {
    const std::wstring trimmed = TrimBlanks(chosen);
    return trimmed.empty() || chosen == L"*.*";
}

// The search text as it stands in an ANSI file; a path with characters the code page
// cannot hold can never occur there, so it searches for nothing.
std::string AnsiSearchText(AnsiCodePage& codePage, const std::wstring& text) {
    return codePage.Encode(text).value_or(std::string());
}

}  // namespace

CopyOutcome Importer::CopyAndParseFile(const std::wstring& SourceFile, const std::wstring& DestinationFile,
                                       const std::wstring& FindSTr1, const std::wstring& FindStr2,
                                       const std::wstring& replacestring, bool Force) {
    FileSystem& files = platform_.files;
    if (EqualsIgnoringCase(SourceFile, DestinationFile)) {
        platform_.ui.ShowMessage(import_messages::SameFile(SourceFile));
        return {};
    }
    CopyOutcome outcome;
    bool copyPlaced = false;

    if (!files.FileExists(DestinationFile) || Force) {
        const std::wstring chosen = ChooseSource(SourceFile, DestinationFile);
        if (!TrimBlanks(chosen).empty() && files.FileExists(chosen) &&
            (!files.FileExists(DestinationFile) || Force)) {
            if (const auto content = files.ReadFileBytes(chosen)) {
                if (const auto rewritten = Rewritten(*content, FindSTr1, FindStr2, replacestring)) {
                    copyPlaced = PutInPlace(platform_, DestinationFile, *rewritten);
                    outcome.mayHoldDirectory = HoldsDirectory(DestinationFile, FindSTr1, FindStr2);
                } else {
                    copyPlaced = PutInPlace(platform_, DestinationFile, *content);
                    outcome.mayHoldDirectory = false;  // the content names the directory nowhere
                }
            }
            outcome.fileImported = true;
        }
        // Nothing chosen, Total Commander starts on empty private settings. A copy that did
        // not arrive leaves no file that would pass for an import: the next start asks again.
        if (!outcome.fileImported && !files.FileExists(DestinationFile))
            CreateEmptyFile(platform_, DestinationFile);
    }

    // A copy placed just now was rewritten on its way: scanning it again would rewrite what
    // the rule leaves. Whatever stands there otherwise is scanned as on a later start.
    if (!copyPlaced)
        outcome.mayHoldDirectory = RewritePrivateFile(DestinationFile, FindSTr1, FindStr2, replacestring);
    return outcome;
}

std::wstring Importer::ChooseSource(const std::wstring& SourceFile, const std::wstring& DestinationFile) {
    FileSystem& files = platform_.files;
    UserInterface& ui = platform_.ui;
    const std::wstring sourceName = GetFileNameFromPath(SourceFile);

    if (files.FileExists(SourceFile) &&
        ui.ShowMessage(import_messages::ImportFromCurrentDirectory(
            sourceName, GetFileNameFromPath(DestinationFile))) == MessageAnswer::Yes) {
        return SourceFile;
    }

    // The Windows directory is taken to be \Windows on the desktop folder's drive.
    const std::wstring desktop = GetSpecialFolderPath(platform_, ProcessEnvironment::kDesktopFolder);
    const std::wstring candidate = desktop.substr(0, 1) + L":\\Windows\\" + sourceName;
    if (files.FileExists(candidate) &&
        ui.ShowMessage(import_messages::ImportFromWindowsDirectory(candidate)) == MessageAnswer::Yes &&
        files.FileExists(candidate)) {
        return candidate;
    }

    if (ui.ShowMessage(import_messages::BrowseForFile(sourceName, DestinationFile)) == MessageAnswer::Yes) {
        const std::wstring chosen = chooser_.FileOpenDialog(
            files.CurrentDirectory(), import_messages::BrowseCaption(sourceName), L"*.*");
        if (!DialogCancelled(chosen)) return chosen;
    }
    return {};
}

bool Importer::RewritePrivateFile(const std::wstring& DestinationFile, const std::wstring& FindSTr1,
                                  const std::wstring& FindStr2, const std::wstring& replacestring) {
    FileSystem& files = platform_.files;
    std::optional<NewBytes> rewritten;
    {
        // Mapped, not read: a later start scans a large file without copying it, and the
        // view is gone before the file is replaced. A file that is there but cannot be
        // viewed may still name the directory; one that is not there names nothing.
        const auto view = files.ViewFile(DestinationFile);
        if (!view) return files.FileExists(DestinationFile);
        rewritten = Rewritten(view->Bytes(), FindSTr1, FindStr2, replacestring);
    }
    if (!rewritten) return false;
    // A rewrite that cannot be put in place leaves the old file, which names the directory
    // and which the next start rewrites.
    if (!PutInPlace(platform_, DestinationFile, *rewritten)) return true;
    rewritten.reset();
    return HoldsDirectory(DestinationFile, FindSTr1, FindStr2);
}

bool Importer::HoldsDirectory(const std::wstring& DestinationFile, const std::wstring& FindSTr1,
                              const std::wstring& FindStr2) {
    // The rule leaves an occurrence right after a replaced one. Only searched for, in the
    // mapped file: nothing is rewritten twice.
    const auto view = platform_.files.ViewFile(DestinationFile);
    return !view || Rewritten(view->Bytes(), FindSTr1, FindStr2, L"").has_value();
}

std::optional<NewBytes> Importer::Rewritten(std::string_view content, const std::wstring& FindSTr1,
                                            const std::wstring& FindStr2, const std::wstring& replacestring) {
    AnsiCodePage& codePage = platform_.codePage;
    if (!textCase_) {
        textCase_ =
            TextCase{codePage.Case(), [&codePage](std::u16string& text) { codePage.UpperUtf16(text); }};
    }
    SettingsRule rule{{ToUtf16(FindSTr1), ToUtf16(FindStr2), ToUtf16(replacestring)}, {}};
    if (const auto replacement = codePage.Encode(replacestring)) {
        rule.ansi = {AnsiSearchText(codePage, FindSTr1), AnsiSearchText(codePage, FindStr2), *replacement};
    }
    return RewriteSettingsText(content, rule, *textCase_);
}

}  // namespace velmora
