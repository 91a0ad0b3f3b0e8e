#include "common/StringOps.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velmora
