// Every file operation of an import, a rewrite and an INI write is made to fail in turn,
// cleanly or halfway through a write: no user file may change, every private file must
// hold its old or its new content, and no working file may stay behind.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "import/Importer.h"
#include "ini/Ini.h"
#include "launcher/StartupSequence.h"
#include "shortcut/DesktopShortcuts.h"
#include "support/LauncherFixture.h"

namespace velmora {
namespace {

using testing_support::CountingShortcuts;
using testing_support::ScriptedFileDialogs;

constexpr wchar_t kPrivateMain[] = L"E:\\TC\\TC_portable_wincmd.ini";
constexpr wchar_t kPrivateFtp[] = L"E:\\TC\\TC_portable_wcx_ftp.ini";
const std::string kMissing = "<missing>";

struct Stick {
    Stick() : platform(machine.AsPlatform()) {
        machine.AddDrive(L'E');
        machine.AddDrive(L'D');
        machine.AddFile(L"E:\\TC\\velmora.exe", "MZ");
        machine.AddFile(L"E:\\TC\\Totalcmd.exe", "MZ");
        machine.SetProgramDirectory(L"E:\\TC");
        machine.ChangeDirectory(L"E:\\TC");
    }
    std::string Content(const std::wstring& path) const { return machine.FileBytes(path).value_or(kMissing); }

