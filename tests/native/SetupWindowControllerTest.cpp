// The setup window's click handlers, on the state the help branch leaves behind.
#include <gtest/gtest.h>

#include <set>

#include "launcher/SetupWindowController.h"
#include "launcher/SetupWindowDesign.h"
#include "support/LauncherFixture.h"

namespace velmora {
namespace {

using namespace setup_design;
using testing_support::LauncherTest;

// Records each change of the link's visibility with the number of programs started so
// far, so that a test sees what happened while the link was hidden.
class RecordingView final : public SetupView {
public:
    explicit RecordingView(const sim::SimMachine& machine) : machine_(machine) {}
    void ShowWebLink(bool visible) override {
        changes.push_back({visible, machine_.StartedPrograms().size()});
    }

    struct Change {
        bool visible;
        std::size_t startedSoFar;
        bool operator==(const Change&) const = default;
    };
    std::vector<Change> changes;

private:
    const sim::SimMachine& machine_;
};

class SetupWindowControllerTest : public LauncherTest {
protected:
    SetupWindowControllerTest() : view(machine) {
        PlaceLauncherIn(L"E:\\TC");
        AddTotalCommander(L"E:\\TC");
        machine.AddFile(L"E:\\TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\ed.exe\r\n");
        machine.AddFile(L"E:\\TC\\wcx_ftp.ini", "[Home]\r\nlocaldir=E:\\TC\\dl\r\n");
    }

    // The help branch, as "/?" takes it, and the window's controller on its state.
    SetupWindowController& OpenSetupWindow(const std::wstring& tail = L"/?") {
        EXPECT_EQ(Run(tail), StartupOutcome::ShowSetupWindow);
        controller = std::make_unique<SetupWindowController>(platform, startup->Imports(), shortcuts,
                                                             L"https://velmora.example.org/");
        return *controller;
    }

    RecordingView view;
    std::unique_ptr<SetupWindowController> controller;
};

TEST_F(SetupWindowControllerTest, CloseEndsTheProgramAndDoesNothingElse) {
    EXPECT_EQ(OpenSetupWindow().Click(kCommand1, view), AfterClick::EndProgram);
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_TRUE(machine.StartedPrograms().empty());
    EXPECT_EQ(shortcuts.offers, 0);
}

TEST_F(SetupWindowControllerTest, ImportTcIniFilesImportsBothForcedMainSettingsFirst) {
    machine.AddFile(L"E:\\TC\\TC_portable_wincmd.ini", "[old]\r\n");
    machine.AddFile(L"E:\\TC\\TC_portable_wcx_ftp.ini", "[old]\r\n");
    SetupWindowController& window = OpenSetupWindow();
    machine.AnswerNext(MessageAnswer::Yes);
    machine.AnswerNext(MessageAnswer::Yes);
    EXPECT_EQ(window.Click(kCommand3, view), AfterClick::StayOpen);

    // Forced: the existing private files are offered for replacement, and replaced.
    ASSERT_EQ(machine.Messages().size(), 2u) << "titles: " << ::testing::PrintToString(MessageTitles());
    EXPECT_NE(machine.Messages()[0].message.text.find(L"wincmd.ini"), std::wstring::npos);
    EXPECT_NE(machine.Messages()[1].message.text.find(L"wcx_ftp.ini"), std::wstring::npos);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wincmd.ini"),
              "[Configuration]\r\nEditor=%COMMANDER_PATH%\\ed.exe\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_wcx_ftp.ini"),
              "[Home]\r\nlocaldir=%COMMANDER_PATH%\\dl\r\n");
    EXPECT_EQ(startup->State().WincmdIniPath, L"E:\\TC\\TC_portable_wincmd.ini");
    EXPECT_EQ(startup->State().FtpIniPath, L"E:\\TC\\TC_portable_wcx_ftp.ini");
    EXPECT_TRUE(machine.StartedPrograms().empty()) << "the window starts no Total Commander";
}

