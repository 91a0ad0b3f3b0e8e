// The rewrite in each encoding a settings file may have, with the upper case of its kind.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <span>

#include "import/SettingsText.h"
#include "shared/Utf16Bytes.h"
#include "support/ReferenceRewrite.h"

namespace velmora {
namespace {

// Latin-1 letters upper-cased, as in code page 1252; 0x81 leads a pair in the double-byte case.
bool IsLatin1Lower(unsigned c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}
TextCase Latin1Case(bool doubleByte) {
    TextCase latin1;
    for (unsigned b = 0; b < 256; ++b)
        latin1.ansi.upper[b] = static_cast<unsigned char>(IsLatin1Lower(b) ? b - 0x20 : b);
    latin1.ansi.leadsPair[0x81] = doubleByte;
    latin1.unicode = [](std::u16string& text) {
        for (char16_t& c : text)
            if (IsLatin1Lower(c)) c = static_cast<char16_t>(c - 0x20);
    };
    return latin1;
}

TEST(SettingsText, EachEncodingIsRewrittenInItself) {
    const SettingsRule rule{{u"E:\\T\u00f6t\u00e4l", u"E:\\T\u00f6t\u00e4l\\", u"%C%"},
                            {"E:\\T\xf6t\xe4l", "E:\\T\xf6t\xe4l\\", "%C%"}};
    struct Case {
        const char* name;
        std::string before, after;  // after "": nothing to rewrite
    };
    const Case singleByte[] = {
        {"ansi", "a=E:\\T\xd6T\xc4L\\x\r\nx=\x81\x65:\\T\xf6t\xe4l\r\n", "a=%C%\\x\r\nx=\x81%C%\r\n"},
        {"utf-8 with bom", "\xEF\xBB\xBFp=e:\\t\xC3\xB6t\xC3\xA4l\\a \xE2\x82\xAC\r\n",
         "\xEF\xBB\xBFp=%C%\\a \xE2\x82\xAC\r\n"},
        {"utf-8", "p=E:\\T\xC3\x96T\xC3\x84L\rq=\xF0\x9F\x98\x80", "p=%C%\rq=\xF0\x9F\x98\x80"},
        {"an overlong form is no utf-8", "p=E:\\T\xC3\xB6t\xC3\xA4l \xE0\x80\x80", ""},
        {"utf-8 bom, invalid behind it", "\xEF\xBB\xBFp=E:\\T\xC3\xB6t\xC3\xA4l\r\nq=E:\\T\xf6t\xe4l", ""},
        // U+0D00 holds a CR's byte, and a NUL follows: no line end across the units. A
        // surrogate pair ends the text.
        {"utf-16", Utf16Bytes(u"x\u0D00\u0100=E:\\T\u00d6T\u00c4L\\y\r\n\r\n \U0001F600"),
         Utf16Bytes(u"x\u0D00\u0100=%C%\\y\r\n\r\n \U0001F600")},
        {"utf-16 of odd length", Utf16Bytes(u"x=E:\\T\u00f6t\u00e4l") + "x", ""},
        {"utf-16 with a lone surrogate", Utf16Bytes(u"x=E:\\T\u00f6t\u00e4l\r\ny=\xD800"), ""},
        {"utf-16 opening with a lone surrogate", Utf16Bytes(u"\xDC00x=E:\\T\u00f6t\u00e4l\r\n"), ""},
    };
    // In the double-byte code page 0x81 leads a pair.
    const Case doubleByte[] = {
        // 0x81 'e' is one character: its trail byte is no letter.
        {"a pair", "x=\x81\x65:\\T\xf6t\xe4l\r\n", ""},
        // The search starts its windows at line starts: here one right at an occurrence, at
        // the text's start and where the first window's reach ends.
        {"a pair in the next line", "e:\\T\xf6t\xe4l\\y\r\nx=\x81\x81\r\n", "%C%\\y\r\nx=\x81\x81\r\n"},
        {"a line at the window's end", std::string(64 * 1024 - 9, 'x') + "\r\ne:\\T\xf6t\xe4l\\y",
         std::string(64 * 1024 - 9, 'x') + "\r\n%C%\\y"},
    };
    // The file is rewritten a stretch of lines at a time, however short.
    const std::pair<bool, std::span<const Case>> tables[] = {{false, singleByte}, {true, doubleByte}};
    for (const auto& [pairs, cases] : tables) {
        const TextCase textCase = Latin1Case(pairs);
        for (const Case& c : cases) {
            for (const std::size_t stretch : {std::size_t{1}, std::size_t{5}, kRewriteStretch}) {
                const auto pieces =
                    RewriteSettingsText(c.before, rule, textCase, stretch).value_or(NewBytes());
                EXPECT_EQ(std::accumulate(pieces.begin(), pieces.end(), std::string()), c.after) << c.name;
            }
        }
    }
}

// Only a stretch is held in another form at a time: one byte makes each line its own. The
// UTF-16 lines are upper-cased four units at once while they are ASCII, from the first,
// then unit by unit (a letter before "~" too) to the last, where one above ASCII takes the
// system's upper case.
TEST(SettingsText, AStretchIsWholeLinesEachUpperCasedToItsLastUnit) {
    const SettingsRule rule{{u"E:\\TC", u"E:\\\u00c4", u"%C%"}, {"E:\\TC", "", "%C%"}};
    const TextCase textCase = Latin1Case(false);
    EXPECT_EQ(RewriteSettingsText("a=E:\\TC\r\nb=E:\\TC\rc=E:\\TC", rule, textCase, 1),
              (NewBytes{"a=%C%\r\n", "b=%C%\r", "c=%C%"}));
    EXPECT_EQ(RewriteSettingsText(Utf16Bytes(u"a=E:\\TC\r\nxxxx=e:\\\u00e4\rxxx=e:\\tc~\re:\\tc"), rule,
                                  textCase, 1),
              (NewBytes{"\xFF\xFE", Utf16Bytes(u"a=%C%\r\n").substr(2), Utf16Bytes(u"xxxx=%C%\r").substr(2),
                        Utf16Bytes(u"xxx=%C%~\r").substr(2), Utf16Bytes(u"%C%").substr(2)}));
}

// Lines ended by CR, CR LF or nothing, a LF, NUL or high byte (whose upper case no text
// holds) inside a line, occurrences anywhere, rewritten a stretch of lines at a time.
TEST(SettingsText, AgreesWithTheLineByLineRuleOnRandomAnsiText) {
    const TextCase textCase = Latin1Case(false);
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
        const std::string expected = reference::Rewrite(content, rule);
        const auto pieces = RewriteSettingsText(content, {{}, rule}, textCase, 1 + random() % 12);
        ASSERT_EQ(pieces ? std::accumulate(pieces->begin(), pieces->end(), std::string()) : content, expected)
            << "'" << content << "' '" << rule.search1 << "' '" << rule.search2 << "'";
        ASSERT_EQ(pieces.has_value(), expected != content);
    }
}

}  // namespace
}  // namespace velmora
