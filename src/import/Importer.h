// Turns the user's Total Commander settings files into private copies beside Total
// Commander, with the Total Commander directory rewritten to "%COMMANDER_PATH%".
// The user's own files are only ever read.
#pragma once

#include <optional>
#include <string>

#include "import/FileChooser.h"
#include "import/SettingsText.h"
#include "platform/Platform.h"

namespace velmora {

// Where the imports work: the Total Commander directory as the launcher found it.
struct ImportPlace {
    std::wstring TcDir;         // with a trailing separator; the private files' names follow it
    std::wstring TcPath;        // the first search string of the rewrite
    std::wstring TcDirPattern;  // the second search string; may be empty
};

// What the copy and rewrite of one file did.
struct CopyOutcome {
    bool fileImported = false;     // a copy into place was made or tried
    bool mayHoldDirectory = true;  // false when the private copy as it stands names the directory nowhere
};

// What an import of a settings file leaves.
struct ImportResult {
    std::wstring privateFile;  // its full path, or "" when it does not exist
    bool fileImported = false;
    bool mayHoldDirectory = true;
};

class Importer {
public:
    Importer(Platform& platform, FileChooser& chooser) : platform_(platform), chooser_(chooser) {}

    // Makes sure `DestinationFile` exists: on a first start (or with `Force`) it offers the
    // source, the same name in the Windows directory, or a file to browse for, and copies
    // the chosen one, already rewritten, so that no copy with the old paths is ever in
    // place; when no file is chosen it makes the file empty, when the chosen one cannot be
    // copied it makes none. A private copy that was not placed so is scanned instead.
    // Either way the content is scanned once, and every line that holds `FindSTr1` or
    // `FindStr2` (case ignored) is rewritten to `replacestring`.
    CopyOutcome CopyAndParseFile(const std::wstring& SourceFile, const std::wstring& DestinationFile,
                                 const std::wstring& FindSTr1, const std::wstring& FindStr2,
                                 const std::wstring& replacestring, bool Force = false);

    // wincmd.ini -> TC_portable_wincmd.ini. Re-scans on every call.
    ImportResult ImportIni(const ImportPlace& place, bool Force = false);
    // wcx_ftp.ini -> TC_portable_wcx_ftp.ini. Runs only when missing or forced.
    ImportResult ImportFTPIni(const ImportPlace& place, bool Force = false);
    // A chosen .bar file (and its .br1 companion) -> TC_portable_Default.bar/.br1; the
    // private main settings file `wincmdIniPath`, when given, is pointed at the bar.
    void ImportButtonBar(const ImportPlace& place, const std::wstring& wincmdIniPath, bool Force = false);

private:
    std::wstring ChooseSource(const std::wstring& SourceFile, const std::wstring& DestinationFile);
    // False when the file as it stands, rewritten, holds neither search string.
    bool RewritePrivateFile(const std::wstring& DestinationFile, const std::wstring& FindSTr1,
                            const std::wstring& FindStr2, const std::wstring& replacestring);
    // True when the file holds a search string (or cannot be read).
    bool HoldsDirectory(const std::wstring& DestinationFile, const std::wstring& FindSTr1,
                        const std::wstring& FindStr2);
    // The content with the rule applied; nothing when it changes nothing.
    std::optional<NewBytes> Rewritten(std::string_view content, const std::wstring& FindSTr1,
                                      const std::wstring& FindStr2, const std::wstring& replacestring);
    CopyOutcome ImportInto(const ImportPlace& place, const std::wstring& sourceName,
                           const std::wstring& privateName, bool Force);

    Platform& platform_;
    FileChooser& chooser_;
    std::optional<TextCase> textCase_;  // the system's upper case, looked up on the first rewrite
};

}  // namespace velmora
