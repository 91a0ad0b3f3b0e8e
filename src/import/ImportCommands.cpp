#include <algorithm>

#include "common/Steps.h"
#include "common/StringOps.h"
#include "common/TcFiles.h"
#include "import/FileCopyChecked.h"
#include "import/ImportMessages.h"
#include "import/Importer.h"
#include "ini/Ini.h"

namespace velmora {

CopyOutcome Importer::ImportInto(const ImportPlace& place, const std::wstring& sourceName,
                                 const std::wstring& privateName, bool Force) {
    return CopyAndParseFile(place.TcDir + sourceName, place.TcDir + privateName, place.TcPath,
                            place.TcDirPattern, tc_files::kCommanderPath, Force);
}

// An import that fails by an exception is abandoned; a private file that exists all the
// same is still named, so that Total Commander does not start on the computer's settings.
ImportResult Importer::ImportIni(const ImportPlace& place, bool Force) {
    CopyOutcome outcome;
    TryStep([&] { outcome = ImportInto(place, tc_files::kMainSource, tc_files::kMainSettings, Force); });
    const std::wstring privateFile = place.TcDir + tc_files::kMainSettings;
    if (platform_.files.FileExists(privateFile))
        return {privateFile, outcome.fileImported, outcome.mayHoldDirectory};
    platform_.ui.ShowMessage(import_messages::MainImportFailed());
    return {L"", outcome.fileImported};
}

ImportResult Importer::ImportFTPIni(const ImportPlace& place, bool Force) {
    const std::wstring privateFile = place.TcDir + tc_files::kFtpSettings;
    CopyOutcome outcome;
    if (!platform_.files.FileExists(privateFile) || Force) {
        TryStep([&] { outcome = ImportInto(place, tc_files::kFtpSource, tc_files::kFtpSettings, Force); });
    }
    if (platform_.files.FileExists(privateFile)) return {privateFile, outcome.fileImported};
    platform_.ui.SystemBeep();
    return {L"", outcome.fileImported};
}

void Importer::ImportButtonBar(const ImportPlace& place, const std::wstring& wincmdIniPath, bool Force) {
    FileSystem& files = platform_.files;
    const std::wstring chosen =
        chooser_.FileOpenDialog(files.CurrentDirectory(), import_messages::kButtonBarCaption, L"*.bar");
    if (chosen == L"*.bar" || TrimBlanks(chosen).empty() || !files.FileExists(chosen)) return;

    const std::wstring privateBar = place.TcDir + tc_files::kButtonBar;
    FileCopyChecked(platform_, chosen, privateBar, true);
    CopyAndParseFile(chosen, privateBar, place.TcPath, place.TcDirPattern, tc_files::kCommanderPath, Force);

    // The companion is the chosen name with its last four characters (".bar") replaced.
    const std::wstring companion =
        chosen.substr(0, chosen.size() - std::min<std::size_t>(chosen.size(), 4)) + L".br1";
    const std::wstring privateCompanion = place.TcDir + tc_files::kButtonBarCompanion;
    FileCopyChecked(platform_, companion, privateCompanion, true);

    if (!files.FileExists(privateCompanion)) {
        platform_.ui.ShowMessage(import_messages::ImportCancelled());
        return;
    }
    if (!wincmdIniPath.empty()) {
        WriteIniValue(platform_, tc_files::kButtonBarSection, tc_files::kButtonBarKey,
                      tc_files::kPrivateButtonBarEntry, wincmdIniPath, true);
    }
}

}  // namespace velmora
