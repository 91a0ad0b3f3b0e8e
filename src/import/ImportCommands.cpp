#include "common/StringOps.h"
#include "import/FileRoutines.h"
#include "import/ImportMessages.h"
#include "import/Importer.h"
#include "ini/Ini.h"
#include "launcher/PrivateFiles.h"

namespace velmora {

void Importer::ImportInto(const std::wstring& sourceName, const std::wstring& privateName, bool Force) {
    CopyAndParseFile(state_.TcDir + sourceName, state_.TcDir + privateName, state_.TcPath,
                     state_.TcDirPattern, kCommanderPath, Force);
}

void Importer::ImportIni(bool Force) {
    ImportInto(private_files::kMainSource, private_files::kMainSettings, Force);
    const std::wstring privateFile = state_.TcDir + private_files::kMainSettings;
    if (platform_.files.FileExists(privateFile)) {
        state_.WincmdIniPath = privateFile;
    } else {
        platform_.ui.ShowMessage(import_messages::MainImportFailed());
        state_.WincmdIniPath.clear();
    }
}

void Importer::ImportFTPIni(bool Force) {
    const std::wstring privateFile = state_.TcDir + private_files::kFtpSettings;
    if (!platform_.files.FileExists(privateFile) || Force) {
        ImportInto(private_files::kFtpSource, private_files::kFtpSettings, Force);
    }
    if (platform_.files.FileExists(privateFile)) {
        state_.FtpIniPath = privateFile;
    } else {
        platform_.ui.SystemBeep();
        state_.FtpIniPath.clear();
    }
}

void Importer::ImportButtonBar(bool Force) {
    FileSystem& files = platform_.files;
    const std::wstring chosen =
        dialogs_.FileOpenDialog(files.CurrentDirectory(), import_messages::kButtonBarCaption, L"*.bar");
    if (chosen == L"*.bar" || TrimBlanks(chosen).empty() || !files.FileExists(chosen)) return;

    const std::wstring privateBar = state_.TcDir + private_files::kButtonBar;
    FileCopyChecked(platform_, chosen, privateBar, true);
    CopyAndParseFile(chosen, privateBar, state_.TcPath, state_.TcDirPattern, kCommanderPath, Force);

    // The companion is the chosen name with its last four characters (".bar") replaced.
    const std::wstring companion = chosen.substr(0, chosen.size() >= 4 ? chosen.size() - 4 : 0) + L".br1";
    const std::wstring privateCompanion = state_.TcDir + private_files::kButtonBarCompanion;
    FileCopyChecked(platform_, companion, privateCompanion, true);

    if (!files.FileExists(privateCompanion)) {
        platform_.ui.ShowMessage(import_messages::ImportCancelled());
        return;
    }
    if (!state_.WincmdIniPath.empty()) {
        WriteIniValue(platform_, private_files::kButtonBarSection, private_files::kButtonBarKey,
                      private_files::kPrivateButtonBarEntry, state_.WincmdIniPath, true);
    }
}

}  // namespace velmora