TEST_F(SetupWindowControllerTest, ImportButtonBarOpensTheFileDialogAndTakesTheCompanion) {
    machine.AddFile(L"E:\\bars\\my.bar", "[Buttonbar]\r\ncmd1=E:\\TC\\x.exe\r\n");
    machine.AddFile(L"E:\\bars\\my.br1", "[Buttonbar]\r\n");
    dialogs.choices.push_back(L"E:\\bars\\my.bar");
    EXPECT_EQ(OpenSetupWindow().Click(kPatchBtnBar, view), AfterClick::StayOpen);

    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.bar"),
              "[Buttonbar]\r\ncmd1=%COMMANDER_PATH%\\x.exe\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\TC_portable_Default.br1"), "[Buttonbar]\r\n");
    EXPECT_EQ(machine.FileBytes(L"E:\\bars\\my.bar"), "[Buttonbar]\r\ncmd1=E:\\TC\\x.exe\r\n");
}

class ShortcutControlTest : public SetupWindowControllerTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShortcutControlTest, OffersTheDesktopShortcuts) {
    EXPECT_EQ(OpenSetupWindow().Click(GetParam(), view), AfterClick::StayOpen);
    EXPECT_EQ(shortcuts.offers, 1);
    EXPECT_TRUE(view.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(ButtonAndPicture, ShortcutControlTest, ::testing::Values(kCommand4, kPicture1));

TEST_F(SetupWindowControllerTest, TheLinkHidesWhileTheBrowserIsStarted) {
    machine.SetAssociation(L".html", L"C:\\Web\\browser.exe");
    EXPECT_EQ(OpenSetupWindow().Click(kLabel2, view), AfterClick::StayOpen);

    EXPECT_EQ(view.changes, (std::vector<RecordingView::Change>{{false, 0}, {true, 1}}));
    ASSERT_EQ(machine.StartedPrograms().size(), 1u);
    EXPECT_EQ(machine.StartedPrograms()[0].commandLine, L"C:\\Web\\browser.exe https://velmora.example.org/");
    EXPECT_TRUE(machine.FilesIn(L"E:\\").empty()) << "no throw-away file is left in the drive root";
}

TEST_F(SetupWindowControllerTest, LabelsAndUnknownIdsDoNothing) {
    SetupWindowController& window = OpenSetupWindow();
    for (int id : {kLabel1, kTitelLable, 0, 999})
        EXPECT_EQ(window.Click(id, view), AfterClick::StayOpen) << id;
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_EQ(shortcuts.offers, 0);
    EXPECT_TRUE(view.changes.empty());
}

TEST_F(SetupWindowControllerTest, TheTextsAreTheHelpBranchs) {
    const SetupWindowTexts texts = OpenSetupWindow().Texts();
    EXPECT_EQ(texts.caption, L"Velmora - Total Commander mobile launcher  V.1.3");
    EXPECT_EQ(texts.title, L"Velmora - TC-Mobile Launcher (V.1.3)");
    EXPECT_EQ(texts.helpText,
              L"Run this file from your TC dirctory.\r\rParameter for this screen: '/?'\r\r"
              L"..for more infos: check the Web-page");
    EXPECT_EQ(texts.webAddress.find(L"://"), std::wstring::npos);
}

TEST(SetupWindowDesignTest, ButtonsFormAColumnAndCloseComesFirstInTabOrder) {
    EXPECT_EQ(kControls.front().id, kCommand1);
    std::set<int> ids;
    std::vector<std::wstring> buttonsTopDown;
    std::vector<const ControlDesign*> buttons;
    for (const ControlDesign& control : kControls) {
        EXPECT_TRUE(ids.insert(control.id).second) << "duplicate id " << control.id;
        EXPECT_LE(control.twips.left + control.twips.width, kClientWidth);
        EXPECT_LE(control.twips.top + control.twips.height, kClientHeight);
        if (control.kind == ControlKind::Button) buttons.push_back(&control);
    }
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->twips.top < b->twips.top; });
    for (const ControlDesign* button : buttons) {
        EXPECT_EQ(button->twips.left, 240);
        buttonsTopDown.push_back(button->text);
    }
    EXPECT_EQ(buttonsTopDown,
              (std::vector<std::wstring>{L"Import Button Bar (*.bar)", L" Import TC-Ini-Files >>",
                                         L"Create Destktop Shortcut >>", L"Close"}));
}

}  // namespace
}  // namespace velmora
