// Whole starts of the launcher on the stick: the first start's questions under every
// combination of answers, later starts, the command line, and where Total Commander is.
#include <set>

#include "support/Stick.h"

namespace velmora::wine {
namespace {

const std::string kUserMain =
    "[Configuration]\r\nInstallDir=E:\\TC\r\nEditor=e:\\tc\\notepad.exe /x E:\\TC\\ini\r\n\r\n"
    "[Buttonbar]\r\nButtonbar=E:\\TC\\DEFAULT.BAR\r\n[Plugins]\r\nx=C:\\Other\\x.wcx\r\n";
const std::string kPrivateMain =
    "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n"
    "Editor=%COMMANDER_PATH%\\notepad.exe /x %COMMANDER_PATH%\\ini\r\n\r\n"
    "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\DEFAULT.BAR\r\n[Plugins]\r\nx=C:\\Other\\x.wcx\r\n";
const std::string kUserFtp = "[connections]\r\n1=stick\r\n[stick]\r\nhost=E:\\TC\\ftp\r\n";
const std::string kPrivateFtp = "[connections]\r\n1=stick\r\n[stick]\r\nhost=%COMMANDER_PATH%\\ftp\r\n";
constexpr wchar_t kDefaultCommand[] =
    L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";

using FirstStart = StickTest;

TEST_F(FirstStart, Probe) {
    PutStandin(L"E:\\TC\\Totalcmd.exe");
    PutFile(L"E:\\TC\\wincmd.ini", kUserMain);
    PutFile(L"E:\\TC\\wcx_ftp.ini", kUserFtp);
    PutFile(L"E:\\Backup\\mine.ini", "[b]\r\np=e:\\tc\\x\r\n");
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    dialog.choice = L"Backup\\mine.ini";
    EXPECT_EQ(Start(), StartupOutcome::Ended);
    for (auto& m : ui.shown) ADD_FAILURE() << testing::PrintToString(m.message.title) << testing::PrintToString(m.message.text);
    for (auto& c : dialog.captions) ADD_FAILURE() << testing::PrintToString(c);
    EXPECT_EQ(FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "");
    EXPECT_EQ(FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"), kPrivateFtp);
    const auto starts = Starts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, kDefaultCommand);
    EXPECT_EQ(starts[0].directory, L"E:\\TC");
}

}  // namespace
}  // namespace velmora::wine
