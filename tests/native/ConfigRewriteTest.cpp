#include "import/ConfigRewrite.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "import/SettingsText.h"
#include "support/ReferenceRewrite.h"

namespace velmora {
namespace {

const RewriteRule kRule{"E:\\TC", "E:\\TC\\", "%COMMANDER_PATH%"};

TEST(RewriteConfigText, FindsAnOccurrenceAcrossTheBorderOfItsScanWindows) {
    for (std::size_t at = 64 * 1024 - 6; at <= 64 * 1024 + 1; ++at) {
        const std::string before(at, 'x');
        EXPECT_EQ(RewriteConfigText(before + "E:\\Tc\\y", kRule), before + "%COMMANDER_PATH%\\y") << at;
    }
}

// Lines ended by CR, CR LF or nothing, a LF, NUL or high byte inside a line, occurrences
// anywhere, rewritten a stretch of lines at a time, however short.
TEST(RewriteConfigText, AgreesWithTheLineByLineRuleOnRandomText) {
    TextCase ascii;
    for (unsigned b = 0; b < 256; ++b)
        ascii.ansi.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
    std::mt19937 random(61206);
    const std::string alphabet("eE:\\tTcC x\r\n\0\xE4", 14);
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
        const auto pieces = RewriteSettingsText(content, {{}, rule}, ascii, 1 + random() % 12);
        const auto rewritten =
            pieces ? std::optional(std::accumulate(pieces->begin(), pieces->end(), std::string()))
                   : std::nullopt;
        ASSERT_EQ(rewritten.value_or(content), expected)
            << "content '" << content << "' search1 '" << rule.search1 << "' search2 '" << rule.search2
            << "'";
        ASSERT_EQ(rewritten.has_value(), expected != content);
    }
}

}  // namespace
}  // namespace velmora
