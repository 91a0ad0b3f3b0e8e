// The desktop shortcuts: the questions, the target and arguments of both links, and the
// offer after a first start.
#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "shortcut/DesktopShortcuts.h"
#include "support/LauncherFixture.h"

namespace velmora {
namespace {

constexpr wchar_t kDesktop[] = L"C:\\Users\\user\\Desktop\\";

struct TargetCase {
    std::wstring directory;
    std::wstring target;
};

class ShortcutTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ShortcutTargetTest, AddsOneSeparatorOfTheDirectorysKind) {
    EXPECT_EQ(ShortcutTarget(GetParam().directory, L"velmora"), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, ShortcutTargetTest,
    ::testing::Values(TargetCase{L"E:\\TC", L"E:\\TC\\velmora.exe"}, TargetCase{L"E:\\", L"E:\\velmora.exe"},
                      TargetCase{L"E:/TC", L"E:/TC/velmora.exe"}, TargetCase{L"E:/TC/", L"E:/TC/velmora.exe"},
                      TargetCase{L"E:\\a/b", L"E:\\a/b/velmora.exe"},
                      TargetCase{L"\\\\server\\share\\TC", L"\\\\server\\share\\TC\\velmora.exe"}));

class ShortcutTest : public ::testing::Test {
protected:
    ShortcutTest() : platform(machine.AsPlatform()), shortcuts(platform) {
        machine.AddDrive(L'E');
        machine.AddDirectory(L"E:\\TC");
        machine.AddDirectory(kDesktop);
        machine.SetSpecialFolder(0, L"C:\\Users\\user\\Desktop");
        machine.SetProgramDirectory(L"E:\\TC");
    }

    void ExpectBothLinks(const std::wstring& firstArguments) {
        const auto& links = machine.CreatedShortcuts();
        ASSERT_EQ(links.size(), 2u);
        EXPECT_EQ(links[0].linkFile, std::wstring(kDesktop) + L"Total Commander (mobile).lnk");
        EXPECT_EQ(links[0].target, L"E:\\TC\\velmora.exe");
        EXPECT_EQ(links[0].arguments, firstArguments);
        EXPECT_EQ(links[1].linkFile, std::wstring(kDesktop) + L"Total Commander (mobile - Setup).lnk");
        EXPECT_EQ(links[1].target, L"E:\\TC\\velmora.exe");
        EXPECT_EQ(links[1].arguments, L"/?");
    }

