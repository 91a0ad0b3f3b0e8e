// The Files object's small file utilities: creation date, move, short and long path
// forms, and running a program or a document.
#include <gtest/gtest.h>

#include "filedialog/Files.h"
#include "platform/sim/SimMachine.h"
#include "support/FakeFileDialogWindow.h"

namespace velmora {
namespace {

constexpr wchar_t kEditor[] = L"C:\\Program Files\\Editor\\edit.exe";

class FileUtilitiesTest : public ::testing::Test {
protected:
    FileUtilitiesTest() : platform(machine.AsPlatform()), files(platform, window) {
        machine.AddDrive(L'D');
        machine.AddDrive(L'E');
        machine.AddFile(L"E:\\src.txt", "src");
        machine.AddFile(L"E:\\Long Folder Name\\notes.txt", "");
        machine.AddDirectory(L"E:\\Work");
        machine.AddFile(L"E:\\My Docs\\read me.txt", "");
        machine.AddFile(L"E:\\docs\\a.txt", "");
        machine.AddFile(L"E:\\docs\\b.xyz", "");
        machine.AddDirectory(L"C:\\Program Files\\Editor");
        machine.SetAssociation(L".txt", kEditor);
        machine.ChangeDirectory(L"E:\\Work");
    }

    sim::SimMachine machine;
    Platform platform;
    testing_support::FakeFileDialogWindow window;
    Files files;
};

TEST_F(FileUtilitiesTest, FileDateIsTheCreationTimeOfAFileOfAnyAttributes) {
    machine.SetCreationTime(L"E:\\src.txt", {2019, 7, 14, 9, 30, 5});
    EXPECT_EQ(files.getFileDate(L"E:\\src.txt"), (LocalDateTime{2019, 7, 14, 9, 30, 5}));
    machine.SetAttributes(L"E:\\src.txt", {.hidden = true});
    EXPECT_TRUE(files.getFileDate(L"E:\\src.txt").has_value());
    EXPECT_FALSE(files.getFileDate(L"E:\\missing.txt").has_value());
    EXPECT_FALSE(files.getFileDate(L"E:\\Work").has_value());
}

struct MoveCase {
    const char* name;
    std::wstring destination;
    std::optional<sim::FileAttributes> existingDestination;  // a file "dst" already there
    bool overwrite;
    FileMoveResult result;
    std::optional<std::string> sourceAfter, destinationAfter;
};

class MoveTest : public FileUtilitiesTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTest, MovesOnlyWhereNothingIsInTheWay) {
    const MoveCase& c = GetParam();
    if (c.existingDestination) machine.AddFile(c.destination, "dst", *c.existingDestination);
    EXPECT_EQ(files.FileMove(L"E:\\src.txt", c.destination, c.overwrite), c.result);
    EXPECT_EQ(machine.FileBytes(L"E:\\src.txt"), c.sourceAfter);
    EXPECT_EQ(machine.FileBytes(c.destination), c.destinationAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveTest,
    ::testing::Values(
        MoveCase{"ToANewName", L"E:\\Work\\new.txt", {}, false, FileMoveResult::Moved, {}, "src"},
        MoveCase{"ToAnotherDrive", L"D:\\new.txt", {}, false, FileMoveResult::Moved, {}, "src"},
        MoveCase{"KeepsAnExistingDestination", L"E:\\dst.txt", sim::FileAttributes{}, false,
                 FileMoveResult::NotMoved, "src", "dst"},
        MoveCase{"ReplacesItWhenAsked",
                 L"E:\\dst.txt",
                 sim::FileAttributes{},
                 true,
                 FileMoveResult::Moved,
                 {},
                 "src"},
        MoveCase{"AReadOnlyDestinationIsAnError", L"E:\\dst.txt", sim::FileAttributes{.readOnly = true}, true,
                 FileMoveResult::Failed, "src", "dst"},
        // Not seen by the existence test, the hidden file is in the move's way.
        MoveCase{"AHiddenDestinationIsAnError", L"E:\\dst.txt", sim::FileAttributes{.hidden = true}, true,
                 FileMoveResult::Failed, "src", "dst"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(FileUtilitiesTest, MovingAMissingSourceIsAnError) {
    EXPECT_EQ(files.FileMove(L"E:\\missing.txt", L"E:\\new.txt"), FileMoveResult::Failed);
    EXPECT_EQ(files.FileMove(L"E:\\Work", L"E:\\new"), FileMoveResult::Failed);
    EXPECT_FALSE(machine.Exists(L"E:\\new.txt"));
}

TEST_F(FileUtilitiesTest, ShortAndLongFormsOfAPath) {
    EXPECT_EQ(files.FileGetShortFileName(L"E:\\Long Folder Name\\notes.txt"), L"E:\\LONGFO~1\\notes.txt");
    // The names come as stored, the drive as given.
    EXPECT_EQ(files.FileGetLongFileName(L"e:\\longfo~1\\NOTES.TXT"), L"e:\\Long Folder Name\\notes.txt");
    EXPECT_EQ(files.FileGetShortFileName(L"E:\\No Such File.txt"), L"E:\\No Such File.txt");
    EXPECT_EQ(files.FileGetLongFileName(L"E:\\NOSUCH~1.TXT"), L"E:\\NOSUCH~1.TXT");
}

// A form that the 164-character buffer cannot hold leaves the path as it was given.
TEST_F(FileUtilitiesTest, AFormTooLongForTheBufferLeavesThePathUnchanged) {
    const std::wstring fits = L"E:\\" + std::wstring(154, L'f') + L"\\a.txt";  // 163 characters
    const std::wstring tooLong = L"E:\\" + std::wstring(155, L'g') + L"\\a.txt";
    machine.AddFile(fits, "");
    machine.AddFile(tooLong, "");
    const std::wstring shortOfFits = files.FileGetShortFileName(fits);
    const std::wstring shortOfTooLong = files.FileGetShortFileName(tooLong);
    EXPECT_EQ(shortOfTooLong, L"E:\\GGGGGG~1\\a.txt");
    EXPECT_EQ(files.FileGetLongFileName(shortOfFits), fits);
    EXPECT_EQ(files.FileGetLongFileName(shortOfTooLong), shortOfTooLong);
}

struct RunCase {
    const char* name;
    std::wstring datei;
    std::optional<int> style;                 // none: the default
    std::optional<std::wstring> commandLine;  // none: nothing is started
    int showState;
    std::wstring dateiAfter;
    std::wstring startedIn;  // the current directory at the start
    std::wstring currentAfter;
};

class RunTest : public FileUtilitiesTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunTest, StartsProgramsThemselvesAndDocumentsWithTheirProgram) {
    const RunCase& c = GetParam();
    std::wstring datei = c.datei;
    const auto task = c.style ? files.FileRun(datei, *c.style) : files.FileRun(datei);
    EXPECT_EQ(datei, c.dateiAfter);
    EXPECT_EQ(machine.CurrentDirectory(), c.currentAfter);
    if (!c.commandLine) {
        EXPECT_FALSE(task.has_value());
        EXPECT_TRUE(machine.StartedPrograms().empty());
        return;
    }
    ASSERT_EQ(machine.StartedPrograms().size(), 1u);
    const sim::StartedProgram& started = machine.StartedPrograms().front();
    EXPECT_EQ(started.commandLine, *c.commandLine);
    EXPECT_EQ(started.showState, c.showState);
    EXPECT_EQ(started.currentDirectory, c.startedIn);
    EXPECT_EQ(task, started.processId);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunTest,
    ::testing::Values(
        RunCase{"ProgramHiddenByDefault",
                L"E:\\Tools\\tool.exe",
                {},
                L"E:\\Tools\\tool.exe",
                0,
                L"tool.exe",
                L"E:\\Work",
                L"E:\\Work"},
        RunCase{"ProgramEndingsIgnoreCase", L"E:\\Tools\\x.Com", 1, L"E:\\Tools\\x.Com", 1, L"x.Com",
                L"E:\\Work", L"E:\\Work"},
        RunCase{"ProgramInTheCurrentDirectory", L"run.BAT", 3, L"E:\\Work\\run.BAT", 3, L"run.BAT",
                L"E:\\Work", L"E:\\Work"},
        RunCase{"ShortNameCountsAsProgram", L"ab", 1, L"E:\\Work\\ab", 1, L"ab", L"E:\\Work", L"E:\\Work"},
        RunCase{"ProgramPathWithABlankIsQuoted", L"E:\\My Tools\\t.exe", 1, L"\"E:\\My Tools\\t.exe\"", 1,
                L"t.exe", L"E:\\Work", L"E:\\Work"},
        RunCase{"DocumentWithBlanks",
                L"E:\\My Docs\\read me.txt",
                {},
                L"\"C:\\Program Files\\Editor\\edit.exe\" \"E:\\My Docs\\read me.txt\"",
                0,
                L"read me.txt",
                L"C:\\Program Files\\Editor",
                L"E:\\My Docs"},
        RunCase{"DocumentPathWithoutBlank", L"E:\\docs\\a.txt", 1,
                L"\"C:\\Program Files\\Editor\\edit.exe\" E:\\docs\\a.txt", 1, L"a.txt",
                L"C:\\Program Files\\Editor", L"E:\\docs"},
        RunCase{"DocumentWithoutProgram", L"E:\\docs\\b.xyz", 1, {}, 0, L"b.xyz", L"", L"E:\\docs"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace velmora
