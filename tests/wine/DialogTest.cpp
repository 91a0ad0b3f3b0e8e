// What the three modes of the file dialog show and hand back, on the real window.
#include "support/Stick.h"

#include "filedialog/FileDialogLayout.h"
#include "platform/win32/Dpi.h"

namespace velmora::wine {
namespace {

enum class Mode { Open, Save, Directory };
constexpr FileDialogMode kModes[] = {FileDialogMode::File, FileDialogMode::SaveFile, FileDialogMode::Dir};

struct DialogCase {
    const char* name;
    Mode mode;
    std::wstring defaultPath, defaultName;
    std::optional<std::wstring> choice;  // none: Abbruch
    std::wstring result;
    std::vector<std::wstring> listed = {};  // checked when given
    std::wstring caption = {};              // checked when given
};

class Dialogs : public StickTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(Dialogs, ShowAndHandBack) {
    const DialogCase& c = GetParam();
    Lay({{L"E:\\TC\\Bars\\My.bar", "b"}, {L"E:\\TC\\Bars\\My.br1", "i"}, {L"E:\\TC\\Bars\\Old.bar", "o"}});
    SetFileAttributesW(L"E:\\TC\\Bars\\Old.bar", FILE_ATTRIBUTE_HIDDEN);
    dialog.choice = c.choice;
    std::wstring result = L"<not shown>";
    Run(machine.files, [&](Platform&, Files& files) {
        if (c.mode == Mode::Open) result = files.FileOpenDialog(c.defaultPath, L"", c.defaultName);
        if (c.mode == Mode::Save) result = files.filesaveDialog(c.defaultPath, c.defaultName);
        if (c.mode == Mode::Directory) result = files.FileDirSelectDialog(c.defaultPath);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialog.named, c.defaultName);
    if (!c.listed.empty()) {
        EXPECT_EQ(dialog.listed, c.listed);
    }
    if (!c.caption.empty()) {
        EXPECT_EQ(dialog.titled, c.caption);
    }
    // The controls stand where the mode's layout puts them, at the screen's DPI.
    const FileDialogLayout layout = LayoutFor(kModes[static_cast<int>(c.mode)]);
    const int dpi = win32::ScreenDpi();
    namespace ids = file_dialog_design;
    for (const auto& [id, at] : {std::pair{ids::kDir1, layout.dir1},
                                 {ids::kFrame2, layout.frame2},
                                 {ids::kOk, layout.ok},
                                 {ids::kAbbruch, layout.abbruch},
                                 {ids::kFileName, layout.fileName},
                                 {ids::kCommand1, layout.command1},
                                 {ids::kStartMenuButton, layout.startMenuButton}}) {
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
        DialogCase("OpenListsTheDefaultNamesTypeOnly", Mode::Open, kBars + L"x", L"*.bar", L"My.bar",
                   kBars + L"My.bar", {L"My.bar"}, L"Open File    (\"*.bar\")"),
        DialogCase("OpenGoesToTheDriveOfTheDefaultPath", Mode::Open, L"C:\\Windows\\x", L"", L"a.ini",
                   L"C:\\Windows\\a.ini"),
        DialogCase("OpenKeepsTheBlanksOfATypedName", Mode::Open, kBars + L"x", L"", L" a b ",
                   kBars + L" a b "),
        DialogCase("OpenKeepsATypedWildcard", Mode::Open, kBars + L"x", L"", L"*.ini", kBars + L"*.ini"),
        DialogCase("OpenAppendsEvenAFullPath", Mode::Open, kBars + L"x", L"", L"C:\\a.ini",
                   kBars + L"C:\\a.ini"),
        DialogCase("AnUnreachableDefaultPathLeavesItWhereItIs", Mode::Open, L"Q:\\nowhere\\x", L"", L"a.ini",
                   L"E:\\TC\\a.ini"),
        DialogCase("AbbruchHandsBackNothing", Mode::Open, kBars + L"x", L"My.bar", std::nullopt, L""),
        DialogCase("SaveStartsInTheDefaultPathItself", Mode::Save, L"E:\\TC\\Bars", L"", L" out.ini ",
                   kBars + L" out.ini ", {L"My.bar", L"My.br1"}, L"Save File as"),
        DialogCase("ADirectoryComesWithItsSeparator", Mode::Directory, L"E:\\TC\\Bars", L"", L"", kBars, {},
                   L"Open Directory")),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::wine
