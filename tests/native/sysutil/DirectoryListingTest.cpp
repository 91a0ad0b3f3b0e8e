// The recursive file listing of the Files object: which entries become lines, which are
// entered, the append rule, the stop request, and errors reported to the caller.
#include <gtest/gtest.h>

#include <algorithm>

#include "filedialog/Files.h"
#include "platform/sim/SimMachine.h"
#include "support/FakeFileDialogWindow.h"

namespace velmora {
namespace {

using sim::FileAttributes;
using sim::SimOperationKind;

constexpr wchar_t kTarget[] = L"E:\\list.txt";

// Entries come back in the order they were made.
void ArrangeTree(sim::SimMachine& machine) {
    machine.AddDrive(L'E');
    machine.AddFile(L"E:\\Tree\\a.txt", "");
    machine.AddFile(L"E:\\Tree\\Sub\\c.txt", "");
    machine.AddFile(L"E:\\Tree\\b.ini", "");
    machine.AddFile(kTarget, "old\r\n");
}

class DirectoryListingTest : public ::testing::Test {
protected:
    DirectoryListingTest() : platform(machine.AsPlatform()), files(platform, window) { ArrangeTree(machine); }

    bool List(std::wstring path, const std::wstring& pattern = L"*.*", bool append = false) {
        return files.ReadDirctoryStructureToFile(path, kTarget, pattern, append);
    }
    std::string Target() const { return machine.FileBytes(kTarget).value_or("<missing>"); }

    sim::SimMachine machine;
    Platform platform;
    testing_support::FakeFileDialogWindow window;
    Files files;
};

struct ListingCase {
    const char* name;
    std::wstring path;
    std::wstring pattern;
    std::string lines;
};

class ListingTest : public DirectoryListingTest, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(ListingTest, ReplacesTheTargetWithOneLinePerFile) {
    EXPECT_TRUE(List(GetParam().path, GetParam().pattern));
    EXPECT_EQ(Target(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, ListingTest,
    ::testing::Values(ListingCase{"WholeTreeInSearchOrder", L"E:\\Tree", L"*.*",
                                  "E:\\Tree\\a.txt\r\nE:\\Tree\\Sub\\c.txt\r\nE:\\Tree\\b.ini\r\n"},
                      ListingCase{"PatternAlsoChoosesSubdirectories", L"E:\\Tree\\", L"*.txt",
                                  "E:\\Tree\\a.txt\r\n"},
                      ListingCase{"EmptyPatternFindsNothing", L"E:\\Tree", L"", ""},
                      ListingCase{"MissingDirectory", L"E:\\Nowhere", L"*.*", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DirectoryListingTest, AppendsOnlyWhenAskedAndGivesThePathItsSeparator) {
    std::wstring path = L"E:\\Tree\\Sub";
    EXPECT_TRUE(files.ReadDirctoryStructureToFile(path, kTarget, L"*", true));
    EXPECT_EQ(path, L"E:\\Tree\\Sub\\");
    EXPECT_EQ(Target(), "old\r\nE:\\Tree\\Sub\\c.txt\r\n");
    EXPECT_TRUE(List(L"E:\\Nowhere", L"*.*", true));
    EXPECT_EQ(Target(), "old\r\nE:\\Tree\\Sub\\c.txt\r\n");
    EXPECT_TRUE(List(L"E:\\Tree\\Sub", L"*.*", false));
    EXPECT_EQ(Target(), "E:\\Tree\\Sub\\c.txt\r\n");
}

struct DirectoryAttributeCase {
    FileAttributes attributes;
    bool entered;
};

class DirectoryAttributeTest : public DirectoryListingTest,
                               public ::testing::WithParamInterface<DirectoryAttributeCase> {};

// Only the exact values 16, 17, 20, 22, 48 and 49 are entered; others are written as files.
TEST_P(DirectoryAttributeTest, EntersOnlyTheListedAttributeValues) {
    machine.SetAttributes(L"E:\\Tree\\Sub", GetParam().attributes);
    EXPECT_TRUE(List(L"E:\\Tree"));
    const std::string sub = GetParam().entered ? "E:\\Tree\\Sub\\c.txt\r\n" : "E:\\Tree\\Sub\r\n";
    EXPECT_EQ(Target(), "E:\\Tree\\a.txt\r\n" + sub + "E:\\Tree\\b.ini\r\n");
}

INSTANTIATE_TEST_SUITE_P(Values, DirectoryAttributeTest,
                         ::testing::Values(DirectoryAttributeCase{{}, true},
                                           DirectoryAttributeCase{{.readOnly = true}, true},
                                           DirectoryAttributeCase{{.system = true}, true},
                                           DirectoryAttributeCase{{.hidden = true, .system = true}, true},
                                           DirectoryAttributeCase{{.archive = true}, true},
                                           DirectoryAttributeCase{{.readOnly = true, .archive = true}, true},
                                           DirectoryAttributeCase{{.hidden = true}, false},
                                           DirectoryAttributeCase{{.readOnly = true, .system = true}, false},
                                           DirectoryAttributeCase{{.hidden = true, .archive = true}, false}));

TEST_F(DirectoryListingTest, AStopEndsOnlyTheLevelThatSeesIt) {
    // A handler of the messages pending at the third directory entry (".", "..", Sub)
    // asks to stop: Sub ends at its first entry, the top level goes on.
    int pumps = 0;
    machine.OnPendingMessages([&] {
        if (++pumps == 3) files.RequestStopListing();
    });
    EXPECT_TRUE(List(L"E:\\Tree"));
    EXPECT_EQ(Target(), "E:\\Tree\\a.txt\r\nE:\\Tree\\b.ini\r\n");
    EXPECT_FALSE(files.State().StopListing);

    machine.OnPendingMessages({});
    files.RequestStopListing();
    EXPECT_TRUE(List(L"E:\\Tree"));
    EXPECT_EQ(Target(), "");
    EXPECT_FALSE(files.State().StopListing);
}

// Every failure of the target's preparation or writing ends the listing with an error;
// a failing search only leaves its directory out.
TEST_F(DirectoryListingTest, ReportsExactlyTheFailuresOfTheTarget) {
    List(L"E:\\Tree");
    const std::uint64_t operations = machine.OperationCount();
    for (std::uint64_t failing = 1; failing <= operations; ++failing) {
        sim::SimMachine fresh;
        ArrangeTree(fresh);
        fresh.FailOperation(failing);
        Platform freshPlatform = fresh.AsPlatform();
        bool stop = false;
        std::wstring path = L"E:\\Tree";
        const bool completed = ReadDirctoryStructureToFile(freshPlatform, stop, path, kTarget, L"*.*", false);
        const auto& log = fresh.OperationLog();
        const auto failed = std::find_if(log.begin(), log.end(), [](const auto& op) { return op.injected; });
        ASSERT_NE(failed, log.end());
        const bool targetFailed = failed->kind != SimOperationKind::FindEntries;
        EXPECT_EQ(completed, !targetFailed) << fresh.DescribeOperationLog();
    }
}

}  // namespace
}  // namespace velmora
