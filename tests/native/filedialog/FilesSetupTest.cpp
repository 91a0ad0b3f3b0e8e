// How each entry point sets the window up before the user sees it, and the window's
// lifecycle around every showing.
#include "filedialog/FileDialogFixture.h"

namespace velmora::testing_support {
namespace {

using OpenSetup = FileDialogTest;

TEST_F(OpenSetup, StartsInTheDirectoryThatHoldsTheLastElementGiven) {
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.Directory(), L"E:\\TC");
        EXPECT_EQ(dialog.SelectedDrive(), L'E');
        EXPECT_EQ(dialog.FilePattern(), L"*.ini");
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"wincmd.ini"});
        EXPECT_EQ(dialog.NameText(), L"wincmd.ini");
        EXPECT_TRUE(dialog.OkEnabled()) << "a default name in the box enables Ok";
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\Plugins", L"", L"wincmd.ini");

    EXPECT_EQ(window.captionWhenShown, L"Open File    (\"*.ini\")");
    EXPECT_EQ(window.layoutWhenShown, LayoutFor(FileDialogMode::File));
    EXPECT_EQ(window.rows[window.currentRow].name, L"TC");
    EXPECT_EQ(window.nameText, L"wincmd.ini");
}

TEST_F(OpenSetup, ANameWithoutExtensionKeepsAllFilesAndAnEmptyPatternInTheCaption) {
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.FilePattern(), L"*.*");
        EXPECT_EQ(dialog.FileNames(), (std::vector<std::wstring>{L"Default.bar", L"extra.BAR", L"readme",
                                                                 L"Totalcmd.exe", L"wincmd.ini"}))
            << "all files, sorted by name regardless of case";
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC\\", L"Pick one", L"readme");
    EXPECT_EQ(window.captionWhenShown, L"Pick one    (\"\")");
}

TEST_F(OpenSetup, CallersArgumentsFromTheImports) {
    // What the button bar import passes: the current directory E:\TC, its prompt, "*.bar".
    // Cut at its last backslash that leaves "E:", which stands for E:'s own current directory.
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.Directory(), L"E:\\TC");
        EXPECT_EQ(dialog.FileNames(), (std::vector<std::wstring>{L"Default.bar", L"extra.BAR"}));
        dialog.UserOpenedDirectory(0);
        EXPECT_EQ(dialog.Directory(), L"E:\\");
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{})
            << "the pattern stays when the directory changes";
        EXPECT_EQ(dialog.NameText(), L"*.bar");
        dialog.UserPressedAbbruch();
    });
    files.FileOpenDialog(L"E:\\TC", L"Please import - ButtonBar File  (eg.: Default.bar) ", L"*.bar");
    EXPECT_EQ(window.captionWhenShown, L"Please import - ButtonBar File  (eg.: Default.bar)     (\"*.bar\")");
}

TEST_F(OpenSetup, StepsThatCannotBeDoneAreSkipped) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Q:\\Nowhere\\x", L"E:\\TC"},           // no such drive: the current directory stays
        {L"D:\\Missing\\x", L"D:\\Data\\Notes"},  // the drive's current directory
        {L"", L"E:\\TC"},  // the current directory E:\TC, cut to E:, which is E:'s current one
    };
    for (const auto& [defaultPath, shown] : cases) {
        User([&shown](FileDialogModel& dialog) {
            EXPECT_EQ(dialog.Directory(), shown);
            dialog.UserPressedAbbruch();
        });
        files.FileOpenDialog(defaultPath, L"", L"");
        EXPECT_EQ(window.captionWhenShown, L"Open File");
        machine.ChangeDirectory(L"E:\\TC");
    }
}

using SaveSetup = FileDialogTest;

TEST_F(SaveSetup, UsesThePathWholeWithTheSaveLayout) {
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.Directory(), L"D:\\Data");
        EXPECT_EQ(dialog.SelectedDrive(), L'D');
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"b.ini"});
        EXPECT_EQ(dialog.NameText(), L"new.ini");
        dialog.UserPressedAbbruch();
    });
    files.filesaveDialog(L"D:\\Data", L"new.ini");
    EXPECT_EQ(window.captionWhenShown, L"Save File as");
    const FileDialogLayout layout = window.layoutWhenShown;
    EXPECT_EQ(layout.abbruch.left, 1920);
    EXPECT_EQ(layout.file1.top, 720);
    EXPECT_TRUE(layout.fileNameVisible && layout.file1Visible);
}

