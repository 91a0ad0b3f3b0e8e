#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"

namespace velmora::sim {
namespace {

constexpr const wchar_t* kIni = L"E:\\TC\\wincmd.ini";

class SimProfileTest : public testing::Test {
protected:
    SimProfileTest() {
        machine.AddDrive(L'E');
        machine.AddDirectory(L"E:\\TC");
    }

    std::string Write(std::string_view before, const wchar_t* section, const wchar_t* key,
                      const wchar_t* value) {
        machine.AddFile(kIni, before);
        EXPECT_TRUE(machine.WriteProfileString(section, key, value, kIni));
        return machine.FileBytes(kIni).value_or("<missing>");
    }

    SimMachine machine;
};

struct ReadCase {
    const char* file;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* expected;
};

class ProfileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsAsGetPrivateProfileString) {
    SimMachine machine;
    machine.AddFile(L"C:\\t.ini", GetParam().file);
    EXPECT_EQ(machine.ReadProfileString(GetParam().section, GetParam().key, L"C:\\t.ini"),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileReadTest,
    testing::Values(ReadCase{"[Buttonbar]\r\nButtonbar=E:\\TC\\a.bar\r\n", L"Buttonbar", L"Buttonbar",
                             L"E:\\TC\\a.bar"},
                    ReadCase{"[BUTTONBAR]\r\nbuttonBAR=x\r\n", L"buttonbar", L"ButtonBar", L"x"},
                    ReadCase{"  [ S ]  \r\n  k  =  v w  \r\n", L"S", L"k", L"v w"},
                    ReadCase{"[S]\r\nk=\"quoted \"\r\n", L"S", L"k", L"quoted "},
                    ReadCase{"[S]\r\nk='single'\r\n", L"S", L"k", L"single"},
                    ReadCase{"[S]\r\nk=\"mixed'\r\n", L"S", L"k", L"\"mixed'"},
                    ReadCase{"[S]\r\nk=a=b ;not a comment\r\n", L"S", L"k", L"a=b ;not a comment"},
                    ReadCase{"[S]\r\n;k=commented\r\n", L"S", L"k", L""},
                    ReadCase{"[S]\r\n;k=commented\r\nk=real", L"S", L"k", L"real"},
                    ReadCase{"[S]\r\nk=first\r\nk=second\r\n", L"S", L"k", L"first"},
                    ReadCase{"[S]\r\nk=\r\n", L"S", L"k", L""}, ReadCase{"[S]\r\nk\r\n", L"S", L"k", L""},
                    ReadCase{"[T]\r\nk=other\r\n[S]\r\nj=1\r\n", L"S", L"k", L""},
                    ReadCase{"k=before any section\r\n[S]\r\n", L"S", L"k", L""},
                    ReadCase{"[A]\nk=lf\n[B]\rk=cr\r", L"B", L"k", L"cr"},
                    ReadCase{"[S]\r\nk=caf\xe9\r\n", L"S", L"k", L"caf\u00e9"},
                    ReadCase{"", L"S", L"k", L""}));

TEST_F(SimProfileTest, MissingFileReadsEmpty) {
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"E:\\TC\\missing.ini"), L"");
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"E:\\TC"), L"");
}

TEST_F(SimProfileTest, ReplacesAValueInPlaceKeepingEveryOtherByte) {
    std::string before = "; settings\r\n\r\n[Buttonbar]\nButtonbar = E:\\TC\\old.bar\r\n\r\n[Other]\r\nx=1";
    EXPECT_EQ(Write(before, L"BUTTONBAR", L"buttonbar", L"%COMMANDER_PATH%\\new.bar"),
              "; settings\r\n\r\n[Buttonbar]\nButtonbar =%COMMANDER_PATH%\\new.bar\r\n\r\n[Other]\r\nx=1");
}

TEST_F(SimProfileTest, AddsAMissingKeyAfterTheLastKeyOfItsSection) {
    EXPECT_EQ(Write("[S]\r\na=1\r\n; note\r\n\r\n[T]\r\nb=2\r\n", L"S", L"new", L"v"),
              "[S]\r\na=1\r\nnew=v\r\n; note\r\n\r\n[T]\r\nb=2\r\n");
    EXPECT_EQ(Write("[S]\r\n\r\n[T]\r\n", L"S", L"k", L"v"), "[S]\r\nk=v\r\n\r\n[T]\r\n");
    EXPECT_EQ(Write("[S]\r\na=1", L"S", L"k", L"v"), "[S]\r\na=1\r\nk=v\r\n");
}

TEST_F(SimProfileTest, AppendsAMissingSectionAtTheEnd) {
    EXPECT_EQ(Write("[S]\r\na=1\r\n", L"New", L"k", L"v"), "[S]\r\na=1\r\n[New]\r\nk=v\r\n");
    EXPECT_EQ(Write("[S]\r\na=1", L"New", L"k", L"v"), "[S]\r\na=1\r\n[New]\r\nk=v\r\n");
    EXPECT_EQ(Write("", L"New", L"k", L"v"), "[New]\r\nk=v\r\n");
}

TEST_F(SimProfileTest, CreatesAMissingFile) {
    ASSERT_TRUE(machine.WriteProfileString(L"Buttonbar", L"Buttonbar", L"x", L"E:\\TC\\fresh.ini"));
    EXPECT_EQ(machine.FileBytes(L"E:\\TC\\fresh.ini"), "[Buttonbar]\r\nButtonbar=x\r\n");
}

TEST_F(SimProfileTest, WritesCharactersWithoutAnsiFormAsQuestionMarks) {
    EXPECT_EQ(Write("", L"S", L"k", L"caf\u00e9 \u20ac"), "[S]\r\nk=caf\xe9 ?\r\n");
}

TEST_F(SimProfileTest, BareFileNameMeansTheWindowsDirectory) {
    machine.AddFile(L"C:\\Windows\\wincmd.ini", "[S]\r\nk=windows\r\n");
    machine.AddFile(L"E:\\TC\\wincmd.ini", "[S]\r\nk=current\r\n");
    ASSERT_TRUE(machine.ChangeDirectory(L"E:\\TC"));
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"wincmd.ini"), L"windows");
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L".\\wincmd.ini"), L"current");
    machine.SetWindowsDirectory(L"E:\\TC");
    EXPECT_EQ(machine.ReadProfileString(L"S", L"k", L"wincmd.ini"), L"current");
}

TEST_F(SimProfileTest, WriteRefusals) {
    machine.AddFile(kIni, "[S]\r\nk=v\r\n", {.readOnly = true});
    SimSnapshot before = machine.Snapshot();
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", kIni));
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", L"E:\\Missing\\a.ini"));
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", L"E:\\TC"));
    machine.SetReadOnly(kIni, false);
    machine.SetWriteProtected(L'E', true);
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", kIni));
    EXPECT_FALSE(machine.WriteProfileString(L"S", L"k", L"x", L"E:\\TC\\new.ini"));
    machine.SetReadOnly(kIni, true);
    EXPECT_EQ(machine.Snapshot(), before);
}

}  // namespace
}  // namespace velmora::sim
