// Whole starts: the first under every combination of answers, later ones, the command line.
#include "support/Stick.h"

namespace velmora::wine {
namespace {

constexpr wchar_t kDefaultCommand[] =
    L"E:\\TC\\Totalcmd.exe  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini";
constexpr wchar_t kImport[] = L"First Start: Import file?";
constexpr wchar_t kBrowse[] = L"First Start: Browse for File?";
constexpr wchar_t kShortcut[] = L"Desktop Shortcut?";
constexpr wchar_t kSameFile[] = L"Error: same file selected!";

// The user's settings beside Total Commander, in the Windows directory and one to browse for.
const Layout kFirstStart = {{kTotalcmd, kStandin},
                            {kWincmd, kUserMain},
                            {kWcx, kUserFtp},
                            {L"C:\\Windows\\wincmd.ini", "x=E:\\TC\\w\r\n"},
                            {L"C:\\Windows\\wcx_ftp.ini", "f=e:\\tc\\f\r\n"},
                            {L"E:\\TC\\Backup\\mine.ini", "b=e:\\tc\\b\r\n"}};

// What a private file must hold after these answers: the rewritten source the user said Yes to.
std::string ExpectedImport(const ScriptedUi& ui, bool ftp) {
    const std::map<std::wstring, std::string> byOffer = {
        {kImport, ftp ? kPrivateFtp : kPrivateMain},
        {L"First Start: Import from Windows directory?",
         ftp ? "f=%COMMANDER_PATH%\\f\r\n" : "x=%COMMANDER_PATH%\\w\r\n"},
        {kBrowse, "b=%COMMANDER_PATH%\\b\r\n"}};
    for (const ShownMessage& shown : ui.shown) {
        const bool aboutFtp = shown.message.text.find(L"wcx_ftp") != std::wstring::npos;
        if (shown.answer == MessageAnswer::Yes && aboutFtp == ftp && byOffer.contains(shown.message.title))
            return byOffer.at(shown.message.title);
    }
    return "";
}

using FirstStart = StickTest;

// Each run answers its prefix and No to the rest; each such No roots a run with Yes there.
TEST_F(FirstStart, EveryCombinationOfAnswersKeepsTheUsersFilesAndLaunches) {
    std::vector<std::vector<MessageAnswer>> pending{{}};
    int runs = 0;
    for (; !pending.empty(); ++runs) {
        const std::vector<MessageAnswer> prefix = pending.back();
        pending.pop_back();
        ClearStick();
        Lay(kFirstStart);
        ui = ScriptedUi{};
        ui.answer = [&prefix, i = std::size_t{0}](const Message&) mutable {
            return i < prefix.size() ? prefix[i++] : MessageAnswer::No;
        };
        // Messages go through before each desktop link is made: is the first one there then?
        std::vector<bool> firstLinkMade;
        ui.whilePumping = [&] { firstLinkMade.push_back(FileBytes(DesktopLink(false)) != kMissing); };
        dialog = {};
        dialog.choice = L"Backup\\mine.ini";
        ASSERT_EQ(Start(), StartupOutcome::Ended);
        SCOPED_TRACE("answers " + testing::PrintToString(prefix) + ", then No");
        for (const auto& [path, bytes] : kFirstStart) {
            if (bytes != kStandin) {
                EXPECT_EQ(FileBytes(path), bytes);
            }
        }
        const std::string main = ExpectedImport(ui, false), ftp = ExpectedImport(ui, true);
        EXPECT_EQ(FileBytes(kMain), main);
        EXPECT_EQ(FileBytes(kFtp), ftp);
        std::map<std::wstring, std::size_t> asked, yes;
        for (const ShownMessage& shown : ui.shown) {
            ++asked[shown.message.title];
            yes[shown.message.title] += shown.answer == MessageAnswer::Yes;
        }
        EXPECT_EQ(asked.contains(kShortcut), !main.empty() || !ftp.empty());
        EXPECT_EQ(FileBytes(DesktopLink(false)) != kMissing && FileBytes(DesktopLink(true)) != kMissing,
                  yes[kShortcut] == 1);
        EXPECT_EQ(firstLinkMade, (yes[kShortcut] ? std::vector{false, true} : std::vector<bool>()));
        EXPECT_EQ(dialog.shown, yes[kBrowse]);
        const auto starts = Starts(1);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].commandLine, kDefaultCommand);
        for (std::size_t i = prefix.size(); i < ui.shown.size(); ++i) {
            pending.push_back(prefix);
            pending.back().resize(i, MessageAnswer::No);
            pending.back().push_back(MessageAnswer::Yes);
        }
    }
    EXPECT_EQ(runs, 31);  // four ways to each file, the shortcut offer after any import
}

