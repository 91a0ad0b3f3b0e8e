#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"

namespace velmora::sim {
namespace {

const Message kQuestion{L"Title", L"Import?", MessageButtons::YesNo, MessageIcon::Question};
const Message kNotice{L"File not found!", L"Total Commander not found!", MessageButtons::Ok,
                      MessageIcon::Information};

TEST(SimUserInterfaceTest, AnswersFromTheScriptInOrderThenByDefault) {
    SimMachine machine;
    machine.AnswerNext(MessageAnswer::Yes);
    machine.AnswerNext(MessageAnswer::Ok);
    EXPECT_EQ(machine.ShowMessage(kQuestion), MessageAnswer::Yes);
    EXPECT_EQ(machine.ShowMessage(kNotice), MessageAnswer::Ok);
    EXPECT_EQ(machine.ShowMessage(kQuestion), MessageAnswer::No);
    EXPECT_EQ(machine.ShowMessage(kNotice), MessageAnswer::Ok);
    ASSERT_EQ(machine.Messages().size(), 4u);
    EXPECT_EQ(machine.Messages()[1].message.title, L"File not found!");
    EXPECT_EQ(machine.Messages()[1].message.icon, MessageIcon::Information);
    EXPECT_EQ(machine.Messages()[2].answer, MessageAnswer::No);
    EXPECT_EQ(machine.MismatchedAnswers(), 0);
}

TEST(SimUserInterfaceTest, AnswerThatDoesNotFitTheBoxCountsAsMismatch) {
    SimMachine machine;
    machine.AnswerNext(MessageAnswer::Yes);
    machine.AnswerNext(MessageAnswer::Yes);
    EXPECT_EQ(machine.ShowMessage(kNotice), MessageAnswer::Ok);
    EXPECT_EQ(machine.MismatchedAnswers(), 1);
    EXPECT_EQ(machine.UnusedAnswers(), 1u);
}

TEST(SimUserInterfaceTest, CountsBeeps) {
    SimMachine machine;
    machine.SystemBeep();
    machine.SystemBeep();
    EXPECT_EQ(machine.BeepCount(), 2);
}

TEST(SimProcessTest, RecordsStartsWithTheCurrentDirectory) {
    SimMachine machine;
    machine.AddDrive(L'E');
    machine.AddDirectory(L"E:\\TC");
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    EXPECT_TRUE(machine.StartProgram(L"E:\\TC\\Totalcmd.exe  /i=x"));
    machine.FailProgramStarts(true);
    EXPECT_FALSE(machine.StartProgram(L"other"));
    ASSERT_EQ(machine.StartedPrograms().size(), 2u);
    const StartedProgram& first = machine.StartedPrograms()[0];
    EXPECT_EQ(first.commandLine, L"E:\\TC\\Totalcmd.exe  /i=x");
    EXPECT_EQ(first.currentDirectory, L"E:\\TC");
    EXPECT_EQ(first.showState, ProcessEnvironment::kShowNormal);
    EXPECT_TRUE(first.started);
    EXPECT_FALSE(machine.StartedPrograms()[1].started);
}

TEST(SimProcessTest, ReportsWhatTheTestSet) {
    SimMachine machine;
    EXPECT_EQ(machine.ProgramName(), L"velmora");
    machine.SetCommandLineTail(L"/?");
    machine.SetProgramDirectory(L"E:\\");
    machine.SetProgramName(L"tcm");
    machine.SetSpecialFolder(0x10, L"C:\\Users\\u\\Desktop");
    EXPECT_EQ(machine.CommandLineTail(), L"/?");
    EXPECT_EQ(machine.ProgramDirectory(), L"E:\\");
    EXPECT_EQ(machine.ProgramName(), L"tcm");
    EXPECT_EQ(machine.SpecialFolderPath(0x10), L"C:\\Users\\u\\Desktop");
    EXPECT_EQ(machine.SpecialFolderPath(0x05), L"");
}

TEST(Latin1CodePageTest, EncodesLatin1AndRefusesTheRest) {
    SimMachine machine;
    EXPECT_EQ(machine.Encode(L"caf\u00e9\u00ff"), "caf\xe9\xff");
    EXPECT_EQ(machine.Encode(L"\u20ac"), std::nullopt);
    EXPECT_EQ(machine.Decode("\xe9\x80"), L"\u00e9\u0080");
    EXPECT_EQ(machine.Decode(std::string_view("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(SimMachineTest, ServesAsTheWholePlatform) {
    SimMachine machine;
    Platform platform = machine.AsPlatform();
    EXPECT_EQ(&platform.files, static_cast<FileSystem*>(&machine));
    EXPECT_EQ(platform.files.CurrentDirectory(), L"C:\\");
}

}  // namespace
}  // namespace velmora::sim
