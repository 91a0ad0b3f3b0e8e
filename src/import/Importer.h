// Turns the user's Total Commander settings files into private copies beside Total
// Commander, with the Total Commander directory rewritten to "%COMMANDER_PATH%".
// The user's own files are only ever read.
#pragma once

#include <optional>
#include <string>

#include "filedialog/FileDialogs.h"
#include "launcher/LauncherState.h"
#include "platform/Platform.h"

namespace velmora {

inline constexpr wchar_t kCommanderPath[] = L"%COMMANDER_PATH%";

class Importer {
public:
    Importer(Platform& platform, LauncherState& state, FileDialogs& dialogs)
        : platform_(platform), state_(state), dialogs_(dialogs) {}

    // Makes sure `DestinationFile` exists: on a first start (or with `Force`) it offers the
    // source, the same name in the Windows directory, or a file to browse for, and copies
    // the chosen one, already rewritten, so that no copy with the old paths is ever in
    // place. Then rewrites every line of the private copy that holds
    // `FindSTr1` or `FindStr2` (case ignored) to `replacestring`.
    void CopyAndParseFile(const std::wstring& SourceFile, const std::wstring& DestinationFile,
                          const std::wstring& FindSTr1, const std::wstring& FindStr2,
                          const std::wstring& replacestring, bool Force = false);

    // wincmd.ini -> TC_portable_wincmd.ini; sets WincmdIniPath. Re-scans on every call.
    void ImportIni(bool Force = false);
    // wcx_ftp.ini -> TC_portable_wcx_ftp.ini; sets FtpIniPath. Runs only when missing or forced.
    void ImportFTPIni(bool Force = false);
    // A chosen .bar file (and its .br1 companion) -> TC_portable_Default.bar/.br1.
    void ImportButtonBar(bool Force = false);

private:
    std::wstring ChooseSource(const std::wstring& SourceFile, const std::wstring& DestinationFile);
    void RewritePrivateFile(const std::wstring& DestinationFile, const std::wstring& FindSTr1,
                            const std::wstring& FindStr2, const std::wstring& replacestring);
    // The content with the rule applied; nothing when it changes nothing.
    std::optional<std::string> Rewritten(const std::string& content, const std::wstring& FindSTr1,
                                         const std::wstring& FindStr2, const std::wstring& replacestring);
    void ImportInto(const std::wstring& sourceName, const std::wstring& privateName, bool Force);

    Platform& platform_;
    LauncherState& state_;
    FileDialogs& dialogs_;
};

}  // namespace velmora
