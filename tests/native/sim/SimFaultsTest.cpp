#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"

namespace velmora::sim {
namespace {

void Arrange(SimMachine& machine) {
    machine.AddDrive(L'E');
    machine.AddFile(L"E:\\TC\\wincmd.ini", "[S]\r\nk=v\r\n");
}

// A small scenario with one of each numbered kind, in a known order.
void RunScenario(SimMachine& machine) {
    machine.FileExists(L"E:\\TC\\wincmd.ini");
    machine.ReadFileBytes(L"E:\\TC\\wincmd.ini");
    machine.CopyNewFile(L"E:\\TC\\wincmd.ini", L"E:\\TC\\copy.ini");
    machine.WriteFileBytes(L"E:\\TC\\temp.txt", "0123456789");
    machine.MoveReplacing(L"E:\\TC\\temp.txt", L"E:\\TC\\copy.ini");
    machine.ChangeDirectory(L"E:\\TC");
    machine.ListSubdirectories(L"E:\\");
    machine.ReadProfileString(L"S", L"k", L"E:\\TC\\wincmd.ini");
    machine.WriteProfileString(L"S", L"k", L"w", L"E:\\TC\\wincmd.ini");
    machine.RemoveFile(L"E:\\TC\\copy.ini");
}

TEST(SimFaultsTest, NumbersOnlyOperationsThatReadOrChangeFiles) {
    SimMachine machine;
    Arrange(machine);
    EXPECT_EQ(machine.OperationCount(), 0u);
    RunScenario(machine);
    EXPECT_EQ(machine.OperationCount(), 8u);
    EXPECT_EQ(machine.OperationLog().size(), 10u);
    EXPECT_EQ(machine.OperationLog()[0].number, 0u);
    EXPECT_EQ(machine.OperationLog()[1].kind, SimOperationKind::ReadFile);
    EXPECT_EQ(machine.OperationLog()[1].number, 1u);
}

TEST(SimFaultsTest, SweepFailsEachOperationExactlyOnce) {
    SimMachine reference;
    Arrange(reference);
    RunScenario(reference);
    for (std::uint64_t n = 1; n <= reference.OperationCount(); ++n) {
        SimMachine machine;
        Arrange(machine);
        machine.FailOperation(n);
        RunScenario(machine);
        int failed = 0;
        for (const SimOperation& operation : machine.OperationLog()) {
            if (operation.injected) {
                ++failed;
                EXPECT_EQ(operation.number, n);
                EXPECT_FALSE(operation.succeeded);
            }
        }
        EXPECT_EQ(failed, 1) << machine.DescribeOperationLog();
    }
}

TEST(SimFaultsTest, InjectedFailureChangesNothing) {
    SimMachine machine;
    Arrange(machine);
    SimSnapshot before = machine.Snapshot();
    for (std::uint64_t n = 1; n <= 4; ++n) {
        machine.FailOperation(n);
    }
    EXPECT_FALSE(machine.WriteFileBytes(L"E:\\TC\\wincmd.ini", "x"));
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", L"E:\\TC\\wincmd.ini"));
    EXPECT_FALSE(machine.CopyNewFile(L"E:\\TC\\wincmd.ini", L"E:\\TC\\copy.ini"));
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"E:\\TC\\wincmd.ini"), L"");
    EXPECT_EQ(machine.Snapshot(), before);
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"E:\\TC\\wincmd.ini"), L"v");
}

TEST(SimFaultsTest, MidwayFailureLeavesHalfTheBytes) {
    SimMachine machine;
    Arrange(machine);
    machine.FailOperation(1, InjectedFailure::Midway);
    machine.FailOperation(2, InjectedFailure::Midway);
    EXPECT_FALSE(machine.WriteFileBytes(L"E:\\TC\\wincmd.ini", "0123456789"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), "01234");
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"v", L"E:\\TC\\new.ini"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\new.ini"), "[S]\r\n");
}

TEST(SimFaultsTest, MidwayFailureOfAWriteThatWouldBeRefusedChangesNothing) {
    SimMachine machine;
    Arrange(machine);
    machine.SetReadOnly(L"E:\\TC\\wincmd.ini", true);
    machine.FailOperation(1, InjectedFailure::Midway);
    EXPECT_FALSE(machine.WriteFileBytes(L"E:\\TC\\wincmd.ini", "0123456789"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\wincmd.ini"), "[S]\r\nk=v\r\n");
}

TEST(SimFaultsTest, FailPathFailsEveryOperationOnThatPathButNotTheListing) {
    SimMachine machine;
    Arrange(machine);
    machine.FailPath(L"e:\\tc\\WINCMD.ini");
    EXPECT_TRUE(machine.FileExists(L"E:\\TC\\wincmd.ini"));
    EXPECT_EQ(machine.ReadFileBytes(L"E:\\TC\\wincmd.ini"), std::nullopt);
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"E:\\TC\\wincmd.ini"), L"");
    EXPECT_FALSE(machine.CopyNewFile(L"E:\\TC\\wincmd.ini", L"E:\\TC\\copy.ini"));
    EXPECT_FALSE(machine.RemoveFile(L"E:\\TC\\wincmd.ini"));
    EXPECT_TRUE(machine.WriteFileBytes(L"E:\\TC\\other.ini", "x"));
    EXPECT_FALSE(machine.MoveReplacing(L"E:\\TC\\other.ini", L"E:\\TC\\wincmd.ini"));
}

TEST(SimFaultsTest, LogNamesKindsPathsAndOutcomes) {
    SimMachine machine;
    Arrange(machine);
    machine.FailOperation(2);
    machine.ReadFileBytes(L"E:\\TC\\wincmd.ini");
    machine.CopyNewFile(L"E:\\TC\\wincmd.ini", L"E:\\TC\\copy.ini");
    EXPECT_EQ(machine.DescribeOperationLog(),
              L"1: ReadFileBytes E:\\TC\\wincmd.ini\n"
              L"2: CopyNewFile E:\\TC\\wincmd.ini -> E:\\TC\\copy.ini  FAILED (injected)\n");
}

}  // namespace
}  // namespace velmora::sim
