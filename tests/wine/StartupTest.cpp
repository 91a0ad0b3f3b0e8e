// Whole starts of the launcher on the stick: the first start's questions under every
// combination of answers, later starts, the command line, and where Total Commander is.
#include "support/Stick.h"

namespace velmora::wine {
namespace {

const std::string kUserMain =
    "[Configuration]\r\nInstallDir=E:\\TC\r\nEditor=e:\\tc\\notepad.exe /x E:\\TC\\ini\r\n\r\n"
    "[Buttonbar]\r\nButtonbar=E:\\TC\\DEFAULT.BAR\r\n[Plugins]\r\nx=C:\\Other\\x.wcx\r\n";
const std::string kPrivateMain =
    "[Configuration]\r\nInstallDir=%COMMANDER_PATH%\r\n"
    "Editor=%COMMANDER_PATH%\\notepad.exe /x %COMMANDER_PATH%\\ini\r\n\r\n"
    "[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\DEFAULT.BAR\r\n[Plugins]\r\nx=C:\\Other\\x.wcx\r\n";
const std::string kUserFtp = "[connections]\r\n1=stick\r\n[stick]\r\nhost=E:\\TC\\ftp\r\n";
const std::string kPrivateFtp = "[connections]\r\n1=stick\r\n[stick]\r\nhost=%COMMANDER_PATH%\\ftp\r\n";
constexpr wchar_t kMain[] = L"E:\\TC\\TC_portable_wincmd.ini";
constexpr wchar_t kFtp[] = L"E:\\TC\\TC_portable_wcx_ftp.ini";
constexpr wchar_t kDefaultCommand[] =
    L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";
constexpr wchar_t kImport[] = L"First Start: Import file?";
constexpr wchar_t kFromWindows[] = L"First Start: Import from Windows directory?";
constexpr wchar_t kBrowse[] = L"First Start: Browse for File?";
constexpr wchar_t kShortcut[] = L"Desktop Shortcut?";

// The user's settings beside Total Commander, in the Windows directory and one to browse for.
const Layout kFirstStart = {{L"E:\\TC\\Totalcmd.exe", kStandin},
                            {L"E:\\TC\\wincmd.ini", kUserMain},
                            {L"E:\\TC\\wcx_ftp.ini", kUserFtp},
                            {L"C:\\Windows\\wincmd.ini", "[w]\r\nx=E:\\TC\\win\r\n"},
                            {L"C:\\Windows\\wcx_ftp.ini", "[wf]\r\nh=e:\\tc\\f\r\n"},
                            {L"E:\\TC\\Backup\\mine.ini", "[b]\r\np=e:\\tc\\x\r\n"}};

// What a private file must hold after these answers: the rewritten source the user said Yes to.
std::string ExpectedImport(const ScriptedUi& ui, bool ftp) {
    const std::map<std::wstring, std::string> byOffer = {
        {kImport, ftp ? kPrivateFtp : kPrivateMain},
        {kFromWindows, ftp ? "[wf]\r\nh=%COMMANDER_PATH%\\f\r\n" : "[w]\r\nx=%COMMANDER_PATH%\\win\r\n"},
        {kBrowse, "[b]\r\np=%COMMANDER_PATH%\\x\r\n"}};
    for (const ShownMessage& shown : ui.shown) {
        const bool aboutFtp = shown.message.text.find(L"wcx_ftp") != std::wstring::npos;
        if (shown.answer == MessageAnswer::Yes && aboutFtp == ftp && byOffer.contains(shown.message.title))
            return byOffer.at(shown.message.title);
    }
    return "";
}

bool Answered(const ScriptedUi& ui, const std::wstring& title, MessageAnswer answer) {
    for (const ShownMessage& shown : ui.shown) {
        if (shown.message.title == title && shown.answer == answer) return true;
    }
    return false;
}

using FirstStart = StickTest;

// Each run answers its prefix and No to the rest; every No so given roots one more run
// with Yes in its place.
TEST_F(FirstStart, EveryCombinationOfAnswersKeepsTheUsersFilesAndLaunches) {
    std::vector<std::vector<MessageAnswer>> pending{{}};
    int runs = 0;
    while (!pending.empty()) {
        const std::vector<MessageAnswer> prefix = pending.back();
        pending.pop_back();
        TearDown();
        Lay(kFirstStart);
        ui = ScriptedUi{};
        ui.answers.assign(prefix.begin(), prefix.end());
        dialog = {L"Backup\\mine.ini", {}};
        ASSERT_EQ(Start(), StartupOutcome::Ended);
        ++runs;
        std::string where = "answers";
        for (const ShownMessage& shown : ui.shown)
            where += shown.answer == MessageAnswer::Yes ? " Yes" : " No";
        SCOPED_TRACE(where);

        for (const auto& [path, bytes] : kFirstStart) {
            if (bytes != kStandin) EXPECT_EQ(FileBytes(path), bytes);
        }
        const std::string main = ExpectedImport(ui, false), ftp = ExpectedImport(ui, true);
        EXPECT_EQ(FileBytes(kMain), main);
        EXPECT_EQ(FileBytes(kFtp), ftp);
        EXPECT_EQ(Answered(ui, kShortcut, MessageAnswer::No) || Answered(ui, kShortcut, MessageAnswer::Yes),
                  !main.empty() || !ftp.empty());
        const bool links = Answered(ui, kShortcut, MessageAnswer::Yes);
        EXPECT_EQ(FileBytes(DesktopLink(false)) != kMissing && FileBytes(DesktopLink(true)) != kMissing, links);
        std::size_t browsed = 0;
        for (const ShownMessage& shown : ui.shown)
            browsed += shown.message.title == kBrowse && shown.answer == MessageAnswer::Yes;
        EXPECT_EQ(dialog.captions.size(), browsed);
        for (const std::wstring& caption : dialog.captions)
            EXPECT_EQ(caption.rfind(L"Please import - File select (eg.:", 0), 0u) << caption;
        const auto starts = Starts(1);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].commandLine, kDefaultCommand);
        EXPECT_EQ(starts[0].directory, kTc);

