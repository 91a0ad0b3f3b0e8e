#include "common/ReplaceAllText.h"

#include <gtest/gtest.h>

#include <random>

#include "support/ReferenceRewrite.h"

namespace velmora {
namespace {

struct ReplaceCase {
    const char* text;
    const char* search;
    const char* expected;
};

class ReplaceAllTextCases : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTextCases, FollowsTheRewriteRule) {
    const ReplaceCase& c = GetParam();
    std::string search = c.search;
    EXPECT_EQ(ReplaceAllText(std::string(c.text), search, std::string("%COMMANDER_PATH%"), false),
              c.expected);
    EXPECT_EQ(reference::ReplaceAll(c.text, c.search, "%COMMANDER_PATH%"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplaceAllTextCases,
    testing::Values(ReplaceCase{"Editor=e:\\totalcmd\\notepad.exe /x e:\\TOTALCMD\\ini", "E:\\TotalCmd",
                                "Editor=%COMMANDER_PATH%\\notepad.exe /x %COMMANDER_PATH%\\ini"},
                    ReplaceCase{"E:\\TOTALCMD\\a.exe e:\\totalcmd\\b.exe E:\\TotalCmd\\c.exe", "E:\\TotalCmd",
                                "%COMMANDER_PATH%\\a.exe %COMMANDER_PATH%\\b.exe %COMMANDER_PATH%\\c.exe"},
                    // An occurrence that starts right after a replaced one keeps its second half.
                    ReplaceCase{"E:\\TotalCmdE:\\TotalCmd", "E:\\TotalCmd", "%COMMANDER_PATH%E:\\TotalCmd"},
                    // One character between two occurrences is enough for both to be replaced.
                    ReplaceCase{"E:\\TCxE:\\TC", "E:\\TC", "%COMMANDER_PATH%x%COMMANDER_PATH%"},
                    ReplaceCase{"E:\\TotalCmd2\\x.exe", "E:\\TotalCmd", "%COMMANDER_PATH%2\\x.exe"},
                    ReplaceCase{"nothing here", "E:\\TC", "nothing here"},
                    ReplaceCase{"E:\\TC", "E:\\TC", "%COMMANDER_PATH%"}, ReplaceCase{"", "E:\\TC", ""},
                    ReplaceCase{"any text", "", "any text"}));

TEST(ReplaceAllText, LeavesTheCallersSearchStringInUpperCase) {
    std::wstring search = L"e:\\tc";
    ReplaceAllText(std::wstring(L"x"), search, std::wstring(L"y"), false);
    EXPECT_EQ(search, L"E:\\TC");

    std::wstring exact = L"e:\\tc";
    EXPECT_EQ(ReplaceAllText(std::wstring(L"E:\\TC e:\\tc"), exact, std::wstring(L"R"), true), L"E:\\TC R");
    EXPECT_EQ(exact, L"e:\\tc");
}

TEST(ReplaceAllText, MatchesTheStepByStepRuleOnRandomText) {
    std::mt19937 random(20261206);
    const std::string alphabet = "eE:\\tTcC x";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        std::string search(1 + random() % 4, ' ');
        for (char& c : search)
            c = alphabet[random() % alphabet.size()];
        const std::string replacement = (random() % 2) ? "%COMMANDER_PATH%" : "";

        std::string searchCopy = search;
        ASSERT_EQ(ReplaceAllText(text, searchCopy, replacement, false),
                  reference::ReplaceAll(text, search, replacement))
            << "text '" << text << "' search '" << search << "'";
    }
}

}  // namespace
}  // namespace velmora
