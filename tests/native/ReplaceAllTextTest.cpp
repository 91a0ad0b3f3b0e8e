#include "common/ReplaceAllText.h"

#include <gtest/gtest.h>

#include <random>

#include "support/ReferenceRewrite.h"

namespace velmora {
namespace {

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
        std::string search(random() % 5, ' ');
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
