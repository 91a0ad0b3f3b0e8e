// Whole runs of the launcher on a simulated stick.
#include <gtest/gtest.h>

#include <algorithm>

#include "launcher/HelpTexts.h"
#include "support/LauncherFixture.h"

namespace velmora {
namespace {

using testing_support::IniText;
using testing_support::LauncherTest;

const std::string kUserWincmd = IniText({
    "[Configuration]",
    "InstallDir=E:\\TC",
    "Editor=e:\\tc\\notepad.exe /x E:\\TC\\ini",
    "",
    "[Buttonbar]",
    "Buttonbar=E:\\TC\\DEFAULT.BAR",
    "[Plugins]",
    "x=C:\\Other\\x.wcx",
});
const std::string kPrivateWincmd = IniText({
    "[Configuration]",
    "InstallDir=%COMMANDER_PATH%",
    "Editor=%COMMANDER_PATH%\\notepad.exe /x %COMMANDER_PATH%\\ini",
    "",
    "[Buttonbar]",
    "Buttonbar=%COMMANDER_PATH%\\DEFAULT.BAR",
    "[Plugins]",
    "x=C:\\Other\\x.wcx",
});
const std::string kUserFtp = IniText({"[connections]", "1=stick", "[stick]", "host=E:\\TC\\ftp"});
const std::string kPrivateFtp =
    IniText({"[connections]", "1=stick", "[stick]", "host=%COMMANDER_PATH%\\ftp"});
constexpr wchar_t kDefaultCommand[] =
    L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";

class FirstStart : public LauncherTest {
protected:
    FirstStart() {
        PlaceLauncherIn(L"E:\\TC");
        AddTotalCommander(L"E:\\TC");
        machine.AddFile(L"E:\\TC\\wincmd.ini", kUserWincmd);
        machine.AddFile(L"E:\\TC\\wcx_ftp.ini", kUserFtp);
    }
};

TEST_F(FirstStart, AnsweringYesImportsRewritesAndLaunches) {
    machine.AnswerNext(MessageAnswer::Yes);
    machine.AnswerNext(MessageAnswer::Yes);
    EXPECT_EQ(Run(), StartupOutcome::Ended);

    ASSERT_EQ(machine.Messages().size(), 2u);
    const Message& first = machine.Messages()[0].message;
    EXPECT_EQ(first.title, L"First Start: Import file?");
    EXPECT_EQ(first.text,
              L"Import from current directory: 'wincmd.ini'\r\rto: 'TC_portable_wincmd.ini'\r\r\r"
              L"Important: original file will not be changed!!");
    EXPECT_EQ(first.buttons, MessageButtons::YesNo);
    EXPECT_EQ(first.icon, MessageIcon::Question);
    EXPECT_EQ(machine.Messages()[1].message.text,
              L"Import from current directory: 'wcx_ftp.ini'\r\rto: 'TC_portable_wcx_ftp.ini'\r\r\r"
              L"Important: original file will not be changed!!");

    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), kPrivateWincmd);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"), kPrivateFtp);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), kUserWincmd);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wcx_ftp.ini"), kUserFtp);
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt"));

    EXPECT_EQ(shortcuts.offers, 1);
    EXPECT_EQ(StartedCommand(), kDefaultCommand);
    EXPECT_EQ(StartedDirectory(), L"E:\\TC");
}

TEST_F(FirstStart, DecliningEveryOfferLeavesEmptyPrivateFilesAndStillLaunches) {
    machine.AddFile(L"C:\\Windows\\wincmd.ini", "[x]\r\n");
    EXPECT_EQ(Run(), StartupOutcome::Ended);

    EXPECT_EQ(MessageTitles(),
              (std::vector<std::wstring>{L"First Start: Import file?",
                                         L"First Start: Import from Windows directory?",
                                         L"First Start: Browse for File?", L"First Start: Import file?",
                                         L"First Start: Browse for File?"}));
    EXPECT_EQ(machine.Messages()[1].message.text,
              L"Import from Windows directory?\r\rC:\\Windows\\wincmd.ini\r\r"
              L"Important: original file will not be changed!!");
    EXPECT_EQ(machine.Messages()[2].message.text,
              L"Browse for wincmd.ini File now?\r\rTarget: E:\\TC\\TC_portable_wincmd.ini");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"), "");
    EXPECT_EQ(shortcuts.offers, 0);
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(StartedCommand(), kDefaultCommand);
}

TEST_F(FirstStart, TheWindowsDirectoryIsOnTheDesktopsDrive) {
    machine.AddDrive(L'D');
    machine.SetSpecialFolder(0, L"D:\\Profiles\\Desktop");
    machine.AddFile(L"D:\\Windows\\wincmd.ini", "[w]\r\nx=E:\\TC\\a\r\n");
    machine.AnswerNext(MessageAnswer::No);
    machine.AnswerNext(MessageAnswer::Yes);
    Run();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "[w]\r\nx=%COMMANDER_PATH%\\a\r\n");
    EXPECT_EQ(machine.FileBytes(L"D:\\Windows\\wincmd.ini"), "[w]\r\nx=E:\\TC\\a\r\n");
}

