#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPath.h"

namespace velmora::sim {
namespace {

struct ResolveCase {
    const wchar_t* text;
    const wchar_t* expected;  // nullptr: not a valid path
};

class ResolvePathTest : public testing::TestWithParam<ResolveCase> {};

// E: is current at E:\TC; D: remembers D:\Data; F: has never been current.
SimWorkingDirectories Directories() {
    SimWorkingDirectories directories;
    directories.Set(SimPath{L"D:", {L"Data"}});
    directories.Set(SimPath{L"E:", {L"TC"}});
    return directories;
}

TEST_P(ResolvePathTest, ResolvesAsWindowsDoes) {
    std::optional<SimPath> resolved = ResolvePath(GetParam().text, Directories());
    if (GetParam().expected == nullptr) {
        EXPECT_FALSE(resolved.has_value()) << resolved->Display();
    } else {
        ASSERT_TRUE(resolved.has_value());
        EXPECT_EQ(resolved->Display(), GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ResolvePathTest,
    testing::Values(ResolveCase{L"E:\\x", L"E:\\x"}, ResolveCase{L"e:/A/b", L"e:\\A\\b"},
                    ResolveCase{L"E:x", L"E:\\TC\\x"}, ResolveCase{L"D:x", L"D:\\Data\\x"},
                    ResolveCase{L"D:", L"D:\\Data"}, ResolveCase{L"F:x", L"F:\\x"},
                    ResolveCase{L"\\x", L"E:\\x"}, ResolveCase{L"x", L"E:\\TC\\x"},
                    ResolveCase{L"..\\x", L"E:\\x"}, ResolveCase{L"..\\..\\..\\x", L"E:\\x"},
                    ResolveCase{L".\\a\\.\\b\\", L"E:\\TC\\a\\b"}, ResolveCase{L"a\\\\b", L"E:\\TC\\a\\b"},
                    ResolveCase{L"E:\\", L"E:\\"}, ResolveCase{L"\\\\srv\\share\\a", L"\\\\srv\\share\\a"},
                    ResolveCase{L"//srv/share/a/../b", L"\\\\srv\\share\\b"}, ResolveCase{L"", nullptr},
                    ResolveCase{L"\"E:\\TC\"", nullptr}, ResolveCase{L"a|b", nullptr},
                    ResolveCase{L"E:\\a:b", nullptr}, ResolveCase{L"\\\\srv", nullptr},
                    ResolveCase{L"\\\\srv\\", nullptr}));

class WorkingDirectoryTest : public testing::Test {
protected:
    WorkingDirectoryTest() {
        machine.AddDrive(L'D');
        machine.AddDrive(L'E');
        machine.AddDirectory(L"D:\\Data");
        machine.AddDirectory(L"E:\\TC\\Plugins");
    }
    SimMachine machine;
};

TEST_F(WorkingDirectoryTest, StartsAtTheRootOfC) {
    EXPECT_EQ(machine.CurrentDirectory(), L"C:\\");
}

TEST_F(WorkingDirectoryTest, ChangeDirectoryAlsoMakesItsDriveCurrent) {
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC");
    ASSERT_TRUE(machine.ChangeDirectory(L"D:\\Data\\"));
    EXPECT_EQ(machine.CurrentDirectory(), L"D:\\Data");
}

TEST_F(WorkingDirectoryTest, EachDriveRemembersItsOwnDirectory) {
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    ASSERT_TRUE(machine.ChangeDirectory(L"D:\\Data"));
    ASSERT_TRUE(machine.ChangeDrive(L'e'));
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC");
    ASSERT_TRUE(machine.ChangeDirectory(L"Plugins"));
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC\\Plugins");
    ASSERT_TRUE(machine.ChangeDrive(L'D'));
    EXPECT_EQ(machine.CurrentDirectory(), L"D:\\Data");
}

TEST_F(WorkingDirectoryTest, DriveRelativePathUsesThatDrivesDirectory) {
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    machine.AddFile(L"E:\\TC\\wincmd.ini", "x");
    ASSERT_TRUE(machine.ChangeDirectory(L"D:\\Data"));
    EXPECT_TRUE(machine.FileExists(L"E:wincmd.ini"));
    EXPECT_FALSE(machine.FileExists(L"wincmd.ini"));
}

TEST_F(WorkingDirectoryTest, ANeverVisitedDriveStartsAtItsRoot) {
    ASSERT_TRUE(machine.ChangeDrive(L'E'));
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\");
}

TEST_F(WorkingDirectoryTest, RefusalsLeaveTheCurrentDirectory) {
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    machine.AddFile(L"E:\\TC\\file.txt", "");
    EXPECT_FALSE(machine.ChangeDirectory(L"E:\\Missing"));
    EXPECT_FALSE(machine.ChangeDirectory(L"E:\\TC\\file.txt"));
    EXPECT_FALSE(machine.ChangeDirectory(L"Q:\\"));
    EXPECT_FALSE(machine.ChangeDrive(L'Q'));
    EXPECT_FALSE(machine.ChangeDrive(L'1'));
    EXPECT_EQ(machine.CurrentDirectory(), L"E:\\TC");
}

TEST_F(WorkingDirectoryTest, ReportsTheSpellingItWasGiven) {
    ASSERT_TRUE(machine.ChangeDirectory(L"e:/tc/plugins/.."));
    EXPECT_EQ(machine.CurrentDirectory(), L"e:\\tc");
}

TEST_F(WorkingDirectoryTest, ShareCanBeCurrentAndRootsRelativePaths) {
    machine.AddShare(L"\\\\srv\\share");
    machine.AddDirectory(L"\\\\srv\\share\\TC");
    ASSERT_TRUE(machine.ChangeDirectory(L"\\\\srv\\share\\TC"));
    EXPECT_EQ(machine.CurrentDirectory(), L"\\\\srv\\share\\TC");
    ASSERT_TRUE(machine.ChangeDirectory(L"\\"));
    EXPECT_EQ(machine.CurrentDirectory(), L"\\\\srv\\share\\");
    ASSERT_TRUE(machine.ChangeDrive(L'D'));
    EXPECT_EQ(machine.CurrentDirectory(), L"D:\\");
}

TEST_F(WorkingDirectoryTest, NamesAreCaseInsensitiveAndKeepTheirSpelling) {
    machine.AddFile(L"E:\\TC\\WinCmd.ini", "x");
    EXPECT_TRUE(machine.FileExists(L"e:\\tc\\WINCMD.INI"));
    EXPECT_TRUE(machine.Snapshot().contains(L"E:\\TC\\WinCmd.ini"));
    ASSERT_TRUE(machine.WriteFileBytes(L"E:\\tc\\wincmd.INI", "y"));
    EXPECT_EQ(machine.FilesIn(L"E:\\TC"), std::vector<std::wstring>{L"WinCmd.ini"});
}

TEST_F(WorkingDirectoryTest, HelpersRefuseWhatCannotBePlaced) {
    EXPECT_THROW(machine.AddFile(L"Q:\\x", ""), std::invalid_argument);
    EXPECT_THROW(machine.AddFile(L"E:\\TC", ""), std::invalid_argument);
    machine.AddFile(L"E:\\file", "");
    EXPECT_THROW(machine.AddDirectory(L"E:\\file\\sub"), std::invalid_argument);
}

}  // namespace
}  // namespace velmora::sim
