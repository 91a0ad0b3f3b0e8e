// Finding the program associated with a file through throw-away files in the root of the
// program's drive, and opening the web page with the ".html" program.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/SimMachine.h"
#include "sysutil/RunFile.h"

namespace velmora {
namespace {

using sim::SimOperationKind;

constexpr wchar_t kBrowser[] = L"C:\\Program Files\\Browser\\browser.exe";
constexpr wchar_t kEditor[] = L"C:\\Windows\\notepad.exe";
constexpr wchar_t kAddress[] = L"https://velmora.example.org/";

class RunFileTest : public ::testing::Test {
protected:
    RunFileTest() : platform(machine.AsPlatform()) {
        machine.AddDrive(L'E');
        machine.AddDirectory(L"E:\\TC");
        machine.AddDirectory(L"E:\\docs");
        machine.AddFile(L"E:\\TC\\velmora.exe", "MZ");
        machine.SetProgramDirectory(L"E:\\TC");
        machine.SetAssociation(L".html", kBrowser);
        machine.SetAssociation(L".txt", kEditor);
    }

    // The files written during the run, in order (attempts that failed left out).
    std::vector<std::wstring> Written() const {
        std::vector<std::wstring> paths;
        for (const auto& operation : machine.OperationLog()) {
            if (operation.kind == SimOperationKind::WriteFile && operation.succeeded)
                paths.push_back(operation.path);
        }
        return paths;
    }

    sim::SimMachine machine;
    Platform platform;
};

TEST_F(RunFileTest, FindExecutablePathAsksTheShellAboutAnExistingFile) {
    machine.AddFile(L"E:\\docs\\a.txt", "x");
    EXPECT_EQ(FindExecutablePath(platform, L"E:\\docs\\a.txt"), kEditor);
    EXPECT_EQ(FindExecutablePath(platform, L"E:\\docs\\missing.txt"), L"");
}

struct LookupCase {
    const char* name;
    std::wstring fileName;
    std::wstring program;
    std::vector<std::wstring> written;  // every file the lookup wrote, throw-away ones included
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

class LookupTest : public RunFileTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupTest, FindsTheProgramAndLeavesNothingBehind) {
    machine.AddFile(L"E:\\docs\\existing.txt", "text");
    const auto before = machine.Snapshot();