TEST_F(FirstStart, BrowsingTakesTheChosenFile) {
    machine.AddDrive(L'D');
    machine.AddFile(L"D:\\Backup\\mine.ini", "[a]\r\np=e:\\tc\\x\r\n");
    machine.AnswerNext(MessageAnswer::No);   // the file beside Total Commander
    machine.AnswerNext(MessageAnswer::Yes);  // browse
    dialogs.choices = {L"D:\\Backup\\mine.ini"};
    Run();

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, L"Please import - File select (eg.:wincmd.ini'");
    EXPECT_EQ(dialogs.requests[0].defaultPath, L"E:\\TC");
    EXPECT_EQ(dialogs.requests[0].defaultFilename, L"*.*");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "[a]\r\np=%COMMANDER_PATH%\\x\r\n");
    EXPECT_EQ(shortcuts.offers, 1);
}

TEST_F(FirstStart, ADialogAnswerOfWildcardsOrBlanksCountsAsCancelled) {
    for (const wchar_t* answer : {L"*.*", L"   "}) {
        machine.RemoveFile(L"E:\\TC\\TC_portable_wincmd.ini");
        machine.AnswerNext(MessageAnswer::No);
        machine.AnswerNext(MessageAnswer::Yes);
        dialogs.choices = {answer};
        LauncherState state;
        Importer importer(platform, state, dialogs);
        state.TcDir = L"E:\\TC\\";
        state.TcPath = L"E:\\TC";
        importer.ImportIni();
        EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "") << answer;
        EXPECT_FALSE(state.FileImported) << answer;
    }
}

class LaterStart : public LauncherTest {
protected:
    LaterStart() {
        PlaceLauncherIn(L"E:\\TC");
        AddTotalCommander(L"E:\\TC");
        machine.AddFile(L"E:\\TC\\wincmd.ini", kUserWincmd);
        machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", kPrivateWincmd);
        machine.AddFile(L"E:\\TC\\TC_portable_wcx_ftp.ini", kUserFtp);  // deliberately not rewritten
    }
};

TEST_F(LaterStart, AsksNothingAndLaunches) {
    const auto before = machine.Snapshot();
    EXPECT_EQ(Run(), StartupOutcome::Ended);
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_EQ(shortcuts.offers, 0);
    EXPECT_EQ(StartedCommand(), kDefaultCommand);
    // An existing private FTP file is not re-scanned; nothing at all changed.
    EXPECT_EQ(machine.Snapshot(), before);
}

TEST_F(LaterStart, RewritesTheDirectoryWhereItHasCreptIn) {
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", kPrivateWincmd + "[New]\r\nlast=E:\\TC\\new.exe\r\n");
    Run();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"),
              kPrivateWincmd + "[New]\r\nlast=%COMMANDER_PATH%\\new.exe\r\n");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt"));
}

TEST_F(LaterStart, AStaleWorkingFileIsRemoved) {
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt", "stale");
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "a=E:\\TC\\x\r\n");
    Run();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), "a=%COMMANDER_PATH%\\x\r\n");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt"));
}

