// The file dialog: what its three modes show and hand back when shown, how its lists
// follow the user's moves (on the model, with the window built and never shown), and
// where its controls stand when shown.
#include "support/Stick.h"

#include <algorithm>
#include <cwctype>

#include "filedialog/FileDialogLayout.h"
#include "filedialog/FileDialogModel.h"
#include "platform/WindowDesign.h"
#include "platform/win32/Dpi.h"

namespace velmora::wine {
namespace {

namespace ids = file_dialog_design;

const std::wstring kBars = L"E:\\TC\\Bars\\";

BOOL CALLBACK FindBuilt(HWND window, LPARAM found) {
    if (GetDlgItem(window, ids::kFrame2)) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// A control of the built dialog, in the window or in one of its two frames.
HWND Control(HWND built, int id) {
    HWND control = GetDlgItem(built, id);
    for (const int frame : {ids::kFrame1, ids::kFrame2})
        if (!control) control = GetDlgItem(GetDlgItem(built, frame), id);
    return control;
}

class FileDialog : public StickTest {
protected:
    void SetUp() override {
        StickTest::SetUp();
        Lay({{kBars + L"My.bar", "b"}, {kBars + L"My.br1", "i"}, {kBars + L"Old.bar", "o"}});
        SetFileAttributesW((kBars + L"Old.bar").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }

    // Runs `act` on the model of a showing in `mode` that has gone to `directory`.
    void OnModel(FileDialogMode mode, const std::wstring& directory,
                 const std::function<void(FileDialogModel&, HWND)>& act) {
        state.DialogMode = mode;
        Run(machine.files, [&](Platform& platform, Files&) {
            win32::Win32FileDialogWindow window(GetModuleHandleW(nullptr));
            FileDialogModel model(platform, state, window);
            model.GoTo(directory);
            model.ApplyLayout(mode);
            HWND built = nullptr;  // the one window of this thread with the dialog's button bar
            EnumThreadWindows(GetCurrentThreadId(), FindBuilt, reinterpret_cast<LPARAM>(&built));
            ASSERT_TRUE(built);
            act(model, built);
        });
    }

    FilesState state;
};

struct ShowingCase {
    const char* name;
    FileDialogMode mode = FileDialogMode::File;  // File: the open dialog
    std::wstring path, file = {};                // the default path and file name
    std::optional<std::wstring> choice = {};     // none: Abbruch
    std::wstring result;
    std::vector<std::wstring> listed = {};  // checked when given
    std::wstring caption = {};              // checked when given
    std::wstring startIn = {};              // none: E:\TC
};

// The showing of this mode, with the default path and file name given.
std::wstring Show(Files& files, FileDialogMode mode, const std::wstring& path, const std::wstring& file) {
    if (mode == FileDialogMode::File) return files.FileOpenDialog(path, L"", file);
    if (mode == FileDialogMode::SaveFile) return files.filesaveDialog(path, file);
    return files.FileDirSelectDialog(path);
}

class Showings : public FileDialog, public ::testing::WithParamInterface<ShowingCase> {};

TEST_P(Showings, ShowAndHandBack) {
    const ShowingCase& c = GetParam();
    dialog.choice = c.choice;
    startIn = c.startIn;
    std::wstring result = L"<not shown>";
    Run(machine.files, [&](Platform&, Files& files) {
        result = Show(files, c.mode, c.path, c.file);
        EXPECT_FALSE(IsWindow(dialog.window)) << "the window outlives its showing";
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ui.beeps, 0) << "only the user's own moves are answered with a beep";
    EXPECT_EQ(dialog.named, c.file);
    if (!c.listed.empty()) {
        EXPECT_EQ(dialog.listed, c.listed);
    }
    if (!c.caption.empty()) {
        EXPECT_EQ(dialog.titled, c.caption);
    }
}

using enum FileDialogMode;
const std::wstring kInBars = kBars + L"x";
const ShowingCase kShowings[] = {
    {.name = "OpenListsTheDefaultNamesTypeOnly",
     .path = kInBars,
     .file = L"*.bar",
     .choice = L"My.bar",
     .result = kBars + L"My.bar",
     .listed = {L"My.bar"},
     .caption = L"Open File    (\"*.bar\")"},
    {.name = "AnUnreachableDefaultPathIsLeft", .path = L"Q:\\no\\x", .choice = L"a", .result = L"E:\\TC\\a"},
    {.name = "SaveStartsInTheDefaultPathItself",
     .mode = SaveFile,
     .path = L"E:\\TC\\Bars",
     .choice = L" out.ini ",
     .result = kBars + L" out.ini ",
     .listed = {L"My.bar", L"My.br1"},
     .caption = L"Save File as"},
    // A pattern as the default path's last part filters the list, which stays where it was.
    {.name = "SaveTakesTheDefaultPathsPattern",
     .mode = SaveFile,
     .path = kBars + L"*.br1",
     .choice = L"x",
     .result = kBars + L"x",
     .listed = {L"My.br1"},
     .startIn = kBars},
    {.name = "ADirectoryComesWithItsSeparator",
     .mode = Dir,
     .path = L"E:\\TC\\Bars",
     .choice = L"",
     .result = kBars,
     .caption = L"Open Directory"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Showings, ::testing::ValuesIn(kShowings),
                         [](const auto& param) { return std::string(param.param.name); });

std::size_t Drive(const FileDialogModel& model, wchar_t letter) {
    const auto& drives = model.Drives();
    return std::ranges::find(drives, std::towupper(letter), [](auto& d) { return std::towupper(d.letter); }) -
           drives.begin();
}

std::size_t Row(const FileDialogModel& model, const std::wstring& name) {
    const auto& rows = model.DirectoryRows();
    return std::ranges::find(rows, name, &DirectoryRow::name) - rows.begin();
}

struct MoveCase {
    const char* name;
    FileDialogMode mode = File;
    std::wstring from = L"E:\\TC\\Bars";
    std::function<void(FileDialogModel&)> move;
    std::wstring directory = L"E:\\TC\\Bars";  // shown afterwards
    bool okEnabled = false;
    int beeps = 0;
};

class Moves : public FileDialog, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(Moves, LeadWhereTheyShould) {
    const MoveCase& c = GetParam();
    OnModel(c.mode, c.from, [&](FileDialogModel& model, HWND built) {
        c.move(model);
        EXPECT_EQ(model.Directory(), c.directory);
        EXPECT_EQ(model.OkEnabled(), c.okEnabled);
        EXPECT_EQ(IsWindowEnabled(Control(built, ids::kOk)) != FALSE, c.okEnabled) << "the window's Ok";
        // The window shows the model's drive and name.
        const auto drive = model.SelectedDrive();
        EXPECT_EQ(SendMessageW(Control(built, ids::kDrive1), CB_GETCURSEL, 0, 0),
                  drive ? static_cast<LRESULT>(Drive(model, *drive)) : CB_ERR);
        wchar_t name[MAX_PATH] = {};
        GetWindowTextW(Control(built, ids::kFileName), name, MAX_PATH);
        EXPECT_EQ(name, model.NameText());
    });
    EXPECT_EQ(ui.beeps, c.beeps);
    EXPECT_EQ(state.DialogResult, L"");
}

const MoveCase kMoves[] = {
    {.name = "TheListsComeUpOnTheCurrentDrive",
     .from = L"",  // goes nowhere
     .move = [](FileDialogModel& m) { EXPECT_EQ(std::towupper(m.SelectedDrive().value_or(L'?')), L'E'); },
     .directory = L"E:\\TC"},
    {.name = "ADriveWithoutAMediumBeepsAndChangesNothing",
     .move =
         [](FileDialogModel& m) {
             m.UserChoseDrive(Drive(m, L'q'));
             EXPECT_EQ(std::towupper(m.SelectedDrive().value_or(L'?')), L'E');
         },
     .beeps = 1},
    {.name = "AnotherDriveShowsItsCurrentDirectory",
     .from = L"C:\\Windows",
     .move = [](FileDialogModel& m) { m.UserChoseDrive(Drive(m, L'e')); },
     .directory = L"E:\\"},
    {.name = "GoingToAnotherDriveSelectsIt",
     .move = [](FileDialogModel& m) { m.GoTo(L"C:\\Windows"); },
     .directory = L"C:\\Windows"},
    // A name set or typed enables Ok; a click on the list sets it as the list allows.
    {.name = "ANameEnablesOkAndAClickOnAnEmptyListDisablesIt",
     .from = L"E:\\TC",
     .move =
         [](FileDialogModel& m) {
             m.SetNameText(L"x");
             EXPECT_TRUE(m.OkEnabled());
             m.UserClickedFile(0);
             m.UserPressedOk();
         },
     .directory = L"E:\\TC"},
    {.name = "AClickOnAListedFileEnablesOkAndAListFilledAnewSelectsNothing",
     .move =
         [](FileDialogModel& m) {
             m.UserClickedFile(0);
             m.SetFilePattern(L"*.br1");
             EXPECT_EQ(m.SelectedFile(), std::nullopt);
         },
     .okEnabled = true},
    {.name = "InTheDirectoryModeAMoveEnablesOkAndADirectoryGoneSinceListedBeeps",
     .mode = Dir,
     .from = L"E:\\TC",
     .move =
         [](FileDialogModel& m) {
             fs::remove_all(kBars);
             m.UserOpenedDirectory(Row(m, L"Bars"));
             EXPECT_FALSE(m.OkEnabled());
             m.UserOpenedDirectory(Row(m, L"E:\\"));
         },
     .directory = L"E:\\",
     .okEnabled = true,
     .beeps = 1},
    {.name = "TheDesktopButtonShowsTheUsersDesktop",
     .from = L"E:\\TC",
     .move =
         [](FileDialogModel& m) {
             SetRegistryText(HKEY_USERS, kShellFolders, L"Desktop", L"E:\\TC\\Bars");
             m.UserPressedDesktop();
         }},
    {.name = "AStartMenuNotKnownBeepsAndNoneChangesAnything",
     .move =
         [](FileDialogModel& m) {
             for (const wchar_t* folder : {L"", L"E:\\none"}) {
                 SetRegistryText(HKEY_USERS, kShellFolders, L"Start Menu", folder);
                 m.UserPressedStartMenu();
             }
         },
     .beeps = 1},
};
INSTANTIATE_TEST_SUITE_P(Cases, Moves, ::testing::ValuesIn(kMoves),
                         [](const auto& param) { return std::string(param.param.name); });

// Each control where the design puts it in each mode's showing, at the screen's DPI (in
// twips, in the window or the frame that holds it). The directory list shows whole rows
// only, so its height is whatever they make; the name box is gone in the directory mode.
TEST_F(FileDialog, EachModePlacesItsControlsAsDesigned) {
    for (const FileDialogMode mode : {File, SaveFile, Dir}) {
        const std::map<int, TwipsRect> designed = {
            {ids::kDir1, {.left = 1080, .top = 600, .width = 4455}},
            {ids::kFileName,
             mode == Dir ? TwipsRect{} : TwipsRect{.left = 5760, .top = 120, .width = 3375, .height = 345}},
            {ids::kCommand1, {.left = 120, .top = 240, .width = 495, .height = 495}},
            {ids::kStartMenuButton, {.left = 120, .top = 960, .width = 495, .height = 495}},
            {ids::kFrame2, {.left = mode == Dir ? 1080 : 5760, .top = 4680, .width = 3615, .height = 495}},
            {ids::kOk, {.width = 1455, .height = 375}},
            {ids::kAbbruch, {.left = mode == SaveFile ? 1920 : 1800, .width = 1455, .height = 375}}};
        const auto size = mode == Dir ? std::pair(5805, 5610) : std::pair(9225, 5190);
        // The twips the window is given, each to the twip: at the screen's DPI a pixel is
        // several twips.
        const FileDialogLayout layout = LayoutFor(mode);
        EXPECT_EQ(std::pair(layout.windowWidth, layout.windowHeight), size);
        for (const ControlDesign& control : layout.controls) {
            TwipsRect place = control.visible ? control.place : TwipsRect{};
            if (control.id == ids::kDir1) place.height = 0;
            EXPECT_TRUE(!designed.contains(control.id) || place == designed.at(control.id)) << control.id;
        }
        bool shown = false;
        dialog.whileShown = [&](HWND built) {
            shown = true;
            const int dpi = win32::ScreenDpi();
            const auto pixels = [dpi](int twips) { return static_cast<long>(MulDiv(twips, dpi, 1440)); };
            for (const auto& [id, twips] : designed) {
                HWND control = Control(built, id);
                RECT at{};
                GetWindowRect(control, &at);
                MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&at), 2);
                if (!(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)) at = {};
                const long height = id == ids::kDir1 ? 0 : at.bottom - at.top;
                EXPECT_EQ((std::array<long, 4>{at.left, at.top, at.right - at.left, height}),
                          (std::array<long, 4>{pixels(twips.left), pixels(twips.top), pixels(twips.width),
                                               pixels(twips.height)}))
                    << "control " << id << " in mode " << static_cast<int>(mode);
            }
            // The client area as designed; in the directory mode, the whole window.
            RECT client{}, frame{};
            GetClientRect(built, &client);
            GetWindowRect(built, &frame);
            const RECT& sized = mode == Dir ? frame : client;
            EXPECT_EQ(std::pair(sized.right - sized.left, sized.bottom - sized.top),
                      std::pair(pixels(size.first), pixels(size.second)))
                << "mode " << static_cast<int>(mode);
        };
        Run(machine.files, [&](Platform&, Files& files) { Show(files, mode, kBars, L""); });
        EXPECT_TRUE(shown) << "mode " << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace velmora::wine
