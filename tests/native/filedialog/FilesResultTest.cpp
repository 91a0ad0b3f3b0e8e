// What each entry point hands back.
#include "filedialog/FileDialogFixture.h"

namespace velmora::testing_support {
namespace {

using Results = FileDialogTest;

struct OpenCase {
    const char* name;
    std::wstring defaultPath;
    std::wstring typed;    // typed into the name box (nothing when empty)
    std::wstring clicked;  // clicked in the file list before typing (nothing when empty)
    std::wstring expected;
};

class OpenResults : public FileDialogTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenResults, JoinTheDirectoryAndTheName) {
    const OpenCase& c = GetParam();
    User([&c](FileDialogModel& dialog) {
        if (!c.clicked.empty()) dialog.UserClickedFile(IndexOf(dialog.FileNames(), c.clicked));
        if (!c.typed.empty() || !c.clicked.empty()) dialog.UserEditedName(c.typed);
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileOpenDialog(c.defaultPath, L"", L""), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenResults,
    ::testing::Values(
        OpenCase{"TypedName", L"E:\\TC\\x", L"new.ini", L"", L"E:\\TC\\new.ini"},
        OpenCase{"BlanksAreKept", L"E:\\TC\\x", L"  spaced.ini ", L"", L"E:\\TC\\  spaced.ini "},
        OpenCase{"WildcardStays", L"E:\\TC\\x", L"*.bar", L"", L"E:\\TC\\*.bar"},
        OpenCase{"FullPathIsAppendedAllTheSame", L"E:\\TC\\x", L"C:\\a.ini", L"", L"E:\\TC\\C:\\a.ini"},
        OpenCase{"BlankBoxTakesTheSelectedFile", L"E:\\TC\\x", L"   ", L"readme", L"E:\\TC\\readme"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Results, ARootGetsNoSecondSeparator) {
    User([](FileDialogModel& dialog) {
        dialog.UserOpenedDirectory(0);
        dialog.UserEditedName(L"root.txt");
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"E:\\root.txt");
}

TEST_F(Results, NeitherNameNorFileGivesTheDirectoryOnceOkIsEnabled) {
    // Ok needs something to enable it; an emptied box after typing leaves it enabled.
    User([](FileDialogModel& dialog) {
        dialog.UserEditedName(L"x");
        dialog.UserEditedName(L"");
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"E:\\TC\\");
}

TEST_F(Results, AbbruchAfterAnEarlierOkReturnsNothing) {
    User([](FileDialogModel& dialog) {
        dialog.UserClickedFile(IndexOf(dialog.FileNames(), L"wincmd.ini"));
        dialog.UserPressedOk();
    });
    User([](FileDialogModel& dialog) { dialog.UserPressedAbbruch(); });
    User([](FileDialogModel& dialog) { dialog.UserClosedWindow(); });
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"E:\\TC\\wincmd.ini");
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"");
    EXPECT_EQ(files.State().DialogResult, L"");
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"") << "the close box";
}

TEST_F(Results, ADoubleClickEndsTheOpenAndSaveShowingsWithThatFile) {
    const auto doubleClickWincmd = [](FileDialogModel& dialog) {
        dialog.UserEditedName(L"typed");
        dialog.UserDoubleClickedFile(IndexOf(dialog.FileNames(), L"wincmd.ini"));
    };
    User(doubleClickWincmd);
    User(doubleClickWincmd);
    EXPECT_EQ(files.FileOpenDialog(L"E:\\TC\\x", L"", L""), L"E:\\TC\\wincmd.ini");
    EXPECT_EQ(files.filesaveDialog(L"E:\\TC", L"other.ini"), L"E:\\TC\\wincmd.ini");
}

TEST_F(Results, SaveReturnsTheBoxAsTypedEvenWhenEmpty) {
    User([](FileDialogModel& dialog) {
        dialog.UserEditedName(L" out.ini ");
        dialog.UserPressedOk();
    });
    User([](FileDialogModel& dialog) {
        dialog.UserClickedFile(IndexOf(dialog.FileNames(), L"b.ini"));
        dialog.UserEditedName(L"");
        dialog.UserPressedOk();
    });
    EXPECT_EQ(files.filesaveDialog(L"D:\\Data\\Notes"), L"D:\\Data\\Notes\\ out.ini ");
    EXPECT_EQ(files.filesaveDialog(L"D:\\Data"), L"D:\\Data\\") << "the selected file is not used";
}

TEST_F(Results, DirectoryModeReturnsTheDirectoryWithSeparator) {
    User([](FileDialogModel& dialog) {
        dialog.UserOpenedDirectory(0);
        dialog.UserPressedOk();
    });
    User([](FileDialogModel& dialog) { dialog.UserPressedAbbruch(); });
    EXPECT_EQ(files.FileDirSelectDialog(L"D:\\Data"), L"D:\\");
    EXPECT_EQ(files.FileDirSelectDialog(L"D:\\Data"), L"");
}

}  // namespace
}  // namespace velmora::testing_support
