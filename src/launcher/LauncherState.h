// What the launcher knows during one run: its command line, where Total Commander is,
// and which private settings files exist.
#pragma once

#include <string>

namespace velmora {

struct LauncherState {
    std::wstring CommandLine;           // the tail, trimmed; grows by the " /i=" and " /f=" options
    std::wstring TotalcmdExe;           // TcDir + "Totalcmd.exe"
    std::wstring WinCmdExe;             // TcDir + "WinCmd32.exe"
    std::wstring Totalcmd64Exe;         // TcDir + "TOTALCMD64.EXE", used when neither of the two exists
    std::wstring TcPath;                // the Total Commander directory as reported; "" when not found
    std::wstring TcDir;                 // TcPath with a trailing separator (else the program's directory)
    std::wstring TcDirPattern;          // TcDir, set on the launch path before the imports
    std::wstring WincmdIniPath;         // the private main settings file, or empty
    bool WincmdIniMayHoldTcDir = true;  // false when its last scan found the directory nowhere
    std::wstring FtpIniPath;            // the private FTP settings file, or empty
    bool FileImported = false;          // a settings file was copied into place during this run
};

}  // namespace velmora
