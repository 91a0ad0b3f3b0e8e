// A first start answered on screen: each box the launcher shows, read from the real
// window and answered with its buttons, and the start of Total Commander it leads to.
#include <filesystem>
#include <fstream>

#include "tests/LauncherTest.h"

namespace velmora::e2e {
namespace {

struct FirstStartCase {
    const char* name;
    std::wstring tail;
    std::vector<Box> boxes;  // in the order in which they must come
    std::string options;     // what Total Commander gets after its path
    std::string privateIni;  // TC_portable_wincmd.ini afterwards
    std::vector<std::optional<Shortcut>> shortcuts;
};

const FirstStartCase kCases[] = {
    {"YesToAll",
     L"/O  ",
     {ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini", L"&Yes"),
      ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini", L"&Yes"),
      ShortcutQuestion(L"&Yes"),
      {L"velmora", L"Add your Command-Line:\r\r/O  \r\rto the Shortcut?", L"&Yes"}},  // the program's title
     " /O /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini",
     "[Configuration]\r\nEditor=%COMMANDER_PATH%\\notepad.exe\r\n",
     {Shortcut{kLauncher, L"/O"}, Shortcut{kLauncher, L"/?"}}},
    {"NoToAll",
     L"",
     {ImportQuestion(L"wincmd.ini", L"TC_portable_wincmd.ini", L"&No"),
      {L"First Start: Import from Windows directory?",
       L"Import from Windows directory?\r\rC:\\Windows\\wincmd.ini\r\rImportant: original file will not be "
       L"changed!!",
       L"&No"},
      BrowseQuestion(L"wincmd.ini", L"&No"),
      ImportQuestion(L"wcx_ftp.ini", L"TC_portable_wcx_ftp.ini", L"&No"),
      BrowseQuestion(L"wcx_ftp.ini", L"&No")},
     "  /i=E:\\TC\\TC_portable_wincmd.ini /f=E:\\TC\\TC_portable_wcx_ftp.ini",
     "",
     {std::nullopt, std::nullopt}},
};

const std::filesystem::path kWindowsIni = L"C:\\Windows\\wincmd.ini";

class FirstStartTest : public LauncherTest, public ::testing::WithParamInterface<FirstStartCase> {
protected:
    void TearDown() override { std::filesystem::remove(kWindowsIni); }
};

TEST_P(FirstStartTest, AsksOnScreenThenStartsTotalCommander) {
    Put(L"TC\\wincmd.ini", "[Configuration]\r\nEditor=E:\\TC\\notepad.exe\r\n");
    Put(L"TC\\wcx_ftp.ini", "[Home]\r\n");
    std::ofstream(kWindowsIni) << "[Configuration]\r\n";
    Start(GetParam().tail);
    for (const Box& box : GetParam().boxes)
        Answer(box);
    // In E:\TC, as the directory after the tab says.
    EXPECT_EQ(Launches(1),
              std::vector<std::string>{"E:\\TC\\Totalcmd.exe" + GetParam().options + "\tE:\\TC"});
    EXPECT_EQ(Read(L"TC\\TC_portable_wincmd.ini"), GetParam().privateIni);
    EXPECT_EQ(Shortcuts(), GetParam().shortcuts);
}

INSTANTIATE_TEST_SUITE_P(Answers, FirstStartTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velmora::e2e
