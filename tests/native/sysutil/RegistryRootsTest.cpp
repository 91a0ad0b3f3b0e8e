// The names of the registry roots, and the exact-case replacement.
#include <gtest/gtest.h>

#include "sysutil/RegistryPath.h"
#include "sysutil/ReplaceAll.h"

namespace velmora {
namespace {

TEST(RegistryPathTest, AllSevenRootNamesAreKnown) {
    const std::pair<const wchar_t*, std::uint32_t> roots[] = {
        {L"HKEY_CLASSES_ROOT", 0x80000000},     {L"HKEY_CURRENT_USER", 0x80000001},
        {L"HKEY_LOCAL_MACHINE", 0x80000002},    {L"HKEY_USERS", 0x80000003},
        {L"HKEY_PERFORMANCE_DATA", 0x80000004}, {L"HKEY_CURRENT_CONFIG", 0x80000005},
        {L"hkey_dyn_data", 0x80000006},
    };
    for (const auto& [name, key] : roots) {
        EXPECT_EQ(RegistryRootKey(name), key) << "for " << ::testing::PrintToString(std::wstring(name));
    }
    EXPECT_EQ(RegistryRootKey(L"HKCU"), std::nullopt);
}

TEST(ReplaceAllTest, ReplacesWithExactCaseAndResumesPastTheInsertion) {
    struct Case {
        std::wstring text, find, replacement, expected;
    };
    const Case cases[] = {
        {L"aaaa", L"a", L"b", L"baba"},
        {L"%USERPROFILE%\\Desktop", L"%USERPROFILE%", L"C:\\Users\\Ann", L"C:\\Users\\Ann\\Desktop"},
        {L"%userprofile%\\Desktop", L"%USERPROFILE%", L"C:\\Users\\Ann", L"%userprofile%\\Desktop"},
        {L"%USERPROFILE%\\Desktop", L"%USERPROFILE%", L"", L"\\Desktop"},
        {L"x%A%y%A%", L"%A%", L"%A%%A%", L"x%A%%A%y%A%%A%"},
        {L"abc", L"", L"q", L"abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replaceall(c.text, c.find, c.replacement), c.expected)
            << "for " << ::testing::PrintToString(c.text);
}

}  // namespace
}  // namespace velmora
