#include "common/StringOps.h"

#include <gtest/gtest.h>

#include "common/ReplaceAllText.h"
#include "common/Utf.h"
#include "sysutil/ReplaceAll.h"

namespace velmora {
namespace {

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

TEST(WideStrings, ConvertToUtf16AndBack) {
    EXPECT_EQ(FromUtf16(ToUtf16(L"a\U0001F600b")), L"a\U0001F600b");
    EXPECT_EQ(FromUtf16(u"a\xDC00\xD800"), L"a\xDC00\xD800");  // a lone surrogate stays as it is
}

TEST(Utf16ToUtf8, HasNoFormForALoneSurrogate) {
    EXPECT_EQ(Utf16ToUtf8(u"a\U0001F600"), "a\xF0\x9F\x98\x80");
    for (const std::u16string_view lone : {u"\xD800-", u"a\xDC00", u"a\xD800"})
        EXPECT_EQ(Utf16ToUtf8(lone), std::nullopt) << testing::PrintToString(std::u16string(lone));
}

// The resume rule itself is held to the reference by the random rewrite test.
TEST(ReplaceAllText, IgnoresCaseUnlessItMustMatchAndLeavesTheCallersSearchStringInUpperCase) {
    std::wstring search = L"e:\\tc";
    EXPECT_EQ(ReplaceAllText(std::wstring(L"E:\\Tc\\x e:\\TC"), search, std::wstring(L"%P%"), false),
              L"%P%\\x %P%");
    EXPECT_EQ(search, L"E:\\TC");
    EXPECT_EQ(replaceall(L"%USERPROFILE%\\x", L"%USERPROFILE%", L"C:\\Users\\Ann"), L"C:\\Users\\Ann\\x");
    EXPECT_EQ(replaceall(L"%userprofile%\\x", L"%USERPROFILE%", L"C:\\Users\\Ann"), L"%userprofile%\\x");
}

}  // namespace
}  // namespace velmora
