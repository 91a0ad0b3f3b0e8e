// Later starts: the private settings files exist, so the launcher asks nothing, shows
// no window and starts Total Commander at once.
#include <windows.h>

#include <ostream>

#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

constexpr char kPrivateWincmdIni[] =
    "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n\r\n[Layout]\r\n";
constexpr char kPrivateFtpIni[] = "[Home]\r\nlocaldir=%COMMANDER_PATH%\\Download\r\n";

class LaterStartTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
        stick_.AddFile(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\user.exe\r\n");
        stick_.AddFile(L"TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\user\r\n");
    }

    void ExpectSilentLaunch() {
        Start(velmora_, L"", L"E:\\TC");
        ExpectEndWithoutWindow();
        const Launch launch = ExpectOneLaunch();
        EXPECT_EQ(
            launch.commandLine,
            L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini");
        EXPECT_EQ(launch.currentDirectory, L"E:\\TC");
        EXPECT_EQ(launch.executable, L"E:\\TC\\Totalcmd.exe");
        EXPECT_FALSE(stick_.Exists(L"TC\\TC_portable_wincmd.ini_temp2.txt"));
    }

    std::wstring velmora_;
};

TEST_F(LaterStartTest, StartsTotalCommanderWithoutAnyWindowAndLeavesCleanFilesAlone) {
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", kPrivateWincmdIni);
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", kPrivateFtpIni);
    ExpectSilentLaunch();
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"), kPrivateWincmdIni);
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), kPrivateFtpIni);
}

TEST_F(LaterStartTest, RewritesTheDirectoryThatCreptIntoTheMainSettingsOnly) {
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini",
                   "[Configuration]\r\nEditor=E:\\TC\\crept.exe\r\nKeep=1\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
    ExpectSilentLaunch();
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\crept.exe\r\nKeep=1\r\n");
    // An existing private FTP file is not scanned on start-up.
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wcx_ftp.ini"), "[Home]\r\nlocaldir=E:\\TC\\Download\r\n");
}

TEST_F(LaterStartTest, TheRewriteTurnsAnAbsoluteButtonBarIntoARelativeOne) {
    stick_.AddFile(L"TC\\my.bar", "[Buttonbar]\r\nButtoncount=0\r\n");
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini", "[Buttonbar]\r\nButtonbar=E:\\TC\\my.bar\r\n");
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", kPrivateFtpIni);
    ExpectSilentLaunch();
    // %COMMANDER_PATH%\my.bar names no existing file, so the entry repair leaves it.
    EXPECT_EQ(stick_.Read(L"TC\\TC_portable_wincmd.ini"),
              "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\my.bar\r\n");
}

// A UTF-16 settings file (as Total Commander writes one that holds Unicode names)
// escapes the line rewrite, which reads ANSI text; the button bar entry repair reads it
// through the profile functions and points it at the private button bar when it names
// an existing bar file inside the Total Commander directory.
struct ButtonBarCase {
    const char* name;
    std::wstring entry;
    const wchar_t* existingBar;  // relative to the stick, or nullptr
    std::wstring expected;
};

// Names the case in gtest output instead of dumping its bytes.
void PrintTo(const ButtonBarCase& c, std::ostream* os) {
    *os << c.name;
}

class ButtonBarRepairTest : public LaterStartTest, public ::testing::WithParamInterface<ButtonBarCase> {
protected:
    static std::string Utf16File(const std::wstring& text) {
        std::string bytes = "\xFF\xFE";
        for (wchar_t c : text) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>((c >> 8) & 0xFF);
        }
        return bytes;
    }

    static std::wstring ProfileValue(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& file) {
        wchar_t value[512] = {};
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<missing>", value, 512, file.c_str());
        return value;
    }
};

TEST_P(ButtonBarRepairTest, RepairsOnlyAnExistingBarInsideTheDirectory) {
    const ButtonBarCase& c = GetParam();
    if (c.existingBar) {
        stick_.AddFile(c.existingBar, "[Buttonbar]\r\nButtoncount=0\r\n");
    }
    stick_.AddFile(L"TC\\TC_portable_wincmd.ini",
                   Utf16File(L"[Configuration]\r\nLang=WCMD_DEU.LNG\r\n[Buttonbar]\r\nButtonbar=" + c.entry +
                             L"\r\nButtonheight=32\r\n"));
    stick_.AddFile(L"TC\\TC_portable_wcx_ftp.ini", kPrivateFtpIni);
    ExpectSilentLaunch();

    const std::wstring ini = stick_.Path(L"TC\\TC_portable_wincmd.ini");
    EXPECT_EQ(ProfileValue(L"Buttonbar", L"Buttonbar", ini), c.expected);
    EXPECT_EQ(ProfileValue(L"Buttonbar", L"Buttonheight", ini), L"32");
    EXPECT_EQ(ProfileValue(L"Configuration", L"Lang", ini), L"WCMD_DEU.LNG");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ButtonBarRepairTest,
    ::testing::Values(
        ButtonBarCase{"BarInsideDirectory", L"E:\\TC\\my.bar", L"TC\\my.bar",
                      L"%COMMANDER_PATH%\\TC_portable_Default.bar"},
        ButtonBarCase{"OtherLetterCase", L"e:\\tc\\Bars\\MY.BAR", L"TC\\Bars\\my.bar",
                      L"%COMMANDER_PATH%\\TC_portable_Default.bar"},
        ButtonBarCase{"MissingBarInsideDirectory", L"E:\\TC\\gone.bar", nullptr, L"E:\\TC\\gone.bar"},
        ButtonBarCase{"BarOutsideDirectory", L"E:\\Bars\\my.bar", L"Bars\\my.bar", L"E:\\Bars\\my.bar"},
        ButtonBarCase{"AlreadyRelative", L"%COMMANDER_PATH%\\my.bar", L"TC\\my.bar",
                      L"%COMMANDER_PATH%\\my.bar"}),
    [](const auto& p) { return std::string(p.param.name); });

// A directory name the ANSI code page cannot hold: paths go through the wide-character
// calls, so Total Commander is still found and started with its private files; the
// settings files (ANSI text) cannot contain that name, so nothing in them is rewritten.
TEST_F(LaterStartTest, ADirectoryNameOutsideTheCodePageStillLaunches) {
    const std::wstring directory = L"\x0422\x043E\x0442\x0430\x043B";  // Cyrillic "Total"
    const std::wstring launcher = stick_.AddLauncher(directory);
    stick_.AddTotalCommander(directory);
    stick_.AddFile(directory + L"\\TC_portable_wincmd.ini", kPrivateWincmdIni);
    stick_.AddFile(directory + L"\\TC_portable_wcx_ftp.ini", kPrivateFtpIni);

    const std::wstring tcDir = L"E:\\" + directory;
    Start(launcher, L"", tcDir);
    ExpectEndWithoutWindow();
    const Launch launch = ExpectOneLaunch();
    EXPECT_EQ(launch.commandLine, tcDir + L"\\Totalcmd.exe  /i=" + tcDir + L"\\TC_portable_wincmd.ini /f=" +
                                      tcDir + L"\\TC_portable_wcx_ftp.ini");
    EXPECT_EQ(launch.currentDirectory, tcDir);
    EXPECT_EQ(stick_.Read(directory + L"\\TC_portable_wincmd.ini"), kPrivateWincmdIni);
}

}  // namespace
}  // namespace velmora::e2e
