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
        EXPECT_EQ(FileBytes(DesktopLink(false)) != kMissing && FileBytes(DesktopLink(true)) != kMissing,
                  links);
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
        expected.push_back(
            {kFromWindows, L"Import from Windows directory?\r\rC:\\Windows\\" + name + unchanged});
        expected.push_back(
            {kBrowse, L"Browse for " + name + L" File now?\r\rTarget: E:\\TC\\TC_portable_" + name});
    }
    ASSERT_EQ(ui.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ui.shown[i].message.title, expected[i].first);
        EXPECT_EQ(ui.shown[i].message.text, expected[i].second);
        EXPECT_EQ(ui.shown[i].message.buttons, MessageButtons::YesNo);
        EXPECT_EQ(ui.shown[i].message.icon, MessageIcon::Question);
    }
}

// One start on a laid-out stick: what it shows, changes and hands Total Commander.
struct StartCase {
    const char* name;
    std::wstring programDirectory;
    Layout layout;
    std::wstring tail;
    std::vector<MessageAnswer> answers;
    Layout after;                      // files as they must be then; none given: nothing changes
    std::wstring command;              // the stand-in's command line; none: the setup window follows
    std::vector<std::wstring> titles;  // the boxes shown, in order
};

const Layout kLaterStart = {{L"E:\\TC\\Totalcmd.exe", kStandin},
                            {L"E:\\TC\\wincmd.ini", kUserMain},
                            {kMain, kPrivateMain},
                            {kFtp, kUserFtp}};  // not rewritten: an existing FTP copy is not re-scanned
const std::string kNewEntry = "[New]\r\nlast=E:\\TC\\new.exe\r\n";

// Total Commander as `exe` in `directory`, with private files that ask nothing.
Layout Found(const std::wstring& directory, const std::wstring& exe) {
    return {{directory + L"\\" + exe, kStandin},
            {directory + L"\\TC_portable_wincmd.ini", ""},
            {directory + L"\\TC_portable_wcx_ftp.ini", ""}};
}

std::wstring Command(const std::wstring& exe, const std::wstring& directory, const std::wstring& tail = L"") {
    return exe + L" " + tail + L" /i=" + directory + L"\\TC_portable_wincmd.ini /f=" + directory +
           L"\\TC_portable_wcx_ftp.ini";
}

StartCase Help(const char* name, const wchar_t* tail) {
    return {name, kTc, kLaterStart, tail, {}, {}, L"", {}};
}

class Starts : public StickTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(Starts, ShowChangeAndLaunchAsExpected) {
    const StartCase& c = GetParam();
    Lay(c.layout);
    ui.answers.assign(c.answers.begin(), c.answers.end());
    const auto before = Snapshot(L"E:\\");
    EXPECT_EQ(Start(c.tail, c.programDirectory),
              c.command.empty() ? StartupOutcome::ShowSetupWindow : StartupOutcome::Ended);
    std::vector<std::wstring> titles;
    for (const ShownMessage& shown : ui.shown)
        titles.push_back(shown.message.title);
    EXPECT_EQ(titles, c.titles);
    if (c.after.empty()) EXPECT_EQ(Snapshot(L"E:\\"), before);
    for (const auto& [path, bytes] : c.after)
        EXPECT_EQ(FileBytes(path), bytes) << testing::PrintToString(path);
    const auto starts = wine::Starts(c.command.empty() ? 0 : 1);
    ASSERT_EQ(starts.size(), c.command.empty() ? 0u : 1u);
    if (starts.empty()) return;
    EXPECT_EQ(starts[0].commandLine, c.command);
    EXPECT_EQ(starts[0].directory + L"\\", starts[0].exe.substr(0, starts[0].exe.rfind(L'\\') + 1));
}