    sim::SimMachine machine;
    Platform platform;
    ScriptedFileDialogs dialogs;
    CountingShortcuts shortcuts;
};

struct Scenario {
    std::function<void(Stick&)> arrange;
    std::function<void(Stick&)> act;
    std::vector<std::wstring> userFiles;                                // must never change
    std::map<std::wstring, std::set<std::string>> allowedPrivateFiles;  // old or new content
    bool launches = false;
};

void ExpectSafeUnderEveryFailure(const Scenario& scenario) {
    Stick dryRun;
    scenario.arrange(dryRun);
    const std::uint64_t start = dryRun.machine.OperationCount();
    scenario.act(dryRun);
    const std::uint64_t operations = dryRun.machine.OperationCount() - start;
    ASSERT_GT(operations, 0u);

    for (std::uint64_t n = 1; n <= operations; ++n) {
        for (const auto how : {sim::InjectedFailure::Clean, sim::InjectedFailure::Midway}) {
            Stick stick;
            scenario.arrange(stick);
            std::map<std::wstring, std::string> userBefore;
            for (const auto& path : scenario.userFiles)
                userBefore[path] = stick.Content(path);
            stick.machine.FailOperation(stick.machine.OperationCount() + n, how);
            scenario.act(stick);

            const std::string where =
                "operation " + std::to_string(n) +
                (how == sim::InjectedFailure::Clean ? " failing cleanly" : " failing midway");
            for (const auto& [path, before] : userBefore) {
                EXPECT_EQ(stick.Content(path), before) << where;
            }
            for (const auto& [path, allowed] : scenario.allowedPrivateFiles) {
                EXPECT_TRUE(allowed.contains(stick.Content(path)))
                    << where << ": unexpected content of a private file:\n"
                    << stick.Content(path);
                EXPECT_FALSE(stick.machine.Exists(path + L"_temp2.txt")) << where;
            }
            if (scenario.launches) {
                EXPECT_EQ(stick.machine.StartedPrograms().size(), 1u) << where;
            }
        }
    }
}

void RunStartup(Stick& stick) {
    StartupSequence startup(stick.platform, stick.dialogs, stick.shortcuts);
    startup.Run();
}

const std::string kUser = "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n\r\nx=C:\\y\r\n";
const std::string kRewritten = "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n\r\nx=C:\\y\r\n";
const std::string kUserFtp = "[ftp]\r\nhost=e:\\tc\\ftp\r\n";
const std::string kRewrittenFtp = "[ftp]\r\nhost=%COMMANDER_PATH%\\ftp\r\n";

TEST(FailureSweep, FirstStartImport) {
    ExpectSafeUnderEveryFailure(Scenario{[](Stick& stick) {
                                             stick.machine.AddFile(L"E:\\TC\\wincmd.ini", kUser);
                                             stick.machine.AddFile(L"E:\\TC\\wcx_ftp.ini", kUserFtp);
                                             stick.machine.AnswerNext(MessageAnswer::Yes);
                                             stick.machine.AnswerNext(MessageAnswer::Yes);
                                         },
                                         RunStartup,
                                         {L"E:\\TC\\wincmd.ini", L"E:\\TC\\wcx_ftp.ini"},
                                         {{kPrivateMain, {kMissing, "", kUser, kRewritten}},
                                          {kPrivateFtp, {kMissing, "", kUserFtp, kRewrittenFtp}}},
                                         true});
}

TEST(FailureSweep, LaterStartRewrite) {
    ExpectSafeUnderEveryFailure(Scenario{
        [](Stick& stick) {
            stick.machine.AddFile(L"E:\\TC\\wincmd.ini", kUser);
            stick.machine.AddFile(kPrivateMain, kUser);
            stick.machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini_temp2.txt", "stale from an earlier run");
            stick.machine.AddFile(kPrivateFtp, kUserFtp);
        },
        RunStartup,
        {L"E:\\TC\\wincmd.ini"},
        {{kPrivateMain, {kUser, kRewritten}}, {kPrivateFtp, {kUserFtp}}},
        true});
}

TEST(FailureSweep, ForcedImportOverAnExistingPrivateCopy) {
    const std::string old = "old private settings\r\n";
    ExpectSafeUnderEveryFailure(Scenario{[&](Stick& stick) {
                                             stick.machine.AddFile(L"E:\\TC\\wincmd.ini", kUser);
                                             stick.machine.AddFile(kPrivateMain, old);
                                             stick.machine.AnswerNext(MessageAnswer::Yes);
                                         },
                                         [](Stick& stick) {
                                             LauncherState state;
                                             state.TcPath = L"E:\\TC";
                                             state.TcDir = L"E:\\TC\\";
                                             Importer(stick.platform, state, stick.dialogs).ImportIni(true);
                                         },
                                         {L"E:\\TC\\wincmd.ini"},
                                         {{kPrivateMain, {old, kUser, kRewritten}}}});
}

TEST(FailureSweep, ButtonBarImport) {
    const std::string settings = "[Configuration]\r\na=1\r\n";
    const std::string withBar =
        settings + "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n";
    const std::string oldBar = "old bar\r\n";
    ExpectSafeUnderEveryFailure(
        Scenario{[&](Stick& stick) {
                     stick.machine.AddFile(L"D:\\Bars\\My.bar", "cmd=E:\\TC\\x.exe\r\n");
                     stick.machine.AddFile(L"D:\\Bars\\My.br1", "icons\r\n");
                     stick.machine.AddFile(kPrivateMain, settings);
                     stick.machine.AddFile(L"E:\\TC\\TC_portable_Default.bar", oldBar);
                     stick.dialogs.choices = {L"D:\\Bars\\My.bar"};
                 },
                 [](Stick& stick) {
                     LauncherState state;
                     state.TcPath = L"E:\\TC";
                     state.TcDir = L"E:\\TC\\";
                     state.WincmdIniPath = kPrivateMain;
                     Importer(stick.platform, state, stick.dialogs).ImportButtonBar(false);
                 },
                 {L"D:\\Bars\\My.bar", L"D:\\Bars\\My.br1"},
                 {{kPrivateMain, {settings, withBar}},
                  {L"E:\\TC\\TC_portable_Default.bar",
                   {oldBar, "cmd=E:\\TC\\x.exe\r\n", "cmd=%COMMANDER_PATH%\\x.exe\r\n"}},
                  {L"E:\\TC\\TC_portable_Default.br1", {kMissing, "icons\r\n"}}}});
}

TEST(FailureSweep, IniWrite) {
    const std::string before = "; keep\r\n[Buttonbar]\r\nButtonbar=E:\\TC\\a.bar\r\n\r\n[x]\r\ny=1\r\n";
    const std::string after =
        "; keep\r\n[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar\r\n\r\n[x]\r\ny=1\r\n";
    ExpectSafeUnderEveryFailure(Scenario{[&](Stick& stick) { stick.machine.AddFile(kPrivateMain, before); },
                                         [](Stick& stick) {
                                             WriteIniValue(stick.platform, L"Buttonbar", L"Buttonbar",
                                                           L"%COMMANDER_PATH%\\TC_portable_Default.bar",
                                                           kPrivateMain, false);
                                         },
                                         {},
                                         {{kPrivateMain, {before, after}}}});
}

TEST(FailureSweep, DesktopShortcuts) {
    const std::wstring desktop = L"C:\\Users\\me\\Desktop\\";
    const std::string mine = "the user's own shortcut";
    ExpectSafeUnderEveryFailure(
        Scenario{[&](Stick& stick) {
                     stick.machine.AddDirectory(desktop);
                     stick.machine.SetSpecialFolder(0, desktop);
                     stick.machine.AddFile(desktop + L"Mine.lnk", mine);
                     stick.machine.AnswerNext(MessageAnswer::Yes);
                 },
                 [](Stick& stick) { DesktopShortcutCreator(stick.platform).CreateDesktopShortCut(); },
                 {desktop + L"Mine.lnk"},
                 {{desktop + kMobileLinkName + L".lnk", {kMissing, "E:\\TC\\velmora.exe\n"}},
                  {desktop + kSetupLinkName + L".lnk", {kMissing, "E:\\TC\\velmora.exe\n/?"}}}});
}

// Every sequence of answers to the questions of a first start (a No brings further
// questions): whatever the user says, the user's files stay as they were, each private
// file is empty or rewritten, and Total Commander is started once.
TEST(AnswerSweep, FirstStart) {
    const auto arrange = [](Stick& stick) {
        stick.machine.AddFile(L"E:\\TC\\wincmd.ini", kUser);
        stick.machine.AddFile(L"E:\\TC\\wcx_ftp.ini", kUserFtp);
        stick.machine.AddFile(L"C:\\Windows\\wincmd.ini", kUser);
        stick.machine.AddFile(L"C:\\Windows\\wcx_ftp.ini", kUserFtp);
        stick.machine.SetSpecialFolder(0, L"C:\\Users\\me\\Desktop");
    };
    // Each run answers its prefix and then No to whatever else is asked; every No given
    // that way is the root of one more sequence, with Yes in its place.
    std::vector<std::vector<MessageAnswer>> pending{{}};
    int sequences = 0;
    while (!pending.empty()) {
        const std::vector<MessageAnswer> prefix = pending.back();
        pending.pop_back();
        Stick stick;
        arrange(stick);
        for (const MessageAnswer answer : prefix)
            stick.machine.AnswerNext(answer);
        RunStartup(stick);
        ++sequences;

        std::string where = "answers";
        for (const auto& shown : stick.machine.Messages()) {
            where += shown.answer == MessageAnswer::Yes ? " Yes" : " No";
        }
        EXPECT_EQ(stick.Content(L"E:\\TC\\wincmd.ini"), kUser) << where;
        EXPECT_EQ(stick.Content(L"C:\\Windows\\wincmd.ini"), kUser) << where;
        EXPECT_TRUE((std::set<std::string>{"", kRewritten}.contains(stick.Content(kPrivateMain)))) << where;
        EXPECT_TRUE((std::set<std::string>{"", kRewrittenFtp}.contains(stick.Content(kPrivateFtp)))) << where;
        EXPECT_EQ(stick.machine.StartedPrograms().size(), 1u) << where;

        const auto& shown = stick.machine.Messages();
        for (size_t i = prefix.size(); i < shown.size(); ++i) {
            if (shown[i].message.buttons != MessageButtons::YesNo) continue;
            std::vector<MessageAnswer> branch = prefix;
            branch.resize(i, MessageAnswer::No);
            branch.push_back(MessageAnswer::Yes);
            pending.push_back(branch);
        }
    }
    EXPECT_GE(sequences, 9);  // three offers for each of the two files, at the least
}

}  // namespace
}  // namespace velmora