    sim::SimMachine machine;
    Platform platform;
    DesktopShortcutCreator shortcuts;
};

TEST_F(ShortcutTest, NoCreatesNothingAndAsksNothingMore) {
    machine.SetCommandLineTail(L"/i=x");
    machine.AnswerNext(MessageAnswer::No);
    shortcuts.CreateDesktopShortCut();

    ASSERT_EQ(machine.Messages().size(), 1u);
    const Message& question = machine.Messages()[0].message;
    EXPECT_EQ(question.title, L"Desktop Shortcut?");
    EXPECT_EQ(question.text, L"Create a Destkop-Shortcut?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_TRUE(machine.CreatedShortcuts().empty());
    EXPECT_TRUE(machine.FilesIn(kDesktop).empty());
}

class SetupTailTest : public ShortcutTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(SetupTailTest, AsksNoCommandLineQuestionAndGivesNoArguments) {
    machine.SetCommandLineTail(GetParam());
    machine.AnswerNext(MessageAnswer::Yes);
    shortcuts.CreateDesktopShortCut();

    EXPECT_EQ(machine.Messages().size(), 1u);
    ExpectBothLinks(L"");
    EXPECT_EQ(machine.FilesIn(kDesktop), (std::vector<std::wstring>{L"Total Commander (mobile - Setup).lnk",
                                                                    L"Total Commander (mobile).lnk"}));
}

INSTANTIATE_TEST_SUITE_P(Tails, SetupTailTest,
                         ::testing::Values(L"", L"   ", L"/?", L"/SETUP", L"/setup", L"SETUP", L"  Setup ",
                                           L"-SETUP", L"-sEtUp"),
                         [](const auto& p) { return "Tail" + std::to_string(p.index); });

struct ArgumentsCase {
    const char* name;
    std::wstring tail;
    MessageAnswer answer;
    std::wstring arguments;
};

void PrintTo(const ArgumentsCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLineQuestionTest : public ShortcutTest, public ::testing::WithParamInterface<ArgumentsCase> {};

TEST_P(CommandLineQuestionTest, ShowsTheTailAsReceived) {
    machine.SetCommandLineTail(GetParam().tail);
    machine.AnswerNext(MessageAnswer::Yes);
    machine.AnswerNext(GetParam().answer);
    shortcuts.CreateDesktopShortCut();

    ASSERT_EQ(machine.Messages().size(), 2u);
    const Message& question = machine.Messages()[1].message;
    EXPECT_EQ(question.title, L"velmora") << "the program's own title";
    EXPECT_EQ(question.text, L"Add your Command-Line:\r\r" + GetParam().tail + L"\r\rto the Shortcut?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    ExpectBothLinks(GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Tails, CommandLineQuestionTest,
    ::testing::Values(ArgumentsCase{"YesKeepsTheTailTrimmed", L"/O  ", MessageAnswer::Yes, L"/O"},
                      ArgumentsCase{"NoGivesNone", L"/O  ", MessageAnswer::No, L""},
                      ArgumentsCase{"BlanksInside", L" /L=c:\\ /R=d:\\", MessageAnswer::Yes,
                                    L"/L=c:\\ /R=d:\\"},
                      // Only the switches named for shortcuts count, not every help switch.
                      ArgumentsCase{"BareQuestionMark", L"?", MessageAnswer::Yes, L"?"},
                      ArgumentsCase{"SetupWithMore", L"setup x", MessageAnswer::No, L""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ShortcutTest, LetsTheWindowSystemWorkBeforeEachLink) {
    machine.AnswerNext(MessageAnswer::Yes);
    shortcuts.CreateDesktopShortCut();
    EXPECT_EQ(machine.MessagePumps(), 2);
    ExpectBothLinks(L"");
}

TEST_F(ShortcutTest, TheTargetFollowsTheExecutablesPresentName) {
    machine.SetProgramDirectory(L"E:\\");
    machine.SetProgramName(L"Launcher");
    machine.AnswerNext(MessageAnswer::Yes);
    shortcuts.CreateDesktopShortCut();
    ASSERT_EQ(machine.CreatedShortcuts().size(), 2u);
    EXPECT_EQ(machine.CreatedShortcuts()[0].target, L"E:\\Launcher.exe");
}

TEST_F(ShortcutTest, WithoutADesktopFolderNothingIsMadeAndNothingSaid) {
    machine.SetSpecialFolder(0, L"");
    machine.AnswerNext(MessageAnswer::Yes);
    shortcuts.CreateDesktopShortCut();
    EXPECT_EQ(machine.Messages().size(), 1u);
    EXPECT_TRUE(machine.CreatedShortcuts().empty());
}

TEST_F(ShortcutTest, AFailedFirstLinkStillLeavesTheSecondToBeTried) {
    machine.FailPath(std::wstring(kDesktop) + L"Total Commander (mobile).lnk");
    machine.AnswerNext(MessageAnswer::Yes);
    shortcuts.CreateDesktopShortCut();
    ASSERT_EQ(machine.CreatedShortcuts().size(), 1u);
    EXPECT_EQ(machine.CreatedShortcuts()[0].arguments, L"/?");
    EXPECT_EQ(machine.Messages().size(), 1u) << "a failure is not reported";
}

struct FolderCase {
    std::wstring reported;
    std::wstring folder;
};

class DesktopFolderTest : public ShortcutTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(DesktopFolderTest, EndsInOneBackslash) {
    machine.SetSpecialFolder(0, GetParam().reported);
    EXPECT_EQ(GetDesktopFolder(platform), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Folders, DesktopFolderTest,
                         ::testing::Values(FolderCase{L"C:\\Users\\me\\Desktop", L"C:\\Users\\me\\Desktop\\"},
                                           FolderCase{L" C:\\Desk\\ ", L"C:\\Desk\\"},
                                           FolderCase{L"D:\\", L"D:\\"}, FolderCase{L"", L""},
                                           FolderCase{L"   ", L""}));

TEST_F(ShortcutTest, CreateDesktopLinkTrimsItsParts) {
    CreateDesktopLink(platform, L" E:\\TC\\velmora.exe ", L" Name ", L"  /x  ");
    ASSERT_EQ(machine.CreatedShortcuts().size(), 1u);
    EXPECT_EQ(machine.CreatedShortcuts()[0].linkFile, std::wstring(kDesktop) + L"Name.lnk");
    EXPECT_EQ(machine.CreatedShortcuts()[0].target, L"E:\\TC\\velmora.exe");
    EXPECT_EQ(machine.CreatedShortcuts()[0].arguments, L"/x");
}

// The start-up sequence offers the shortcuts after a first import, before Total
// Commander is started.
class ShortcutOfferTest : public testing_support::LauncherTest {
protected:
    ShortcutOfferTest() : creator(platform) {
        PlaceLauncherIn(L"E:\\TC");
        AddTotalCommander(L"E:\\TC");
        machine.AddFile(L"E:\\TC\\wincmd.ini", "[Configuration]\r\n");
        machine.AddFile(L"E:\\TC\\wcx_ftp.ini", "[connections]\r\n");
    }

    StartupOutcome RunWithCreator() {
        StartupSequence sequence(platform, dialogs, creator);
        return sequence.Run();
    }

    DesktopShortcutCreator creator;
};

TEST_F(ShortcutOfferTest, FollowsAFirstImport) {
    for (auto answer : {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes})
        machine.AnswerNext(answer);
    EXPECT_EQ(RunWithCreator(), StartupOutcome::Ended);

    EXPECT_EQ(MessageTitles(),
              (std::vector<std::wstring>{L"First Start: Import file?", L"First Start: Import file?",
                                         L"Desktop Shortcut?"}));
    ASSERT_EQ(machine.CreatedShortcuts().size(), 2u);
    EXPECT_EQ(machine.CreatedShortcuts()[0].target, L"E:\\TC\\velmora.exe");
    EXPECT_EQ(machine.StartedPrograms().size(), 1u);
}

TEST_F(ShortcutOfferTest, IsNotMadeOnALaterStart) {
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    machine.AddFile(L"E:\\TC\\TC_portable_wcx_ftp.ini", "[connections]\r\n");
    EXPECT_EQ(RunWithCreator(), StartupOutcome::Ended);
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_TRUE(machine.CreatedShortcuts().empty());
}

}  // namespace
}  // namespace velmora