    EXPECT_EQ(GetAssociatedProgram(platform, GetParam().fileName), GetParam().program);
    EXPECT_EQ(Written(), GetParam().written);
    EXPECT_EQ(machine.Snapshot(), before) << machine.DescribeOperationLog();
    EXPECT_TRUE(machine.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, LookupTest,
    ::testing::Values(
        LookupCase{"ExistingDocument", L"E:\\docs\\existing.txt", kEditor, {}},
        LookupCase{"MissingNameGetsAPlaceholder", L"E:\\docs\\new.txt", kEditor, {L"E:\\docs\\new.txt"}},
        LookupCase{"SlashSeparators", L"E:/docs/new.html", kBrowser, {L"E:/docs/new.html"}},
        // "*.txt" has no separator: the directory part is "\", where no ".txt" exists, so
        // the question goes to a throw-away file in the program's drive root.
        LookupCase{"StarExtension", L"*.txt", kEditor, {L"E:\\zzzzzzzTemp_.txt"}},
        LookupCase{"StarExtensionInADirectory", L"E:\\nowhere\\*.html", kBrowser, {L"E:\\zzzzzzzTemp_.html"}},
        // Nothing registered: both lookups run and find nothing.
        LookupCase{"UnknownTypeFallsBackToItsExtension",
                   L"E:\\docs\\data.qqq",
                   L"",
                   {L"E:\\docs\\data.qqq", L"E:\\RunFileTmp.qqq"}},
        LookupCase{"ShortFilePartIsTakenWhole",
                   L"E:\\nowhere\\*qq",
                   L"",
                   {L"E:\\zzzzzzzTemp_qq", L"E:\\RunFileTmpqq"}},
        LookupCase{"DotlessFilePartIsTakenWhole",
                   L"E:\\nowhere\\*readme",
                   L"",
                   {L"E:\\zzzzzzzTemp_readme", L"E:\\RunFileTmpreadme"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunFileTest, TheFallbackFindsTheProgramWhenTheFirstLookupFails) {
    // No throw-away file of the first lookup's form can be used, so that lookup finds
    // nothing; the extension's own lookup answers.
    machine.FailPath(L"E:\\zzzzzzzTemp_.txt");
    for (int number = 2; number <= 8; ++number)
        machine.FailPath(L"E:\\zzzzzzzTemp" + std::to_wstring(number) + L"_.txt");
    EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\nowhere\\*.txt"), kEditor);
    EXPECT_EQ(Written(), std::vector<std::wstring>{L"E:\\RunFileTmp.txt"});
    EXPECT_TRUE(machine.FilesIn(L"E:\\").empty());
}

TEST_F(RunFileTest, ThrowAwayFilesNeverReplaceTheUsersFiles) {
    machine.AddFile(L"E:\\zzzzzzzTemp_.txt", "mine");
    machine.AddFile(L"E:\\zzzzzzzTemp2_.txt", "hidden", {.hidden = true});
    machine.AddDirectory(L"E:\\zzzzzzzTemp3_.txt");
    const auto before = machine.Snapshot();

    EXPECT_EQ(GetAssociatedProgram(platform, L"*.txt"), kEditor);
    EXPECT_EQ(machine.Snapshot(), before);
    EXPECT_EQ(Written().back(), L"E:\\zzzzzzzTemp4_.txt");
}

TEST_F(RunFileTest, AHiddenFileOfTheNameIsNeitherReplacedNorDeleted) {
    machine.AddFile(L"E:\\docs\\secret.txt", "keep", {.hidden = true});
    const auto before = machine.Snapshot();
    EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\docs\\secret.txt"), kEditor);
    EXPECT_EQ(machine.Snapshot(), before);
}

struct StarCase {
    const char* name;
    MessageAnswer answer;
    std::wstring program;
};

class InvalidCharactersTest : public RunFileTest, public ::testing::WithParamInterface<StarCase> {};

TEST_P(InvalidCharactersTest, AsksWhetherToGiveUp) {
    machine.AnswerNext(GetParam().answer);
    EXPECT_EQ(GetAssociatedProgram(platform, L"E:\\docs\\a*b.txt"), GetParam().program);

    ASSERT_EQ(machine.Messages().size(), 1u);
    const Message& question = machine.Messages()[0].message;
    EXPECT_EQ(question.text, L"a*b.txtEnthält ungültige Zeichen Abbrechen?");
    EXPECT_EQ(question.title, L"velmora") << "the program's own title";
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(machine.FilesIn(L"E:\\docs"), std::vector<std::wstring>{}) << "the placeholder is gone";
    EXPECT_EQ(machine.FilesIn(L"E:\\"), std::vector<std::wstring>{});
}

INSTANTIATE_TEST_SUITE_P(Answers, InvalidCharactersTest,
                         ::testing::Values(StarCase{"YesGivesUp", MessageAnswer::Yes, L""},
                                           StarCase{"NoGoesOn", MessageAnswer::No, kEditor}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(RunFileTest, OpenWebPageStartsTheBrowserQuotedWithTheAddress) {
    EXPECT_TRUE(OpenWebPage(platform, kAddress));
    ASSERT_EQ(machine.StartedPrograms().size(), 1u);
    EXPECT_EQ(machine.StartedPrograms()[0].commandLine,
              L"\"C:\\Program Files\\Browser\\browser.exe\" https://velmora.example.org/");
    EXPECT_EQ(Written(), std::vector<std::wstring>{L"E:\\Kavo00001.html"});
    EXPECT_TRUE(machine.FilesIn(L"E:\\").empty());
}

TEST_F(RunFileTest, ABrowserPathWithoutBlanksIsNotQuoted) {
    machine.SetAssociation(L".html", L"C:\\Tools\\web.exe");
    EXPECT_TRUE(OpenWebPage(platform, kAddress));
    ASSERT_EQ(machine.StartedPrograms().size(), 1u);
    EXPECT_EQ(machine.StartedPrograms()[0].commandLine, L"C:\\Tools\\web.exe https://velmora.example.org/");
}

TEST_F(RunFileTest, OpenWebPageKeepsAnExistingPageFileAndUsesAnotherName) {
    machine.AddFile(L"E:\\Kavo00001.html", "<p>mine</p>");
    EXPECT_TRUE(OpenWebPage(platform, kAddress));
    EXPECT_EQ(machine.FileBytes(L"E:\\Kavo00001.html"), "<p>mine</p>");
    EXPECT_EQ(machine.FilesIn(L"E:\\"), std::vector<std::wstring>{L"Kavo00001.html"});
    EXPECT_EQ(Written(), std::vector<std::wstring>{L"E:\\Kavo00002.html"});
    EXPECT_EQ(machine.StartedPrograms().size(), 1u);
}

TEST_F(RunFileTest, NoBrowserStartsNothing) {
    machine.SetAssociation(L".html", L"");
    EXPECT_FALSE(OpenWebPage(platform, kAddress));
    EXPECT_TRUE(machine.StartedPrograms().empty());
    EXPECT_TRUE(machine.FilesIn(L"E:\\").empty());
}

TEST_F(RunFileTest, AReadOnlyMediumOpensNothing) {
    machine.SetWriteProtected(L'E', true);
    EXPECT_FALSE(OpenWebPage(platform, kAddress));
    EXPECT_TRUE(machine.StartedPrograms().empty());
}

TEST_F(RunFileTest, AProgramOnANetworkShareOpensNothing) {
    machine.AddShare(L"\\\\server\\share");
    machine.SetProgramDirectory(L"\\\\server\\share\\TC");
    EXPECT_FALSE(OpenWebPage(platform, kAddress));
    EXPECT_TRUE(machine.StartedPrograms().empty());
}

// Whatever single operation fails, the user's files stay as they were, and every
// throw-away file is gone again unless deleting that very file was what failed.
TEST_F(RunFileTest, EveryFailureLeavesTheDriveRootClean) {
    machine.AddFile(L"E:\\Kavo00001.html", "mine");
    ASSERT_TRUE(OpenWebPage(platform, kAddress));
    const std::uint64_t operations = machine.OperationCount();
    ASSERT_GE(operations, 2u);  // the page file's write and removal

    for (std::uint64_t failing = 1; failing <= operations; ++failing) {
        sim::SimMachine run;
        run.AddDrive(L'E');
        run.SetProgramDirectory(L"E:\\TC");
        run.SetAssociation(L".html", kBrowser);
        run.AddFile(L"E:\\Kavo00001.html", "mine");
        Platform runPlatform = run.AsPlatform();
        run.FailOperation(failing);
        OpenWebPage(runPlatform, kAddress);

        EXPECT_EQ(run.FileBytes(L"E:\\Kavo00001.html"), "mine") << "operation " << failing;
        const auto& log = run.OperationLog();
        const bool removalFailed = std::any_of(log.begin(), log.end(), [&](const auto& operation) {
            return operation.number == failing && operation.kind == SimOperationKind::RemoveFile;
        });
        if (!removalFailed) {
            EXPECT_EQ(run.FilesIn(L"E:\\"), std::vector<std::wstring>{L"Kavo00001.html"})
                << "operation " << failing << "\n"
                << run.DescribeOperationLog();
        }
    }
}

}  // namespace
}  // namespace velmora
