// The import commands as the launcher runs them: each import returns what it made, and
// this keeps it in the launcher record, where the launch and a later button-bar import
// read it.
#pragma once

#include "import/Importer.h"
#include "launcher/LauncherState.h"

namespace velmora {

class LauncherImports {
public:
    LauncherImports(LauncherState& state, Importer& importer) : state_(state), importer_(importer) {}

    void ImportIni(bool Force);
    void ImportFTPIni(bool Force);
    void ImportButtonBar(bool Force);

private:
    ImportPlace Place() const { return {state_.TcDir, state_.TcPath, state_.TcDirPattern}; }

    LauncherState& state_;
    Importer& importer_;
};

}  // namespace velmora
