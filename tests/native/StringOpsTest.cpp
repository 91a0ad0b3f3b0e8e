#include "common/StringOps.h"

#include <gtest/gtest.h>

#include "common/Utf.h"

namespace velmora {
namespace {

TEST(UpperAscii, ChangesExactlyTheAsciiLowerCaseLettersOfEveryByteValue) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    // Every offset, so that each byte is seen in every lane of the eight-byte steps.
    for (size_t shift = 0; shift < 8; ++shift) {
        const std::string text = all.substr(shift) + all.substr(0, shift);
        const std::string upper = UpperAscii(text);
        ASSERT_EQ(upper.size(), text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            const char expected = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : text[i];
            ASSERT_EQ(upper[i], expected) << "byte " << int{c} << " at shift " << shift;
        }
    }
    EXPECT_EQ(UpperAscii(std::wstring(L"e:\\tc\x00e9")), L"E:\\TC\x00e9");
}

// The code points at each edge of what UTF-8 may carry, in their shortest form only.
TEST(IsValidUtf8, TakesEveryCodePointAndNothingElse) {
    for (const char* valid :
         {"\xC2\x80", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsValidUtf8(valid)) << testing::PrintToString(valid);
    // Overlong forms, the surrogates' halves, and past U+10FFFF.
    for (const char* invalid : {"\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
                                "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xC2", "\x80"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << testing::PrintToString(invalid);
}

}  // namespace
}  // namespace velmora