// A later start, as the first one left the stick.
const Layout::value_type kProgram{kTotalcmd, kStandin}, kUsersMain{kWincmd, kUserMain},
    kPrivate{kMain, kPrivateMain}, kFtpAsItWas{kFtp, kUserFtp};
const Layout kLater = {kProgram, kUsersMain, kPrivate, kFtpAsItWas};

std::wstring DirectoryOf(const std::wstring& exe) {
    return WithSeparator(DirectoryPart(exe));
}

// Total Commander as `exe` with private files that ask nothing, after `more`.
Layout Found(const std::wstring& exe, Layout more = {}) {
    more.insert(more.end(), {{exe, kStandin},
                             {DirectoryOf(exe) + L"TC_portable_wincmd.ini", ""},
                             {DirectoryOf(exe) + L"TC_portable_wcx_ftp.ini", ""}});
    return more;
}

std::wstring Command(const std::wstring& exe, const std::wstring& tail = L"") {
    const std::wstring directory = DirectoryOf(exe);
    return exe + L" " + tail + L" /i=" + directory + L"TC_portable_wincmd.ini /f=" + directory +
           L"TC_portable_wcx_ftp.ini";
}

using Click = void (SetupWindowController::*)();
constexpr Click kBarClick = &SetupWindowController::PatchBtnBar_Click;
const std::wstring kBar = L"E:\\TC\\TC_portable_Default.bar", kBr1 = L"E:\\TC\\TC_portable_Default.br1";

struct StartCase {
    const char* name;
    std::wstring tail = {};
    std::wstring command = {};           // the stand-in's command line; none: the setup window follows
    Layout layout = kLater, after = {};  // files as they must be then; none: nothing on the stick changes
    std::vector<std::wstring> titles = {};
    std::wstring programDirectory = kTc;
    std::map<std::wstring, DWORD> attributes = {};  // set after the layout
    std::wstring startIn = {};
    Click click = nullptr;                    // in the setup window
    std::optional<std::wstring> choice = {};  // typed into the file dialog; none: Abbruch
    bool noToAll = false;                     // otherwise Yes to imports and offers to browse
};

// A first start beside Total Commander in E:\<directory>, which imports `user` as `imported`.
StartCase Imports(const char* name, const std::wstring& directory, const std::string& user,
                  const std::string& imported) {
    const std::wstring tc = L"E:\\" + directory + L"\\";
    return StartCase{
        .name = name,
        .command = Command(tc + L"Totalcmd.exe"),
        .layout = {{tc + L"Totalcmd.exe", kStandin}, {tc + L"wincmd.ini", user}},
        .after = {{tc + L"TC_portable_wincmd.ini", imported}, {tc + L"TC_portable_wcx_ftp.ini", ""}},
        .titles = {kImport, kBrowse, kShortcut},
        .programDirectory = tc.substr(0, tc.size() - 1)};
}

class Starts : public StickTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(Starts, ShowChangeAndLaunchAsExpected) {
    const StartCase& c = GetParam();
    Lay(c.layout);
    startIn = c.startIn;
    dialog.choice = c.choice;
    for (const auto& [path, attributes] : c.attributes)
        SetFileAttributesW(path.c_str(), attributes);
    // Yes to each import and each offer to browse, where the dialog takes the case's choice.
    ui.answer = [&c](const Message& m) {
        const bool yes = !c.noToAll && (m.title == kImport || m.title == kBrowse);
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    };
    const auto before = Snapshot(L"E:\\");
    EXPECT_EQ(Start(c.tail, c.programDirectory, nullptr, c.click),
              c.command.empty() ? StartupOutcome::ShowSetupWindow : StartupOutcome::Ended);
    std::vector<std::wstring> titles;
    for (const ShownMessage& shown : ui.shown) {
        titles.push_back(shown.message.title);
        // A question asks with its icon, the same-file error is critical, the rest report.
        const MessageIcon icon = shown.message.buttons == MessageButtons::YesNo ? MessageIcon::Question
                                 : shown.message.title == kSameFile             ? MessageIcon::Critical
                                                                                : MessageIcon::Information;
        EXPECT_EQ(shown.message.icon, icon) << testing::PrintToString(shown.message.title);
    }
    EXPECT_EQ(titles, c.titles);
    if (c.after.empty()) {
        EXPECT_EQ(Snapshot(L"E:\\"), before);
    }
    for (const auto& [path, bytes] : c.after)
        EXPECT_EQ(FileBytes(path), bytes) << testing::PrintToString(path);
    const auto starts = wine::Starts(c.command.empty() ? 0 : 1);
    ASSERT_EQ(starts.size(), c.command.empty() ? 0u : 1u);
    if (starts.empty()) return;
    EXPECT_EQ(starts[0].commandLine, c.command);
    // Total Commander starts in its own directory (Wine reports a program on a share as "UNC\...").
    const std::wstring& line = starts[0].commandLine;
    const std::wstring& directory = starts[0].directory;
    const std::wstring program =
        line[0] == L'"' ? line.substr(1, line.find(L'"', 1)) : line.substr(0, line.find(L' '));
    EXPECT_EQ(WithSeparator(directory), DirectoryOf(program));
}