TEST_F(SaveSetup, AWildcardLastPartFiltersTheListAndTheCaptionIsTheCallers) {
    machine.AddFile(L"E:\\TC\\other.txt", "");
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.FilePattern(), L"*.txt");
        EXPECT_EQ(dialog.Directory(), L"E:\\TC") << "a path with a wildcard is no directory";
        EXPECT_EQ(dialog.FileNames(), std::vector<std::wstring>{L"other.txt"});
        EXPECT_EQ(dialog.NameText(), L"");
        EXPECT_FALSE(dialog.OkEnabled());
        dialog.UserPressedAbbruch();
    });
    files.filesaveDialog(L"E:\\TC\\*.txt", L"", L"Store as");
    EXPECT_EQ(window.captionWhenShown, L"Store as");
}

using DirSetup = FileDialogTest;

TEST_F(DirSetup, HidesTheFileSideAndWaitsForADirectoryChangeBeforeOk) {
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.Directory(), L"E:\\TC");
        EXPECT_FALSE(dialog.OkEnabled()) << "the window opened on this directory";
        dialog.UserOpenedDirectory(IndexOf(RowNames(dialog.DirectoryRows()), L"lang"));
        EXPECT_TRUE(dialog.OkEnabled());
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileDirSelectDialog(), L"E:\\TC\\lang\\");
    EXPECT_EQ(window.captionWhenShown, L"Open Directory");
    const FileDialogLayout layout = window.layoutWhenShown;
    EXPECT_FALSE(layout.fileNameVisible);
    EXPECT_FALSE(layout.file1Visible);
    EXPECT_TRUE(layout.outerSize);
    EXPECT_EQ(std::make_pair(layout.windowWidth, layout.windowHeight), std::make_pair(5805, 5610));
    EXPECT_EQ(layout.drive1.width, layout.dir1.width);
    EXPECT_EQ(layout.frame2.left, 1080);
}

TEST_F(DirSetup, ADefaultPathElsewhereEnablesOkAtOnce) {
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.Directory(), L"D:\\Data");
        EXPECT_TRUE(dialog.OkEnabled());
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileDirSelectDialog(L"D:\\Data", L"Target"), L"D:\\Data\\");
    EXPECT_EQ(window.captionWhenShown, L"Target");
}

TEST_F(FileDialogTest, EveryShowingBuildsAFreshWindowAndClosesItBeforeReturning) {
    User([](FileDialogModel& dialog) {
        dialog.UserEditedName(L"typed");
        dialog.UserPressedOk();
    });
    User([](FileDialogModel& dialog) {
        EXPECT_EQ(dialog.NameText(), L"") << "the design state, not the last showing's";
        EXPECT_FALSE(dialog.OkEnabled());
        dialog.UserPressedAbbruch();
    });
    User([](FileDialogModel& dialog) { dialog.UserClosedWindow(); });
    files.FileOpenDialog(L"E:\\TC\\x");
    files.FileDirSelectDialog();
    // An open showing after a directory showing moves the file list with the directories.
    files.FileOpenDialog(L"D:\\Data\\x", L"", L"");
    EXPECT_EQ(window.files, std::vector<std::wstring>{L"b.ini"});

    const std::vector<std::string> showing{"build", "show", "hide", "close"};
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i)
        expected.insert(expected.end(), showing.begin(), showing.end());
    EXPECT_EQ(window.events, expected);
    EXPECT_FALSE(window.built);
}

TEST_F(FileDialogTest, LoadingClearsTheStopRequestAndMakesTheDriveCurrent) {
    User([this](FileDialogModel& dialog) {
        EXPECT_FALSE(files.State().StopListing);
        EXPECT_EQ(files.State().DialogMode, FileDialogMode::SaveFile);
        EXPECT_EQ(dialog.Drives().size(), 3u);
        EXPECT_EQ(dialog.Drives()[2].label, L"STICK");
        dialog.UserPressedAbbruch();
    });
    files.filesaveDialog(L"E:\\TC");
    EXPECT_EQ(files.State().DialogMode, FileDialogMode::SaveFile) << "the mode outlasts the showing";
}

}  // namespace
}  // namespace velmora::testing_support
