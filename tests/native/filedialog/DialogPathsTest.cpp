// The values the dialog derives from its arguments, and the rows of the directory list.
#include <gtest/gtest.h>

#include "common/Paths.h"
#include "filedialog/DialogPaths.h"
#include "filedialog/DirectoryTree.h"

namespace velmora {
namespace {

TEST(DialogPathsTest, ExtensionPatternTakesWhateverFollowsTheLastDotOrBackslash) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Default.bar", L"*.bar"}, {L"*.*", L"*.*"},    {L"C:\\x\\readme", L"*.readme"},
        {L"readme", L""},           {L"a.b\\c", L"*.c"}, {L"", L""},
        {L"name.", L"*."},
    };
    for (const auto& [name, pattern] : cases)
        EXPECT_EQ(ExtensionPattern(name), pattern) << "for " << ::testing::PrintToString(name);
}

TEST(DialogPathsTest, PathPartsAndSeparators) {
    EXPECT_EQ(LastPathPart(L"C:/Apps/*.bar"), L"*.bar");
    EXPECT_EQ(LastPathPart(L"C:\\Apps\\"), L"");
    EXPECT_EQ(LastPathPart(L"plain"), L"");

    EXPECT_EQ(CutAtLastBackslash(L"C:\\Apps\\"), L"C:\\Apps");
    EXPECT_EQ(CutAtLastBackslash(L"C:\\"), L"C:");
    EXPECT_EQ(CutAtLastBackslash(L"plain"), L"plain");

    EXPECT_EQ(WithSeparator(L"C:\\"), L"C:\\");
    EXPECT_EQ(WithSeparator(L""), L"");
    EXPECT_EQ(EndingInBackslash(L""), L"\\");

    EXPECT_TRUE(HasWildcard(L"a?.ini"));
    EXPECT_FALSE(HasWildcard(L"a.ini"));
}

TEST(DialogPathsTest, OpenCaptionAppendsThePatternBehindFourBlanks) {
    EXPECT_EQ(OpenDialogCaption(L"", L""), L"Open File");
    EXPECT_EQ(OpenDialogCaption(L"Pick", L""), L"Pick");
    EXPECT_EQ(OpenDialogCaption(L"", L"readme"), L"Open File    (\"\")");
}

TEST(DirectoryTreeTest, RowsShowAncestorsOpenAndSubdirectoriesSortedBelow) {
    const auto rows = DirectoryRows(L"E:\\TC\\Sub", {L"zeta", L"Alpha", L"beta"});
    const std::vector<DirectoryRow> expected{
        {L"E:\\", 0, true},   {L"TC", 1, true},    {L"Sub", 2, true},
        {L"Alpha", 3, false}, {L"beta", 3, false}, {L"zeta", 3, false},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(CurrentDirectoryRow(rows), 2u);

    EXPECT_EQ(DirectoryOfRow(rows, 0), L"E:\\");
    EXPECT_EQ(DirectoryOfRow(rows, 1), L"E:\\TC");
    EXPECT_EQ(DirectoryOfRow(rows, 2), L"E:\\TC\\Sub");
    EXPECT_EQ(DirectoryOfRow(rows, 4), L"E:\\TC\\Sub\\beta");
    EXPECT_EQ(DirectoryOfRow(rows, 6), std::nullopt);
}

TEST(DirectoryTreeTest, RootRowsAndShares) {
    const auto root = DirectoryRows(L"C:\\", {L"Windows"});
    EXPECT_EQ(root, (std::vector<DirectoryRow>{{L"C:\\", 0, true}, {L"Windows", 1, false}}));
    EXPECT_EQ(DirectoryOfRow(root, 1), L"C:\\Windows");

    const auto share = DirectoryRows(L"\\\\server\\share\\x", {});
    EXPECT_EQ(share, (std::vector<DirectoryRow>{{L"\\\\server\\share\\", 0, true}, {L"x", 1, true}}));
    EXPECT_EQ(DirectoryOfRow(share, 1), L"\\\\server\\share\\x");
}

}  // namespace
}  // namespace velmora