const std::wstring kMy = L"E:\\My TC";
INSTANTIATE_TEST_SUITE_P(
    Cases, Starts,
    ::testing::Values(
        StartCase{"LaterStartAsksAndChangesNothing", kTc, kLaterStart, L"", {}, {}, kDefaultCommand, {}},
        StartCase{"NewAbsolutePathsAreRewritten",
                  kTc,
                  With(kLaterStart, {{kMain, kPrivateMain + kNewEntry}}),
                  L"",
                  {},
                  {{kMain, kPrivateMain + "[New]\r\nlast=%COMMANDER_PATH%\\new.exe\r\n"}, {kFtp, kUserFtp}},
                  kDefaultCommand,
                  {}},
        StartCase{"AStaleWorkingFileGoes",
                  kTc,
                  With(kLaterStart, {{std::wstring(kMain) + L"_temp2.txt", "x"}}),
                  L"",
                  {},
                  {{kMain, kPrivateMain}, {std::wstring(kMain) + L"_temp2.txt", kMissing}},
                  kDefaultCommand,
                  {}},
        StartCase{"OwnMainSettingsSkipTheirImport",
                  kTc,
                  {kLaterStart[0], kLaterStart[1], kLaterStart[3]},
                  L" x /I=C:\\my.ini",
                  {},
                  {{kMain, kMissing}},
                  L"E:\\TC\\Totalcmd.exe x /I=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini",
                  {}},
        StartCase{"OwnFtpSettingsSkipTheirImport",
                  kTc,
                  {kLaterStart[0], kLaterStart[2]},
                  L"a /f=C:\\ftp.ini",
                  {},
                  {{kFtp, kMissing}},
                  L"E:\\TC\\Totalcmd.exe a /f=C:\\ftp.ini /i=E:\\TC\\TC_portable_wincmd.ini",
                  {}},
        StartCase{"OptionsNeedTheirLeadingBlank",
                  kTc,
                  kLaterStart,
                  L"/i=C:\\my.ini",
                  {},
                  {},
                  Command(L"E:\\TC\\Totalcmd.exe", kTc, L"/i=C:\\my.ini"),
                  {}},
        StartCase{"ASwitchWithABlankIsPassedOn",
                  kTc,
                  kLaterStart,
                  L"/? ",
                  {},
                  {},
                  Command(L"E:\\TC\\Totalcmd.exe", kTc, L"/?"),
                  {}},
        StartCase{"TheSetupWordOffersTheShortcuts",
                  kTc,
                  kLaterStart,
                  L"setup ",
                  {},
                  {},
                  Command(L"E:\\TC\\Totalcmd.exe", kTc, L"setup"),
                  {kShortcut}},
        Help("HelpSlashQuestion", L"/?"), Help("HelpQuestion", L"?"), Help("HelpDashQuestion", L"-?"),
        Help("HelpSlashSetup", L"/setup"), Help("HelpSetup", L"Setup"), Help("HelpDashSetup", L"-SETUP"),
        StartCase{"BlanksInTheDirectoryAreQuoted",
                  kMy,
                  {{kMy + L"\\Totalcmd.exe", kStandin}, {kMy + L"\\wincmd.ini", "[c]\r\np=E:\\My TC\\x\r\n"}},
                  L"",
                  {MessageAnswer::Yes},
                  {{kMy + L"\\TC_portable_wincmd.ini", "[c]\r\np=%COMMANDER_PATH%\\x\r\n"},
                   {kMy + L"\\TC_portable_wcx_ftp.ini", ""}},
                  L"\"E:\\My TC\\Totalcmd.exe\"  /i=\"E:\\My TC\\TC_portable_wincmd.ini\" "
                  L"/f=\"E:\\My TC\\TC_portable_wcx_ftp.ini\"",
                  {kImport, kBrowse, kShortcut}},
        StartCase{"WinCmd32",
                  kTc,
                  Found(kTc, L"WinCmd32.exe"),
                  L"",
                  {},
                  {},
                  Command(L"E:\\TC\\WinCmd32.exe", kTc),
                  {}},
        StartCase{"Totalcmd64",
                  kTc,
                  Found(kTc, L"TOTALCMD64.EXE"),
                  L"",
                  {},
                  {},
                  Command(L"E:\\TC\\TOTALCMD64.EXE", kTc),
                  {}},
        StartCase{"TheClassicOneBeforeTotalcmd64",
                  kTc,
                  With(Found(kTc, L"TOTALCMD64.EXE"), {{L"E:\\TC\\Totalcmd.exe", kStandin}}),
                  L"",
                  {},
                  {},
                  kDefaultCommand,
                  {}},
        StartCase{"InASubdirectory", L"E:\\", Found(kTc, L"Totalcmd.exe"), L"", {}, {}, kDefaultCommand, {}},
        StartCase{"TheFirstSubdirectoryByName",
                  L"E:\\",
                  With(Found(L"E:\\C", L"Totalcmd.exe"),
                       With(Found(L"E:\\B", L"WinCmd32.exe"), {{L"E:\\A\\readme.txt", "x"}})),
                  L"",
                  {},
                  {},
                  Command(L"E:\\B\\WinCmd32.exe", L"E:\\B"),
                  {}},
        StartCase{"Totalcmd64OneLevelDown",
                  L"E:\\",
                  Found(L"E:\\X64", L"TOTALCMD64.EXE"),
                  L"",
                  {},
                  {},
                  Command(L"E:\\X64\\TOTALCMD64.EXE", L"E:\\X64"),
                  {}},
        StartCase{"TheFirstStartImportsInTheSubdirectory",
                  L"E:\\",
                  {kFirstStart[0], kFirstStart[1], kFirstStart[2]},
                  L"",
                  {MessageAnswer::Yes, MessageAnswer::Yes},
                  {{kMain, kPrivateMain}, {kFtp, kPrivateFtp}},
                  kDefaultCommand,
                  {kImport, kImport, kShortcut}},
        StartCase{"NotFoundIsReported",
                  kTc,
                  {{L"E:\\TC\\readme.txt", "x"}},
                  L"",
                  {},
                  {},
                  L"",
                  {L"File not found!"}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::wine
