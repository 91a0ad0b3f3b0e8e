// What the three modes of the file dialog show and hand back, and how its controls follow
// the user's moves, on the real window.
#include "support/Stick.h"

#include "filedialog/FileDialogLayout.h"
#include "platform/win32/Dpi.h"

namespace velmora::wine {
namespace {

struct DialogCase {
    const char* name;
    FileDialogMode mode;  // File: the open dialog
    std::wstring defaultPath, defaultName;
    std::optional<std::wstring> choice;  // none: Abbruch
    std::wstring result;
    std::vector<std::wstring> listed = {};  // checked when given
    std::wstring caption = {};              // checked when given
    std::function<void(HWND)> act = {};     // the user's moves and their checks
    int beeps = 0;
};

namespace ids = file_dialog_design;

// What a control reports to the window when the user works it.
void Notify(HWND dialog, int id, int code) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// Picks the row that starts with `text` in the drive list, or the one named so in the
// directory list (where a double click opens it).
void Pick(HWND dialog, int id, const wchar_t* text) {
    const bool drives = id == ids::kDrive1;
    const LRESULT row = SendDlgItemMessageW(dialog, id, drives ? CB_FINDSTRING : LB_FINDSTRINGEXACT,
                                            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageW(dialog, id, drives ? CB_SETCURSEL : LB_SETCURSEL, row, 0);
    Notify(dialog, id, drives ? CBN_SELCHANGE : LBN_DBLCLK);
}
std::wstring DriveShown(HWND dialog) {
    wchar_t text[MAX_PATH] = {};
    return std::wstring(text, GetDlgItemTextW(dialog, ids::kDrive1, text, MAX_PATH)).substr(0, 2);
}
bool OkEnabled(HWND dialog) {
    return IsWindowEnabled(GetDlgItem(GetDlgItem(dialog, ids::kFrame2), ids::kOk));
}

class Dialogs : public StickTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(Dialogs, ShowAndHandBack) {
    const DialogCase& c = GetParam();
    Lay({{L"E:\\TC\\Bars\\My.bar", "b"}, {L"E:\\TC\\Bars\\My.br1", "i"}, {L"E:\\TC\\Bars\\Old.bar", "o"}});
    SetFileAttributesW(L"E:\\TC\\Bars\\Old.bar", FILE_ATTRIBUTE_HIDDEN);
    dialog.choice = c.choice;
    dialog.act = c.act;
    std::wstring result = L"<not shown>";
    Run(machine.files, [&](Platform&, Files& files) {
        if (c.mode == FileDialogMode::File) result = files.FileOpenDialog(c.defaultPath, L"", c.defaultName);
        if (c.mode == FileDialogMode::SaveFile) result = files.filesaveDialog(c.defaultPath, c.defaultName);
        if (c.mode == FileDialogMode::Dir) result = files.FileDirSelectDialog(c.defaultPath);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ui.beeps, c.beeps);
    EXPECT_FALSE(IsWindow(dialog.window)) << "the window outlives its showing";
    EXPECT_EQ(dialog.named, c.defaultName);
    if (!c.listed.empty()) {
        EXPECT_EQ(dialog.listed, c.listed);
    }
    if (!c.caption.empty()) {
        EXPECT_EQ(dialog.titled, c.caption);
    }
    // The controls stand where the mode's layout puts them, at the screen's DPI.
    const FileDialogLayout layout = LayoutFor(c.mode);
    const int dpi = win32::ScreenDpi();
    for (const ControlDesign& control : layout.controls) {
        const int id = control.id;
        const TwipsRect& at = control.place;
        if (!control.visible || id == ids::kDrive1 || id == ids::kFile1 || id == ids::kFrame1) continue;
        std::array<long, 4> pixels{};
        for (std::size_t i = 0; const int twips : {at.left, at.top, at.width, at.height})
            pixels[i++] = MulDiv(twips, dpi, 1440);
        if (id == ids::kDir1) pixels[3] = dialog.placed[id][3];  // a list shows whole rows only
        EXPECT_EQ(dialog.placed[id], pixels) << id;
    }
}

const std::wstring kBars = L"E:\\TC\\Bars\\";
INSTANTIATE_TEST_SUITE_P(
    Cases, Dialogs,
    ::testing::Values(
        DialogCase("OpenListsTheDefaultNamesTypeOnly", FileDialogMode::File, kBars + L"x", L"*.bar",
                   L"My.bar", kBars + L"My.bar", {L"My.bar"}, L"Open File    (\"*.bar\")",
                   [](HWND d) {
                       // Enter in the name box presses no button: none is the default.
                       SetFocus(GetDlgItem(d, ids::kFileName));
                       Notify(d, IDOK, BN_CLICKED);
                       EXPECT_TRUE(IsWindowVisible(d));
                   }),
        DialogCase("OpenGoesToTheDriveOfTheDefaultPath", FileDialogMode::File, L"C:\\Windows\\x", L"",
                   L"a.ini", L"C:\\Windows\\a.ini", {}, {}, [](HWND d) { EXPECT_EQ(DriveShown(d), L"c:"); }),
        DialogCase(
            "ADriveWithoutAMediumBeepsAndChangesNothing", FileDialogMode::File, kBars + L"x", L"", L"a.ini",
            kBars + L"a.ini", {}, {},
            [](HWND d) {
                Pick(d, ids::kDrive1, L"q:");
                EXPECT_EQ(DriveShown(d), L"e:");
            },
            1),
        DialogCase("TheDriveShownChosenAgainKeepsItsDirectory", FileDialogMode::File, kBars + L"x", L"",
                   L"a.ini", kBars + L"a.ini", {}, {}, [](HWND d) { Pick(d, ids::kDrive1, L"e:"); }),
        DialogCase("AnotherDriveShowsItsCurrentDirectory", FileDialogMode::File, L"C:\\Windows\\x", L"",
                   L"a.ini", L"E:\\a.ini", {}, {}, [](HWND d) { Pick(d, ids::kDrive1, L"e:"); }),
        DialogCase("AClickOnAnEmptyListDisablesOk", FileDialogMode::File, L"E:\\TC\\x", L"", std::nullopt,
                   L"", {}, {},
                   [](HWND d) {
                       SetDlgItemTextW(d, ids::kFileName, L"x");
                       EXPECT_TRUE(OkEnabled(d));
                       Notify(d, ids::kFile1, LBN_SELCHANGE);
                       EXPECT_FALSE(OkEnabled(d));
                       Notify(d, ids::kOk, BN_CLICKED);
                       EXPECT_TRUE(IsWindowVisible(d)) << "a disabled Ok ended the showing";
                   }),
        DialogCase("TheDesktopButtonShowsTheUsersDesktop", FileDialogMode::File, L"E:\\TC\\x", L"", L"My.bar",
                   kBars + L"My.bar", {}, {},
                   [](HWND d) {
                       SetRegistryText(HKEY_USERS, kShellFolders, L"Desktop", L"E:\\TC\\Bars");
                       Notify(d, ids::kCommand1, BN_CLICKED);
                   }),
        DialogCase(
            "AStartMenuNotKnownBeepsAndNoneChangesAnything", FileDialogMode::File, L"E:\\TC\\x", L"",
            L"a.ini", L"E:\\TC\\a.ini", {}, {},
            [](HWND d) {
                for (const wchar_t* folder : {L"", L"E:\\none"}) {
                    SetRegistryText(HKEY_USERS, kShellFolders, L"Start Menu", folder);
                    Notify(d, ids::kStartMenuButton, BN_CLICKED);
                }
            },
            1),
        DialogCase("TheDirectoryModeEnablesOkOnAMove", FileDialogMode::Dir, L"", L"", L"", kBars, {}, {},
                   [](HWND d) {
                       EXPECT_FALSE(OkEnabled(d));
                       Pick(d, ids::kDir1, L"Bars");
                       EXPECT_TRUE(OkEnabled(d));
                   }),
        DialogCase("OpenTakesATypedFullPath", FileDialogMode::File, kBars + L"x", L"", L"C:\\a.ini",
                   L"C:\\a.ini"),
        DialogCase("SaveTakesATypedSharePath", FileDialogMode::SaveFile, kBars, L"", L"\\\\s\\x.ini",
                   L"\\\\s\\x.ini"),
        DialogCase("AnUnreachableDefaultPathLeavesItWhereItIs", FileDialogMode::File, L"Q:\\nowhere\\x", L"",
                   L"a.ini", L"E:\\TC\\a.ini"),
        DialogCase("AbbruchHandsBackNothing", FileDialogMode::File, kBars + L"x", L"My.bar", std::nullopt,
                   L""),
        DialogCase("SaveStartsInTheDefaultPathItself", FileDialogMode::SaveFile, L"E:\\TC\\Bars", L"",
                   L" out.ini ", kBars + L" out.ini ", {L"My.bar", L"My.br1"}, L"Save File as"),
        DialogCase("ADirectoryComesWithItsSeparator", FileDialogMode::Dir, L"E:\\TC\\Bars", L"", L"", kBars,
                   {}, L"Open Directory")),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::wine