        for (std::size_t i = prefix.size(); i < ui.shown.size(); ++i) {
            if (ui.shown[i].message.buttons != MessageButtons::YesNo) continue;
            std::vector<MessageAnswer> branch = prefix;
            branch.resize(i, MessageAnswer::No);
            branch.push_back(MessageAnswer::Yes);
            pending.push_back(branch);
        }
    }
    EXPECT_EQ(runs, 31);  // four ways to each file, the shortcut offer after any import
}

TEST_F(FirstStart, AsksInTheseWords) {
    Lay(kFirstStart);
    Start();
    const std::wstring unchanged = L"\r\rImportant: original file will not be changed!!";
    std::vector<std::pair<std::wstring, std::wstring>> expected;
    for (const std::wstring name : {L"wincmd.ini", L"wcx_ftp.ini"}) {
        expected.push_back({kImport, L"Import from current directory: '" + name + L"'\r\rto: 'TC_portable_" +
                                         name + L"'\r" + unchanged});
        expected.push_back({kFromWindows, L"Import from Windows directory?\r\rC:\\Windows\\" + name + unchanged});
        expected.push_back({kBrowse, L"Browse for " + name + L" File now?\r\rTarget: E:\\TC\\TC_portable_" + name});
    }
    ASSERT_EQ(ui.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ui.shown[i].message.title, expected[i].first);
        EXPECT_EQ(ui.shown[i].message.text, expected[i].second);
        EXPECT_EQ(ui.shown[i].message.buttons, MessageButtons::YesNo);
        EXPECT_EQ(ui.shown[i].message.icon, MessageIcon::Question);
    }
}

}  // namespace
}  // namespace velmora::wine
