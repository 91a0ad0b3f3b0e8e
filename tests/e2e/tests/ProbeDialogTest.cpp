// The save and directory modes of the file selection window, which no launcher path
// shows, opened by the test program FileDialogProbe.exe.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "driver/FileDialogDriver.h"
#include "driver/Files.h"
#include "driver/Process.h"
#include "driver/Stick.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"
#include "filedialog/win32/FileDialogControlIds.h"

namespace velmora::e2e {
namespace {

namespace ids = velmora::file_dialog_ids;

class ProbeDialogTest : public ::testing::Test {
protected:
    ProbeDialogTest() : result_(ScratchDirectory(L"probe") + L"\\result.txt") {
        stick_.AddFile(L"Data\\old.txt", "");
        stick_.AddFile(L"Data\\keep.ini", "");
        stick_.AddDirectory(L"Data\\Sub");
    }

    // Opens the window: FileDialogProbe.exe <result> <mode> <arguments...>, in `directory`.
    FileDialogDriver Open(const std::wstring& mode, const std::wstring& arguments,
                          const std::wstring& caption, const std::wstring& directory = L"E:\\") {
        const std::wstring probe = OwnDirectory() + L"\\FileDialogProbe.exe";
        probe_ = std::make_unique<Program>(
            probe, L"\"" + probe + L"\" \"" + result_ + L"\" " + mode + L" " + arguments, directory);
        HWND found = nullptr;
        WaitUntil([&] {
            found = FindVisibleWindow(probe_->Id(), caption);
            return found || probe_->HasEnded();
        });
        if (!found)
            throw std::runtime_error(ToUtf8(L"no window '" + caption + L"'; windows: " +
                                            Describe(VisibleTopLevelWindows(probe_->Id()))));
        return FileDialogDriver(found);
    }

    // What the probe's entry point returned, once it has ended.
    std::wstring Result() {
        if (!probe_->WaitForEnd())
            throw std::runtime_error("the probe did not end after its window was finished");
        const auto bytes = ReadBytes(result_);
        if (!bytes || bytes->empty() || bytes->back() != '\n')
            throw std::runtime_error("the probe wrote no result");
        return FromUtf8(bytes->substr(0, bytes->size() - 1));
    }

    // The control's position inside its container, in twips at the screen's resolution.
    static POINT TwipsInParent(HWND control) {
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return {MulDiv(box.left, 1440, dpi), MulDiv(box.top, 1440, dpi)};
    }

    Stick stick_;
    std::wstring result_;
    std::unique_ptr<Program> probe_;
};

// Pixels rounded to twips: equal within one pixel at any resolution.
void ExpectTwips(LONG actual, int expected, const char* what) {
    EXPECT_NEAR(actual, expected, 20) << what;
}

TEST_F(ProbeDialogTest, SaveModeReturnsTheDirectoryAndTheNameAsTyped) {
    const FileDialogDriver dialog = Open(L"save", L"E:\\Data new.txt", L"Save File as");
    EXPECT_EQ(dialog.CurrentDirectoryRow(), L"Data");
    EXPECT_EQ(dialog.Files(), (std::vector<std::wstring>{L"keep.ini", L"old.txt"}));
    EXPECT_EQ(dialog.NameText(), L"new.txt");
    EXPECT_TRUE(dialog.IsEnabled(ids::kOk));
    ExpectTwips(TwipsInParent(dialog.Control(ids::kAbbruch)).x, 1920, "Abbruch moves right when saving");
    ExpectTwips(TwipsInParent(dialog.Control(ids::kFile1)).y, 720, "the file list moves down when saving");

    dialog.ClickFile(L"old.txt");
    EXPECT_EQ(dialog.NameText(), L"old.txt") << "a click replaces the name";
    dialog.TypeName(L"  out.txt");
    dialog.Press(ids::kOk);
    EXPECT_EQ(Result(), L"E:\\Data\\  out.txt");
}

TEST_F(ProbeDialogTest, SaveModeDoubleClickTakesThatFile) {
    const FileDialogDriver dialog = Open(L"save", L"E:\\Data \"\" \"Store it\"", L"Store it");
    dialog.DoubleClickFile(L"keep.ini");
    EXPECT_EQ(Result(), L"E:\\Data\\keep.ini");
}

TEST_F(ProbeDialogTest, DirectoryModeShowsOnlyDirectoriesAndReturnsTheChosenOne) {
    const FileDialogDriver dialog = Open(L"dir", L"E:\\Data", L"Open Directory");
    EXPECT_FALSE(dialog.IsVisible(ids::kFile1));
    EXPECT_FALSE(dialog.IsVisible(ids::kFileName));
    EXPECT_TRUE(dialog.IsEnabled(ids::kOk)) << "the set-up moved away from the start directory";
    ExpectTwips(TwipsInParent(dialog.Control(ids::kFrame2)).x, 1080,
                "the buttons stand under the directories");
    RECT window;
    GetWindowRect(dialog.Dialog(), &window);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ExpectTwips(MulDiv(window.right - window.left, 1440, dpi), 5805, "outer width");
    ExpectTwips(MulDiv(window.bottom - window.top, 1440, dpi), 5610, "outer height");

    dialog.OpenDirectory(L"Sub");
    dialog.Press(ids::kOk);
    EXPECT_EQ(Result(), L"E:\\Data\\Sub\\");
}

TEST_F(ProbeDialogTest, DirectoryModeWaitsForAMoveBeforeOk) {
    const FileDialogDriver dialog = Open(L"dir", L"", L"Open Directory", L"E:\\Data");
    EXPECT_FALSE(dialog.IsEnabled(ids::kOk));
    dialog.OpenDirectory(L"E:\\");
    EXPECT_TRUE(dialog.IsEnabled(ids::kOk));
    dialog.Press(ids::kAbbruch);
    EXPECT_EQ(Result(), L"");
}

TEST_F(ProbeDialogTest, ControlsComeInTheirTabOrderAndNoButtonIsTheDefault) {
    const FileDialogDriver dialog = Open(L"open", L"E:\\Data\\x", L"Open File");
    dialog.TypeName(L"x");  // enables Ok: the Tab key passes over disabled controls
    // The order the Tab key goes, as the window manager's dialog navigation walks it.
    std::vector<int> order;
    HWND control = dialog.Control(ids::kDrive1);
    for (int i = 0; i < 12 && control; ++i) {
        order.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(dialog.Dialog(), control, FALSE);
        if (control == dialog.Control(ids::kDrive1)) break;
    }
    EXPECT_EQ(order, (std::vector<int>{ids::kDrive1, ids::kDir1, ids::kFileName, ids::kFile1,
                                       ids::kStartMenuButton, ids::kCommand1, ids::kAbbruch, ids::kOk}));
    for (int id : {ids::kOk, ids::kAbbruch}) {
        const LONG_PTR style = GetWindowLongPtrW(dialog.Control(id), GWL_STYLE);
        EXPECT_NE(style & WS_TABSTOP, 0);
        EXPECT_NE(style & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "button " << id;
    }
    EXPECT_EQ(WindowText(dialog.Control(ids::kOk)), L"Ok");
    EXPECT_EQ(WindowText(dialog.Control(ids::kAbbruch)), L"Abbruch");
    dialog.CloseBox();
    EXPECT_EQ(Result(), L"");
}

}  // namespace
}  // namespace velmora::e2e
