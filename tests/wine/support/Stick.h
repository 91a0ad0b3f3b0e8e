// The fake stick E:\ and one run of the launcher's core on it, wired as WinMain wires it,
// on the real Win32 platform. Total Commander is the stand-in, which records each start.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "filedialog/Files.h"
#include "launcher/SetupWindowController.h"
#include "launcher/StartupSequence.h"
#include "platform/win32/Win32Platform.h"
#include "support/ScriptedUi.h"

namespace velmora::wine {

inline const std::string kMissing = "<missing>";
inline constexpr wchar_t kTc[] = L"E:\\TC";
inline constexpr wchar_t kMain[] = L"E:\\TC\\TC_portable_wincmd.ini";
inline constexpr wchar_t kFtp[] = L"E:\\TC\\TC_portable_wcx_ftp.ini";

// One start of the stand-in, as it recorded it.
struct StandinStart {
    std::wstring commandLine;
    std::wstring directory;
    std::wstring exe;
};

// Files of a stick; the bytes kStandin lay the stand-in there.
inline const std::string kStandin = "<stand-in>";
using Layout = std::vector<std::pair<std::wstring, std::string>>;
void Lay(const Layout& layout);
inline Layout With(Layout layout, const Layout& more) {
    layout.insert(layout.end(), more.begin(), more.end());
    return layout;
}
void PutFile(const std::wstring& path, const std::string& bytes);
// The file's bytes, or kMissing.
std::string FileBytes(const std::wstring& path);
void PutStandin(const std::wstring& path);
// Every file under the directory (hidden ones too) with its bytes.
std::map<std::wstring, std::string> Snapshot(const std::wstring& directory);
// The stand-in's starts so far, once there are at least `count` (waits up to 10 s).
std::vector<StandinStart> Starts(std::size_t count);
void ForgetStarts();

// Sections, keys and values of an INI text; blank lines do not count, other lines
// without "=" count as keys without value.
using IniContent = std::map<std::string, std::map<std::string, std::string>>;
IniContent ParseIni(const std::string& text);

std::wstring Widen(const std::string& text);

// How the file dialog answers itself: the name typed before Ok is pressed (Abbruch when
// empty), and the captions of the dialogs it answered.
struct DialogScript {
    std::wstring choice;
    std::vector<std::wstring> captions;
};

class StickTest : public ::testing::Test {
protected:
    // An empty stick, no stand-in starts, no desktop links, no settings in C:\Windows.
    void SetUp() override;
    void TearDown() override;

    // Runs `act` on a Platform over `files` as started from `programDirectory` with `tail`;
    // the file dialog answers itself as `dialog` says.
    void Run(FileSystem& files, const std::function<void(Platform&, Files&)>& act,
             const std::wstring& tail = L"", const std::wstring& programDirectory = kTc);
    StartupOutcome Start(const std::wstring& tail = L"", const std::wstring& programDirectory = kTc,
                         FileSystem* files = nullptr);
    // A start with "/?", then a click on the setup window's button with that handler.
    void Click(void (SetupWindowController::*handler)(), FileSystem* files = nullptr);

    win32::Win32Machine machine;
    ScriptedUi ui;
    DialogScript dialog;
};

// The two links on the desktop folder, "" when that is missing.
std::wstring DesktopLink(bool setup);

}  // namespace velmora::wine
