// The fake stick E:\ and runs of the launcher's core on it, wired as WinMain wires it, on
// the real Win32 platform. Total Commander is the stand-in, which records each start.
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

inline const std::string kMissing = "<missing>";   // the bytes of a file that is not there
inline const std::string kStandin = "<stand-in>";  // laid out as a copy of the stand-in
inline constexpr wchar_t kTc[] = L"E:\\TC";
inline constexpr wchar_t kTotalcmd[] = L"E:\\TC\\Totalcmd.exe";
inline constexpr wchar_t kWincmd[] = L"E:\\TC\\wincmd.ini";  // the user's settings
inline constexpr wchar_t kWcx[] = L"E:\\TC\\wcx_ftp.ini";
inline constexpr wchar_t kMain[] = L"E:\\TC\\TC_portable_wincmd.ini";  // the private ones
inline constexpr wchar_t kFtp[] = L"E:\\TC\\TC_portable_wcx_ftp.ini";

using Layout = std::vector<std::pair<std::wstring, std::string>>;
void Lay(const Layout& layout);
inline Layout With(Layout layout, const Layout& more) {
    layout.insert(layout.end(), more.begin(), more.end());
    return layout;
}
std::string FileBytes(const std::wstring& path);
std::map<std::wstring, std::string> Snapshot(const std::wstring& directory);

struct StandinStart {
    std::wstring commandLine, directory, exe;
};
// The stand-in's starts since ForgetStarts, once there are `count` (waits up to 10 s).
std::vector<StandinStart> Starts(std::size_t count);
void ForgetStarts();

// Sections, keys and values of an INI text, blank lines left out.
using IniContent = std::map<std::string, std::map<std::string, std::string>>;
IniContent ParseIni(const std::string& text);

std::wstring DesktopLink(bool setup);

// The file dialog answers itself: the name typed before Ok (Abbruch when empty); the
// captions of the dialogs it answered.
struct DialogScript {
    std::wstring choice;
    std::vector<std::wstring> captions;
};

class StickTest : public ::testing::Test {
protected:
    // An empty stick, no starts recorded, no desktop links, no settings in C:\Windows.
    void SetUp() override;
    void TearDown() override { SetUp(); }

    // Runs `act` as the program started from `programDirectory` with `tail`, on `files`.
    void Run(FileSystem& files, const std::function<void(Platform&, Files&)>& act,
             const std::wstring& tail = L"", const std::wstring& programDirectory = kTc);
    // A start; when it ends in the setup window, a click on the button with this handler.
    StartupOutcome Start(const std::wstring& tail = L"", const std::wstring& programDirectory = kTc,
                         FileSystem* files = nullptr, void (SetupWindowController::*click)() = nullptr);

    win32::Win32Machine machine;
    ScriptedUi ui;
    DialogScript dialog;
};

}  // namespace velmora::wine
