#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/SimMachine.h"

namespace velmora::sim {
namespace {

class SimFileSystemTest : public testing::Test {
protected:
    SimFileSystemTest() {
        machine.AddDrive(L'E');
        machine.AddDrive(L'F');
        machine.AddFile(L"E:\\TC\\wincmd.ini", "old");
        machine.AddFile(L"E:\\TC\\locked.ini", "locked", {.readOnly = true});
        machine.AddFile(L"E:\\TC\\hidden.ini", "hidden", {.hidden = true});
        machine.AddDirectory(L"E:\\TC\\Plugins");
    }

    // Runs a refused operation and checks that it left the tree as it was.
    void ExpectRefusedWithoutChange(const std::function<bool()>& operation) {
        SimSnapshot before = machine.Snapshot();
        EXPECT_FALSE(operation());
        EXPECT_EQ(machine.Snapshot(), before);
    }

    SimMachine machine;
};

struct ExistsCase {
    FileAttributes attributes;
    bool exists;
};

class FileExistsTest : public testing::TestWithParam<ExistsCase> {};

TEST_P(FileExistsTest, OnlyVisibleNormalFilesExist) {
    SimMachine machine;
    machine.AddFile(L"C:\\f.txt", "x", GetParam().attributes);
    EXPECT_EQ(machine.FileExists(L"C:\\f.txt"), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Attributes, FileExistsTest,
                         testing::Values(ExistsCase{{}, true}, ExistsCase{{.readOnly = true}, true},
                                         ExistsCase{{.hidden = true}, false},
                                         ExistsCase{{.system = true}, false}));

TEST_F(SimFileSystemTest, DirectoriesAndMissingFilesDoNotExist) {
    EXPECT_FALSE(machine.FileExists(L"E:\\TC\\Plugins"));
    EXPECT_FALSE(machine.FileExists(L"E:\\TC\\missing.ini"));
    EXPECT_FALSE(machine.FileExists(L"Q:\\TC\\wincmd.ini"));
    EXPECT_FALSE(machine.FileExists(L""));
}

TEST_F(SimFileSystemTest, ReadsFilesWhateverTheirAttributes) {
    EXPECT_EQ(machine.ReadFileBytes(L"E:\\TC\\wincmd.ini"), "old");
    EXPECT_EQ(machine.ReadFileBytes(L"E:\\TC\\hidden.ini"), "hidden");
    EXPECT_EQ(machine.ReadFileBytes(L"E:\\TC\\missing.ini"), std::nullopt);
    EXPECT_EQ(machine.ReadFileBytes(L"E:\\TC\\Plugins"), std::nullopt);
}

TEST_F(SimFileSystemTest, WriteCreatesOrTruncatesButSparesHiddenFiles) {
    ASSERT_TRUE(machine.WriteFileBytes(L"E:\\TC\\new.ini", "a\r\nb"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\new.ini"), "a\r\nb");
    ASSERT_TRUE(machine.WriteFileBytes(L"E:\\TC\\new.ini", ""));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\new.ini"), "");
    EXPECT_FALSE(machine.WriteFileBytes(L"E:\\TC\\hidden.ini", ""));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\hidden.ini"), "hidden");
}

TEST_F(SimFileSystemTest, WriteRefusals) {
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\TC\\Plugins", "x"); });
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\Missing\\a.ini", "x"); });
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\TC\\locked.ini", "x"); });
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\", "x"); });
    machine.SetWriteProtected(L'E', true);
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\TC\\wincmd.ini", "x"); });
    ExpectRefusedWithoutChange([&] { return machine.WriteFileBytes(L"E:\\TC\\new.ini", "x"); });
}

TEST_F(SimFileSystemTest, CopyTakesBytesAndAttributesAlong) {
    ASSERT_TRUE(machine.CopyNewFile(L"E:\\TC\\locked.ini", L"F:\\copy.ini"));
    EXPECT_EQ(machine.FileBytes(L"F:\\copy.ini"), "locked");
    EXPECT_EQ(machine.Attributes(L"F:\\copy.ini"), FileAttributes{.readOnly = true});
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\locked.ini"), "locked");
}

TEST_F(SimFileSystemTest, CopyRefusals) {
    auto copy = [&](const wchar_t* from, const wchar_t* to) {
        ExpectRefusedWithoutChange([&] { return machine.CopyNewFile(from, to); });
    };
    copy(L"E:\\TC\\wincmd.ini", L"E:\\TC\\locked.ini");
    copy(L"E:\\TC\\wincmd.ini", L"E:\\TC\\HIDDEN.ini");
    copy(L"E:\\TC\\wincmd.ini", L"E:\\TC\\Plugins");
    copy(L"E:\\TC\\missing.ini", L"F:\\copy.ini");
    copy(L"E:\\TC\\Plugins", L"F:\\copy");
    copy(L"E:\\TC\\wincmd.ini", L"F:\\Missing\\copy.ini");
    machine.SetWriteProtected(L"F:", true);
    copy(L"E:\\TC\\wincmd.ini", L"F:\\copy.ini");
    machine.SetWriteProtected(L'E', true);
    machine.SetWriteProtected(L'F', false);
    EXPECT_TRUE(machine.CopyNewFile(L"E:\\TC\\wincmd.ini", L"F:\\copy.ini"));
}

TEST_F(SimFileSystemTest, RemoveDeletesOnlyWritableFiles) {
    ASSERT_TRUE(machine.RemoveFile(L"E:\\TC\\hidden.ini"));
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\hidden.ini"));
    ExpectRefusedWithoutChange([&] { return machine.RemoveFile(L"E:\\TC\\locked.ini"); });
    ExpectRefusedWithoutChange([&] { return machine.RemoveFile(L"E:\\TC\\Plugins"); });
    ExpectRefusedWithoutChange([&] { return machine.RemoveFile(L"E:\\TC\\missing.ini"); });
    machine.SetWriteProtected(L'E', true);
    ExpectRefusedWithoutChange([&] { return machine.RemoveFile(L"E:\\TC\\wincmd.ini"); });
}

TEST_F(SimFileSystemTest, MoveReplacesTheDestination) {
    machine.AddFile(L"E:\\TC\\wincmd.ini_temp2.txt", "new");
    ASSERT_TRUE(machine.MoveReplacing(L"E:\\TC\\wincmd.ini_temp2.txt", L"E:\\TC\\WINCMD.INI"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), "new");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\wincmd.ini_temp2.txt"));
    EXPECT_TRUE(machine.Snapshot().contains(L"E:\\TC\\WINCMD.INI"));
    ASSERT_TRUE(machine.MoveReplacing(L"E:\\TC\\wincmd.ini", L"E:\\TC\\Plugins\\moved.ini"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\Plugins\\moved.ini"), "new");
}

TEST_F(SimFileSystemTest, MoveRefusals) {
    machine.AddFile(L"E:\\TC\\temp.txt", "new");
    machine.AddFile(L"F:\\other.ini", "other");
    auto move = [&](const wchar_t* from, const wchar_t* to) {
        ExpectRefusedWithoutChange([&] { return machine.MoveReplacing(from, to); });
    };
    move(L"E:\\TC\\temp.txt", L"E:\\TC\\locked.ini");
    move(L"E:\\TC\\temp.txt", L"E:\\TC\\Plugins");
    move(L"E:\\TC\\missing.txt", L"E:\\TC\\wincmd.ini");
    move(L"E:\\TC\\Plugins", L"E:\\TC\\wincmd.ini");
    move(L"E:\\TC\\temp.txt", L"F:\\other.ini");
    move(L"E:\\TC\\temp.txt", L"E:\\Missing\\wincmd.ini");
    machine.SetWriteProtected(L'E', true);
    move(L"E:\\TC\\temp.txt", L"E:\\TC\\wincmd.ini");
}

TEST_F(SimFileSystemTest, ListsSubdirectoriesInCreationOrderIncludingHiddenOnes) {
    machine.AddDirectory(L"E:\\TC\\Zeta");
    machine.AddDirectory(L"E:\\TC\\Alpha", {.hidden = true});
    machine.AddDirectory(L"E:\\TC\\Zeta\\Deeper");
    EXPECT_EQ(machine.ListSubdirectories(L"E:\\tc"),
              (std::vector<std::wstring>{L"Plugins", L"Zeta", L"Alpha"}));
    EXPECT_EQ(machine.ListSubdirectories(L"E:\\"), std::vector<std::wstring>{L"TC"});
    EXPECT_EQ(machine.ListSubdirectories(L"E:\\Missing"), std::nullopt);
    EXPECT_EQ(machine.ListSubdirectories(L"E:\\TC\\wincmd.ini"), std::nullopt);
}

TEST_F(SimFileSystemTest, FilesInNamesOnlyFilesSorted) {
    EXPECT_EQ(machine.FilesIn(L"E:\\TC"),
              (std::vector<std::wstring>{L"hidden.ini", L"locked.ini", L"wincmd.ini"}));
    EXPECT_TRUE(machine.FilesIn(L"E:\\Missing").empty());
}

TEST_F(SimFileSystemTest, SetReadOnlyChangesOnlyThatFlag) {
    machine.SetReadOnly(L"E:\\TC\\hidden.ini", true);
    EXPECT_EQ(machine.Attributes(L"E:\\TC\\hidden.ini"), (FileAttributes{.readOnly = true, .hidden = true}));
    EXPECT_FALSE(machine.RemoveFile(L"E:\\TC\\hidden.ini"));
}

}  // namespace
}  // namespace velmora::sim