TEST_F(LaterStart, TheUsersOwnSettingsOptionsSkipTheirImports) {
    machine.RemoveFile(L"E:\\TC\\TC_portable_wincmd.ini");
    Run(L"x /I=C:\\my.ini");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini"));
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_EQ(StartedCommand(), L"E:\\TC\\Totalcmd.exe x /I=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(LaterStart, OptionMarkersNeedTheirLeadingBlank) {
    EXPECT_EQ(Run(L"/i=C:\\my.ini"), StartupOutcome::Ended);
    EXPECT_EQ(StartedCommand(),
              L"E:\\TC\\Totalcmd.exe /i=C:\\my.ini /i=E:\\TC\\TC_portable_wincmd.ini "
              L"/f=E:\\TC\\TC_portable_wcx_ftp.ini");
}

TEST_F(LaterStart, FtpOptionOfTheUser) {
    machine.RemoveFile(L"E:\\TC\\TC_portable_wcx_ftp.ini");
    Run(L"a /f=C:\\ftp.ini");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\TC_portable_wcx_ftp.ini"));
    EXPECT_EQ(StartedCommand(), L"E:\\TC\\Totalcmd.exe a /f=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini");
}

TEST_F(LaterStart, HelpSwitchesShowTheSetupWindowAndTouchNothing) {
    for (const wchar_t* tail : {L"/?", L"?", L"-?", L"/setup", L"Setup", L"-SETUP"}) {
        const auto before = machine.Snapshot();
        EXPECT_EQ(Run(tail), StartupOutcome::ShowSetupWindow) << tail;
        EXPECT_EQ(machine.Snapshot(), before) << tail;
        EXPECT_TRUE(startup->State().TcDirPattern.empty());
    }
    EXPECT_TRUE(machine.StartedPrograms().empty());
    EXPECT_TRUE(machine.Messages().empty());
}

TEST_F(LaterStart, ASwitchWithATrailingBlankIsPassedOn) {
    Run(L"/? ");
    EXPECT_EQ(
        StartedCommand(),
        L"E:\\TC\\Totalcmd.exe /? /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini");
    EXPECT_EQ(shortcuts.offers, 0);
}

TEST_F(LaterStart, TheSetupWordWithBlanksOffersTheShortcuts) {
    Run(L"setup ");
    EXPECT_EQ(shortcuts.offers, 1);
    EXPECT_EQ(machine.StartedPrograms().size(), 1u);
}

TEST_F(LaterStart, ABarEntryStillInsideTheDirectoryPointsAtThePrivateBar) {
    // Only seen when the rewrite could not run, here because its read of the file failed.
    machine.AddFile(L"E:\\TC\\bars\\my.bar", "bar");
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini",
                    IniText({"[Buttonbar]", "Buttonbar=e:\\tc\\bars\\my.bar"}));
    machine.FailOperation(1);
    Run();
    const auto failed = std::find_if(machine.OperationLog().begin(), machine.OperationLog().end(),
                                     [](const sim::SimOperation& operation) { return operation.injected; });
    ASSERT_EQ(failed->kind, sim::SimOperationKind::ReadFile) << machine.DescribeOperationLog();
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"),
              IniText({"[Buttonbar]", "Buttonbar=%COMMANDER_PATH%\\TC_portable_Default.bar"}));
}

TEST_F(LaterStart, OtherBarEntriesStayAsTheyAre) {
    machine.AddFile(L"C:\\Bars\\other.bar", "bar");
    for (const char* entry : {"Buttonbar=C:\\Bars\\other.bar", "Buttonbar=%COMMANDER_PATH%\\x.bar",
                              "Buttonbar=E:\\TC\\missing.bar"}) {
        const std::string settings = IniText({"[Buttonbar]", entry});
        machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", settings);
        machine.FailOperation(machine.OperationCount() + 1);  // the rewrite's read
        Run();
        EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"), settings) << entry;
    }
}

class Discovery : public LauncherTest {};

TEST_F(Discovery, TotalcmdIsPreferredOverWinCmd32AndTheSixtyFourBitOne) {
    PlaceLauncherIn(L"E:\\TC");
    AddTotalCommander(L"E:\\TC", L"WinCmd32.exe");
    AddTotalCommander(L"E:\\TC", L"TOTALCMD64.EXE");
    AddTotalCommander(L"E:\\TC", L"TOTALCMD.EXE");
    Run();
    EXPECT_EQ(StartedCommand(), kDefaultCommand);
}

TEST_F(Discovery, WinCmd32ThenTheSixtyFourBitOne) {
    PlaceLauncherIn(L"E:\\TC");
    AddTotalCommander(L"E:\\TC", L"TOTALCMD64.EXE");
    AddTotalCommander(L"E:\\TC", L"wincmd32.exe");
    Run();
    EXPECT_EQ(machine.StartedPrograms().at(0).commandLine.substr(0, 19), L"E:\\TC\\WinCmd32.exe ");

    machine.RemoveFile(L"E:\\TC\\wincmd32.exe");
    Run();
    EXPECT_EQ(machine.StartedPrograms().at(1).commandLine.substr(0, 21), L"E:\\TC\\TOTALCMD64.EXE ");
}

TEST_F(Discovery, OneLevelDownWhenNotBesideTheLauncher) {
    PlaceLauncherIn(L"E:\\");
    machine.AddDirectory(L"E:\\Apps");
    machine.AddDirectory(L"E:\\Deep\\TC");
    AddTotalCommander(L"E:\\Deep\\TC");
    AddTotalCommander(L"E:\\zTC");
    AddTotalCommander(L"E:\\TC", L"WINCMD32.EXE");
    machine.AddFile(L"E:\\TC\\wincmd.ini", "[a]\r\n");
    machine.AnswerNext(MessageAnswer::Yes);
    Run();
    // E:\TC comes before E:\zTC in order of name, and E:\Deep\TC is two levels down.
    EXPECT_EQ(machine.Messages().at(0).message.text.rfind(L"Import from current directory: 'wincmd.ini'", 0),
              0u);
    EXPECT_TRUE(machine.Exists(L"E:\\TC\\TC_portable_wincmd.ini"));
    EXPECT_EQ(StartedCommand(),
              L"E:\\TC\\WinCmd32.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini");
    EXPECT_EQ(StartedDirectory(), L"E:\\TC");
}

