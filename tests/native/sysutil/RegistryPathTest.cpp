// Reading registry strings by their full path, and the exact-case replacement.
#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "sysutil/RegistryPath.h"
#include "sysutil/ReplaceAll.h"

namespace velmora {
namespace {

constexpr std::uint32_t kMachine = 0x80000002;

class RegistryPathTest : public ::testing::Test {
protected:
    RegistryPathTest() {
        machine.SetRegistryValue(kMachine, L"Software\\Microsoft\\Windows\\CurrentVersion", L"SystemRoot",
                                 L"C:\\WINDOWS");
        machine.SetRegistryValue(kMachine, L"Software", L"", L"default of Software");
        machine.SetRegistryValue(kMachine, L"Software\\Counter", L"Count", L"7",
                                 sim::SimRegistryType::Number);
        machine.SetRegistryValue(0x80000000, L".html", L"", L"htmlfile");
    }
    std::wstring Read(const std::wstring& path) { return RegistryGetAbsolutValue(machine, path); }
    sim::SimMachine machine;
};

TEST_F(RegistryPathTest, TheLastElementNamesTheValue) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot", L"C:\\WINDOWS"},
        {L"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot\\", L"C:\\WINDOWS"},
        {L"  hkey_local_machine\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot  ", L"C:\\WINDOWS"},
        {L"Hkey_Classes_Root\\.html", L"htmlfile"},  // no key path left: the default value
        {L"HKEY_LOCAL_MACHINE\\Software", L"default of Software"},
        {L"HKEY_LOCAL_MACHINE\\Software\\Counter\\Count", L""},                    // a number is no string
        {L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot", L""},  // no abbreviations
        {L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\SystemRoot", L""},
        {L"HKEY_LOCAL_MACHINE\\Software\\Missing\\Value", L""},
        {L"", L""},
    };
    for (const auto& [path, value] : cases)
        EXPECT_EQ(Read(path), value) << "for " << ::testing::PrintToString(path);
}

TEST_F(RegistryPathTest, AllSevenRootNamesAreKnown) {
    const std::pair<const wchar_t*, std::uint32_t> roots[] = {
        {L"HKEY_CLASSES_ROOT", 0x80000000},     {L"HKEY_CURRENT_USER", 0x80000001},
        {L"HKEY_LOCAL_MACHINE", 0x80000002},    {L"HKEY_USERS", 0x80000003},
        {L"HKEY_PERFORMANCE_DATA", 0x80000004}, {L"HKEY_CURRENT_CONFIG", 0x80000005},
        {L"hkey_dyn_data", 0x80000006},
    };
    for (const auto& [name, key] : roots) {
        EXPECT_EQ(RegistryRootKey(name), key) << "for " << ::testing::PrintToString(std::wstring(name));
        machine.SetRegistryValue(key, L"K", L"V", name);
        EXPECT_EQ(Read(std::wstring(name) + L"\\K\\V"), name);
    }
    EXPECT_EQ(RegistryRootKey(L"HKCU"), std::nullopt);
}

TEST_F(RegistryPathTest, ReadRegistryStringFallsBackToTheDefault) {
    EXPECT_EQ(ReadRegistryString(machine, kMachine, L"Software\\Counter", L"Count", L"fallback"),
              L"fallback");
    EXPECT_EQ(ReadRegistryString(machine, kMachine, L"Nothing", L"x", L"fallback"), L"fallback");
    EXPECT_EQ(ReadRegistryString(machine, kMachine, L"Software", L"", L"fallback"), L"default of Software");
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
        {L"nothing here", L"zzz", L"q", L"nothing here"},
        {L"abc", L"", L"q", L"abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replaceall(c.text, c.find, c.replacement), c.expected)
            << "for " << ::testing::PrintToString(c.text);
}

}  // namespace
}  // namespace velmora