const std::wstring kWorking = kMain + std::wstring(L"_temp2.txt");
const StartCase kStarts[] = {
    {.name = "LaterStartAsksAndChangesNothing", .command = kDefaultCommand},
    // Started from another drive's directory, Total Commander still starts in its own.
    {.name = "FromAnotherDriveTotalCommanderStartsInItsOwn",
     .command = kDefaultCommand,
     .startIn = L"C:\\Windows"},
    {.name = "OwnMainSettingsSkipTheirImport",
     .tail = L" x /I=C:\\my.ini",
     .command = L"E:\\TC\\Totalcmd.exe x /I=C:\\my.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini",
     .layout = {kProgram, kFtpAsItWas},
     .after = {{kMain, kMissing}}},
    {.name = "TheFirstSubdirectoryByName",
     .command = Command(L"E:\\B\\WinCmd32.exe"),
     .layout = Found(L"E:\\B\\WinCmd32.exe", {{L"E:\\A\\x.txt", ""}, {L"E:\\C\\Totalcmd.exe", kStandin}}),
     .programDirectory = L"E:\\"},
    {.name = "Totalcmd64WhenAlone",
     .command = Command(L"E:\\TC\\TOTALCMD64.EXE"),
     .layout = Found(L"E:\\TC\\TOTALCMD64.EXE")},
    {.name = "AClassicOneInAnySubdirectoryBeforeTotalcmd64",
     .command = Command(L"E:\\B\\Totalcmd.exe"),
     .layout = Found(L"E:\\B\\Totalcmd.exe", {{L"E:\\A\\TOTALCMD64.EXE", kStandin}}),
     .programDirectory = L"E:\\"},
    // Every occurrence is rewritten in the file's own encoding, in the code page's upper case.
    Imports("ADirectoryOutsideTheCodePageInUtf8", L"\u0422\u0421", "d=E:\\\xD1\x82\xD1\x81\\x\r\n",
            "d=%COMMANDER_PATH%\\x\r\n"),
    // The search resumes a character behind each replacement, so the occurrence right behind
    // one stays; an import is rewritten once.
    Imports("TheCodePagesOwnUpperCase", L"T\u00f6t\u00e4l", "d=E:\\T\xD6T\xC4LE:\\T\xD6T\xC4L\r\n",
            "d=%COMMANDER_PATH%E:\\T\xD6T\xC4L\r\n"),
    // Ok on the pattern the browse dialog starts with ("*.*") chooses no file.
    {.name = "AFirstStartFromAboveImportsBesideTotalCommander",
     .command = kDefaultCommand,
     .layout = {{kTotalcmd, kStandin}, {kWincmd, kUserMain}},
     .after = {{kMain, kPrivateMain}, {kFtp, ""}},
     .titles = {kImport, kBrowse, kShortcut},
     .programDirectory = L"E:\\",
     .choice = L""},
    {.name = "AtTheRootOfADrive",
     .command = Command(L"E:\\Totalcmd.exe"),
     .layout = {{L"E:\\Totalcmd.exe", kStandin}, {L"E:\\wincmd.ini", "p=e:\\Plugins\r\n"}},
     .after = {{L"E:\\TC_portable_wincmd.ini", "p=%COMMANDER_PATH%Plugins\r\n"}},
     .titles = {kImport, kBrowse, kShortcut},
     .programDirectory = L"E:\\"},
    {.name = "AHiddenPrivateFileKeepsEveryByte",
     .command = L"E:\\TC\\Totalcmd.exe  /f=" + std::wstring(kFtp),
     .layout = {kProgram, kUsersMain, {kMain, kUserMain}, kFtpAsItWas},
     .after = {{kMain, kUserMain}},
     .titles = {kImport, L"Import failed", kShortcut},
     .attributes = {{kMain, FILE_ATTRIBUTE_HIDDEN}}},
    {.name = "AReadOnlyPrivateFileIsUsedNotReplaced",
     .command = kDefaultCommand,
     .layout = {kProgram, {kMain, kUserMain}, kFtpAsItWas},
     .after = {{kMain, kUserMain}},
     .attributes = {{kMain, FILE_ATTRIBUTE_READONLY}}},
    {.name = "AHiddenStaleWorkingFileGoesFirst",
     .command = kDefaultCommand,
     .layout = {kProgram, {kMain, kUserMain}, {kWorking, "stale"}, kFtpAsItWas},
     .after = {{kMain, kPrivateMain}, {kWorking, kMissing}},
     .attributes = {{kWorking, FILE_ATTRIBUTE_HIDDEN}}},
    // The chosen bar, of any name, and its companion (the name less its last four characters,
    // plus ".br1") replace the private ones before the import's questions, which only decide
    // whether the bar is copied once more: said No to, it is still rewritten in place.
    {.name = "ABarChosenAndNotImportedStillReplacesThePrivateOne",
     .tail = L"/?",
     .layout = {kProgram,
                {kBar, "c=E:\\TC\\old\r\n"},
                {kBr1, "old\r\n"},
                {L"E:\\TC\\B\\My.txt", "c=e:\\tc\\x\r\n"},
                {L"E:\\TC\\B\\My.br1", "i\r\n"}},
     .after = {{kBar, "c=%COMMANDER_PATH%\\x\r\n"}, {kBr1, "i\r\n"}},
     .titles = {kImport, kBrowse},
     .click = kBarClick,
     .choice = L"B\\My.txt",
     .noToAll = true},
    {.name = "ThePrivateBarItselfIsRefused",
     .tail = L"/?",
     .layout = {kProgram, {kBar, "c=E:\\TC\\x\r\n"}},
     .titles = {kSameFile, L"Cancled"},
     .click = kBarClick,
     .choice = L"TC_portable_Default.bar"},
    {.name = "NoBarChosenNoneImported", .tail = L"/?", .layout = {kProgram}, .click = kBarClick},
    {.name = "TwoLevelsDownIsTooDeep",
     .layout = {{L"E:\\A\\B\\Totalcmd.exe", kStandin}},
     .titles = {L"File not found!"},
     .programDirectory = L"E:\\"},
    // After it the setup window's imports search for no directory: they copy the files as they are.
    {.name = "NotFoundIsReportedAndImportsChangeNothing",
     .layout = {{L"E:\\Tools\\wincmd.ini", "Editor=E:\\Tools\\ed.exe\r\n"},
                {L"E:\\Tools\\wcx_ftp.ini", "h=e:\\tools\r\n"}},
     .after = {{L"E:\\Tools\\TC_portable_wincmd.ini", "Editor=E:\\Tools\\ed.exe\r\n"},
               {L"E:\\Tools\\TC_portable_wcx_ftp.ini", "h=e:\\tools\r\n"}},
     .titles = {L"File not found!", kImport, kImport},
     .programDirectory = L"E:\\Tools",
     .click = &SetupWindowController::Command3_Click},
    // Found one level down from another drive, the directory of that drive changes, not the
    // drive: the imports browse where the program was started.
    {.name = "FoundFromAnotherDriveTheImportsBrowseWhereItStarted",
     .command = kDefaultCommand,
     .layout = {{kTotalcmd, kStandin}, {kWcx, kUserFtp}, {L"C:\\Windows\\wincmd.ini", "w=E:\\TC\\w\r\n"}},
     .after = {{kMain, "w=%COMMANDER_PATH%\\w\r\n"}, {kFtp, kPrivateFtp}},
     .titles = {L"First Start: Import from Windows directory?", kBrowse, kImport, kShortcut},
     .programDirectory = L"E:\\",
     .startIn = L"C:\\Windows",
     .choice = L"wincmd.ini"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Starts, ::testing::ValuesIn(kStarts),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::wine