TEST_F(Discovery, TheSixtyFourBitOneOnlyWhenNoClassicOneIsFound) {
    PlaceLauncherIn(L"E:\\");
    AddTotalCommander(L"E:\\A", L"TOTALCMD64.EXE");
    AddTotalCommander(L"E:\\B");
    Run();
    EXPECT_EQ(StartedCommand().substr(0, 18), L"E:\\B\\Totalcmd.exe ");
}

TEST_F(Discovery, NotFoundShowsTheMessageAndTheSetupWindow) {
    PlaceLauncherIn(L"E:\\");
    AddTotalCommander(L"E:\\Deep\\TC");
    machine.SetProgramName(L"velmora");
    EXPECT_EQ(Run(), StartupOutcome::ShowSetupWindow);
    ASSERT_EQ(machine.Messages().size(), 1u);
    const Message& shown = machine.Messages()[0].message;
    EXPECT_EQ(shown.title, L"File not found!");
    EXPECT_EQ(shown.text, L"Total Commander not found!\rRun the velmora.exe in the TC directory.");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_TRUE(machine.StartedPrograms().empty());
    EXPECT_TRUE(startup->State().TcPath.empty());
}

TEST_F(Discovery, BlanksInThePathAreQuoted) {
    PlaceLauncherIn(L"E:\\My TC");
    AddTotalCommander(L"E:\\My TC");
    Run();
    EXPECT_EQ(StartedCommand(),
              L"\"E:\\My TC\\Totalcmd.exe\"  /i=\"E:\\My TC\\TC_portable_wincmd.ini\" "
              L"/f=\"E:\\My TC\\TC_portable_wcx_ftp.ini\"");
}

TEST_F(Discovery, AtTheRootOfADrive) {
    PlaceLauncherIn(L"E:\\");
    AddTotalCommander(L"E:\\");
    machine.AddFile(L"E:\\TC_portable_wincmd.ini", "p=E:\\Plugins\\x.wcx\r\n");
    Run();
    EXPECT_EQ(StartedCommand(),
              L"E:\\Totalcmd.exe  /i=E:\\TC_portable_wincmd.ini /f=E:\\TC_portable_wcx_ftp.ini");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC_portable_wincmd.ini"), "p=%COMMANDER_PATH%Plugins\\x.wcx\r\n");
}

TEST_F(Discovery, TheDriveOfTheDirectoryBecomesCurrent) {
    machine.AddDrive(L'D');
    PlaceLauncherIn(L"E:\\TC");
    AddTotalCommander(L"E:\\TC");
    machine.ChangeDirectory(L"D:\\");
    Run();
    EXPECT_EQ(StartedDirectory(), L"E:\\TC");
}

TEST_F(Discovery, OnANetworkShareOnlyTheDirectoryChanges) {
    machine.AddShare(L"\\\\server\\share");
    PlaceLauncherIn(L"\\\\server\\share\\TC");
    AddTotalCommander(L"\\\\server\\share\\TC");
    machine.ChangeDirectory(L"E:\\");
    Run();
    EXPECT_EQ(StartedCommand().substr(0, 35), L"\\\\server\\share\\TC\\Totalcmd.exe  /i=");
    EXPECT_EQ(StartedDirectory(), L"\\\\server\\share\\TC");
}

// Platform calls that can be refused on the way to the launch: each is passed over.
TEST_F(Discovery, RefusedDirectoryChangesAndAnUnknownDesktopStillLaunch) {
    PlaceLauncherIn(L"E:\\TC");
    AddTotalCommander(L"E:\\TC");
    machine.AddFile(L"C:\\Windows\\wincmd.ini", "[w]\r\n");
    machine.SetSpecialFolder(0, L"");  // no desktop: the Windows directory is not offered
    machine.FailPath(L"E:\\TC\\");     // the change into the directory is refused
    EXPECT_EQ(Run(), StartupOutcome::Ended);
    EXPECT_EQ(MessageTitles(), (std::vector<std::wstring>{L"First Start: Browse for File?",
                                                          L"First Start: Browse for File?"}));
    EXPECT_EQ(StartedCommand(), kDefaultCommand);
}

TEST_F(Discovery, AFailedStartEndsQuietly) {
    PlaceLauncherIn(L"E:\\TC");
    AddTotalCommander(L"E:\\TC");
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "");
    machine.AddFile(L"E:\\TC\\TC_portable_wcx_ftp.ini", "");
    machine.FailProgramStarts(true);
    EXPECT_EQ(Run(), StartupOutcome::Ended);
    EXPECT_EQ(machine.StartedPrograms().size(), 1u);
    EXPECT_TRUE(machine.Messages().empty());
}

}  // namespace
}  // namespace velmora
