#include "import/ConfigRewrite.h"

#include <gtest/gtest.h>

#include <random>

#include "support/ReferenceRewrite.h"

namespace velmora {
namespace {

const RewriteRule kRule{"E:\\TC", "E:\\TC\\", "%COMMANDER_PATH%"};

TEST(RewriteConfigText, BinaryAndLongContent) {
    std::string line(70000, 'a');
    line += "E:\\tc\\b";
    line += '\0';
    line += "\xE4\xF6\xFC";
    const std::string content = line + "\r\n" + std::string(3, '\0') + "\r\n";
    std::string expected = std::string(70000, 'a') + "%COMMANDER_PATH%\\b";
    expected += '\0';
    expected += "\xE4\xF6\xFC\r\n" + std::string(3, '\0') + "\r\n";
    EXPECT_EQ(RewriteConfigText(content, kRule), expected);
}

TEST(RewriteConfigText, FindsAnOccurrenceAcrossTheBorderOfItsScanWindows) {
    for (std::size_t at = 64 * 1024 - 6; at <= 64 * 1024 + 1; ++at) {
        const std::string before(at, 'x');
        EXPECT_EQ(RewriteConfigText(before + "E:\\Tc\\y", kRule), before + "%COMMANDER_PATH%\\y") << at;
    }
}

TEST(RewriteConfigText, TheSecondSearchSeesTheFirstOnesResult) {
    // "E:\TC" right after a replacement survives the first search; the second (with its
    // separator) then takes it, separator included.
    EXPECT_EQ(RewriteConfigText("E:\\TCE:\\TC\\x", kRule), "%COMMANDER_PATH%%COMMANDER_PATH%x");
}

TEST(RewriteConfigText, AgreesWithTheLineByLineRuleOnRandomText) {
    std::mt19937 random(61206);
    const std::string alphabet = "eE:\\tTcC x\r\n";
    const auto randomText = [&](size_t maxLength) {
        std::string text(random() % maxLength, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string content = randomText(60);
        const RewriteRule rule{randomText(5), randomText(6), (random() % 3) ? "%P%" : ""};
        const std::string expected =
            reference::Rewrite(content, rule.search1, rule.search2, rule.replacement);
        const auto rewritten = RewriteConfigText(content, rule);
        ASSERT_EQ(rewritten.value_or(content), expected)
            << "content '" << content << "' search1 '" << rule.search1 << "' search2 '" << rule.search2
            << "'";
        ASSERT_EQ(rewritten.has_value(), expected != content);
    }
}

}  // namespace
}  // namespace velmora
