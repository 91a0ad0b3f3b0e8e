#include "ini/Ini.h"

#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"

namespace velmora {
namespace {

class IniTest : public ::testing::Test {
protected:
    IniTest() : platform(machine.AsPlatform()) {
        machine.AddDrive(L'E');
        machine.AddDirectory(L"E:\\TC");
        machine.ChangeDirectory(L"E:\\TC");
    }
    sim::SimMachine machine;
    Platform platform;
};

TEST_F(IniTest, MissingFileGivesTheDefaultAndIsCreatedOnlyWhenAsked) {
    EXPECT_EQ(ReadIniValue(platform, L"s", L"k", L"E:\\TC\\a.ini", L"dflt", false), L"dflt");
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\a.ini"));
    EXPECT_EQ(ReadIniValue(platform, L"s", L"k", L"E:\\TC\\a.ini", L"dflt", true), L"dflt");
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\a.ini"), "");
}

TEST_F(IniTest, EmptyOrMissingValuesGiveTheDefault) {
    machine.AddFile(L"E:\\TC\\a.ini", "[s]\r\nempty=\r\nblank=   \r\nk=  v  \r\n");
    EXPECT_EQ(ReadIniValue(platform, L"s", L"empty", L"E:\\TC\\a.ini", L"", false), L"");
    EXPECT_EQ(ReadIniValue(platform, L"s", L"blank", L"E:\\TC\\a.ini", L"d", false), L"d");
    EXPECT_EQ(ReadIniValue(platform, L"s", L"none", L"E:\\TC\\a.ini", L"d", false), L"d");
    EXPECT_EQ(ReadIniValue(platform, L"x", L"k", L"E:\\TC\\a.ini", L"d", false), L"d");
    EXPECT_EQ(ReadIniValue(platform, L"S", L"K", L"E:\\TC\\a.ini", L"d", false), L"v");
}

TEST_F(IniTest, LongValuesAreReadWhole) {
    for (const size_t length : {148u, 149u, 2000u}) {
        const std::string value(length, 'x');
        machine.AddFile(L"E:\\TC\\a.ini", "[s]\r\nk=" + value + "\r\n");
        EXPECT_EQ(ReadIniValue(platform, L"s", L"k", L"E:\\TC\\a.ini", L"", false),
                  std::wstring(length, L'x'));
    }
}

TEST_F(IniTest, WriteNeverCreatesAFileUnlessAsked) {
    EXPECT_FALSE(WriteIniValue(platform, L"Buttonbar", L"Buttonbar", L"v", L"E:\\TC\\a.ini", false));
    EXPECT_FALSE(machine.Exists(L"E:\\TC\\a.ini"));
    EXPECT_TRUE(WriteIniValue(platform, L"Buttonbar", L"Buttonbar", L"v", L"E:\\TC\\a.ini", true));
    EXPECT_EQ(ReadIniValue(platform, L"Buttonbar", L"Buttonbar", L"E:\\TC\\a.ini", L"", false), L"v");
}

TEST_F(IniTest, WriteKeepsTheRestOfTheFile) {
    machine.AddFile(L"E:\\TC\\a.ini", "; mine\r\n[Buttonbar]\r\nButtonbar=old\r\n\r\n[Other]\r\nx=1\r\n");
    WriteIniValue(platform, L"Buttonbar", L"Buttonbar", L"new", L"E:\\TC\\a.ini", false);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\a.ini"),
              "; mine\r\n[Buttonbar]\r\nButtonbar=new\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(IniTest, ABareNameIsTakenFromTheCurrentDirectory) {
    // The system would look for a bare name in the Windows directory instead.
    machine.AddFile(L"C:\\Windows\\a.ini", "[s]\r\nk=windows\r\n");
    machine.AddFile(L"E:\\TC\\a.ini", "[s]\r\nk=here\r\n");
    EXPECT_EQ(ResolveIniFilePath(platform, L"a.ini"), L"E:\\TC\\a.ini");
    EXPECT_EQ(ReadIniValue(platform, L"s", L"k", L"a.ini", L"", false), L"here");
    WriteIniValue(platform, L"s", L"k", L"written", L"a.ini", false);
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\a.ini"), "[s]\r\nk=written\r\n");
    EXPECT_EQ(machine.FileBytes(L"C:\\Windows\\a.ini"), "[s]\r\nk=windows\r\n");

    EXPECT_EQ(ResolveIniFilePath(platform, L"E:a.ini"), L"E:a.ini");
    EXPECT_EQ(ResolveIniFilePath(platform, L"missing.ini"), L"missing.ini");
}

}  // namespace
}  // namespace velmora
