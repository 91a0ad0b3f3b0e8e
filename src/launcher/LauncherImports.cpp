#include "launcher/LauncherImports.h"

namespace velmora {

void LauncherImports::ImportIni(bool Force) {
    const ImportResult result = importer_.ImportIni(Place(), Force);
    state_.WincmdIniPath = result.privateFile;
    state_.WincmdIniMayHoldTcDir = result.mayHoldDirectory;
    state_.FileImported = state_.FileImported || result.fileImported;
}

void LauncherImports::ImportFTPIni(bool Force) {
    const ImportResult result = importer_.ImportFTPIni(Place(), Force);
    state_.FtpIniPath = result.privateFile;
    state_.FileImported = state_.FileImported || result.fileImported;
}

void LauncherImports::ImportButtonBar(bool Force) {
    importer_.ImportButtonBar(Place(), state_.WincmdIniPath, Force);
}

}  // namespace velmora
