// The Files object's file utilities on the real system, called through the test program
// FileUtilityProbe.exe on the fake stick.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "driver/Files.h"
#include "driver/Process.h"
#include "driver/Record.h"
#include "driver/Shell.h"
#include "driver/Stick.h"
#include "driver/Text.h"
#include "driver/Wait.h"

namespace velmora::e2e {
namespace {

constexpr wchar_t kViewer[] = L"C:\\Program Files\\Velmora Viewer\\viewer.exe";

// The stand-in as the program for ".velmoradoc" files, machine-wide and for the user;
// `remove` takes both away again.
std::string DocumentAssociation(bool remove) {
    std::string command;
    for (char c : ToUtf8(L"\"" + std::wstring(kViewer) + L"\" \"%1\"")) {
        if (c == '\\' || c == '"') command += '\\';
        command += c;
    }
    std::string text = "REGEDIT4\r\n\r\n";
    for (const std::string root : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER\\Software\\Classes"}) {
        text += "[" + std::string(remove ? "-" : "") + root + "\\.velmoradoc]\r\n";
        if (!remove) text += "@=\"VelmoraE2E.doc\"\r\n";
        text +=
            "\r\n[" + std::string(remove ? "-" : "") + root + "\\VelmoraE2E.doc\\shell\\open\\command]\r\n";
        if (!remove) text += "@=\"" + command + "\"\r\n";
        text += "\r\n";
    }
    return text;
}

class FileUtilitiesTest : public ::testing::Test {
protected:
    FileUtilitiesTest()
        : scratch_(ScratchDirectory(L"file-utilities")),
          result_(scratch_ + L"\\result.txt"),
          record_(scratch_ + L"\\record.txt") {
        SetEnvironment(L"VELMORA_E2E_RECORD", record_);
    }

    // Runs FileUtilityProbe.exe with the arguments in E:\ and returns its result lines.
    // The probe's job lives on until the next call, so that what it started may finish.
    std::vector<std::wstring> Probe(const std::wstring& arguments) {
        const std::wstring probe = OwnDirectory() + L"\\FileUtilityProbe.exe";
        probe_.reset();
        probe_ = std::make_unique<Program>(probe, L"\"" + probe + L"\" \"" + result_ + L"\" " + arguments,
                                           stick_.Root());
        if (!probe_->WaitForEnd()) throw std::runtime_error("the probe did not end: " + ToUtf8(arguments));
        const auto bytes = ReadBytes(result_);
        if (!bytes || bytes->empty())
            throw std::runtime_error("the probe wrote no result: " + ToUtf8(arguments));
        RemoveFile(result_);
        std::vector<std::wstring> lines = Split(FromUtf8(*bytes), L'\n');
        lines.pop_back();  // after the last line feed
        return lines;
    }

    // The one start the stand-in recorded.
    Launch WaitForLaunch() {
        std::vector<Launch> launches;
        const bool started = WaitUntil([&] {
            try {
                launches = ReadLaunches(record_);
            } catch (const std::runtime_error&) {
                return false;  // a record still being written
            }
            return !launches.empty();
        });
        if (!started) throw std::runtime_error("the stand-in was not started");
        EXPECT_EQ(launches.size(), 1u);
        return launches.front();
    }

    Stick stick_;
    std::wstring scratch_, result_, record_;
    std::unique_ptr<Program> probe_;
};

TEST_F(FileUtilitiesTest, ListsTheTreeAndAppendsWhenAsked) {
    stick_.AddFile(L"Tree\\a.txt", "");
    stick_.AddFile(L"Tree\\Sub Dir\\c.txt", "");
    stick_.AddFile(L"Tree\\b.ini", "");
    stick_.AddFile(L"list.txt", "old\r\n");

    EXPECT_EQ(Probe(L"list E:\\Tree E:\\list.txt *.* 0"), (std::vector<std::wstring>{L"ok", L"E:\\Tree\\"}));
    std::vector<std::wstring> lines = Split(FromUtf8(stick_.Read(L"list.txt").value_or("")), L'\n');
    ASSERT_EQ(lines.size(), 4u) << "three lines, each ended by CR LF";
    EXPECT_EQ(lines.back(), L"");
    lines.pop_back();
    std::sort(lines.begin(), lines.end());  // the search order is the file system's
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"E:\\Tree\\Sub Dir\\c.txt\r", L"E:\\Tree\\a.txt\r",
                                                L"E:\\Tree\\b.ini\r"}));

    const std::string first = stick_.Read(L"list.txt").value_or("");
    EXPECT_EQ(Probe(L"list \"E:\\Tree\\Sub Dir\" E:\\list.txt *.txt 1").front(), L"ok");
    EXPECT_EQ(stick_.Read(L"list.txt"), first + "E:\\Tree\\Sub Dir\\c.txt\r\n");
    EXPECT_EQ(Probe(L"list E:\\Nowhere E:\\list.txt *.* 0").front(), L"ok");
    EXPECT_EQ(stick_.Read(L"list.txt"), "");
}

TEST_F(FileUtilitiesTest, FileDateIsTodayAndAMissingFileIsAnError) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    stick_.AddFile(L"dated.txt", "x");
    const std::wstring date = Probe(L"date E:\\dated.txt").front();
    wchar_t today[16];
    swprintf(today, 16, L"%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    EXPECT_EQ(date.substr(0, 10), today) << ToUtf8(date);  // a run across midnight fails once
    EXPECT_EQ(Probe(L"date E:\\missing.txt").front(), L"error");
}

TEST_F(FileUtilitiesTest, MovesUnlessTheDestinationIsInTheWay) {
    stick_.AddFile(L"m\\src.txt", "src");
    stick_.AddFile(L"m\\dst.txt", "dst");
    EXPECT_EQ(Probe(L"move E:\\m\\src.txt E:\\m\\dst.txt 0").front(), L"not moved");
    EXPECT_EQ(stick_.Read(L"m\\dst.txt"), "dst");
    EXPECT_EQ(Probe(L"move E:\\m\\src.txt E:\\m\\dst.txt 1").front(), L"moved");
    EXPECT_EQ(stick_.Read(L"m\\dst.txt"), "src");
    EXPECT_FALSE(stick_.Exists(L"m\\src.txt"));
    EXPECT_EQ(Probe(L"move E:\\m\\src.txt E:\\m\\other.txt 0").front(), L"error");
}

TEST_F(FileUtilitiesTest, ShortAndLongFormsTurnIntoEachOther) {
    stick_.AddFile(L"Long Folder Name\\notes file.txt", "");
    const std::wstring longPath = L"E:\\Long Folder Name\\notes file.txt";
    const std::wstring shortPath = Probe(L"short \"" + longPath + L"\"").front();
    EXPECT_NE(shortPath, longPath);
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << ToUtf8(shortPath);
    EXPECT_EQ(Probe(L"long " + shortPath).front(), longPath);
    EXPECT_EQ(Probe(L"short \"E:\\No Such File.txt\"").front(), L"E:\\No Such File.txt");
}

TEST_F(FileUtilitiesTest, RunsAProgramWithTheShowStateAsked) {
    stick_.AddTotalCommander(L"Run Dir");
    const std::wstring program = stick_.Path(L"Run Dir\\Totalcmd.exe");
    const std::vector<std::wstring> result = Probe(L"run \"" + program + L"\" 7");
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[1], L"Totalcmd.exe");
    EXPECT_EQ(result[2], L"E:\\") << "the current directory stays";
    const Launch launch = WaitForLaunch();
    EXPECT_EQ(launch.commandLine, L"\"" + program + L"\"");
    EXPECT_EQ(launch.showState, 7);
    EXPECT_EQ(std::to_wstring(launch.processId), result[0]);
}

TEST_F(FileUtilitiesTest, OpensADocumentWithItsProgramHiddenByDefault) {
    MakeDirectories(ParentDirectory(kViewer));
    CopyFileTo(StandinExecutable(), kViewer);
    const std::wstring registry = scratch_ + L"\\association.reg";
    WriteBytes(registry, DocumentAssociation(false));
    ImportRegistryFile(registry);
    stick_.AddFile(L"My Docs\\read me.velmoradoc", "");

    const std::vector<std::wstring> result = Probe(L"run \"E:\\My Docs\\read me.velmoradoc\"");
    WriteBytes(registry, DocumentAssociation(true));
    ImportRegistryFile(registry);
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[1], L"read me.velmoradoc");
    EXPECT_EQ(result[2], L"E:\\My Docs") << "the document's directory becomes current";
    const Launch launch = WaitForLaunch();
    EXPECT_EQ(launch.commandLine, L"\"" + std::wstring(kViewer) + L"\" \"E:\\My Docs\\read me.velmoradoc\"");
    EXPECT_EQ(launch.currentDirectory, ParentDirectory(kViewer));
    EXPECT_EQ(launch.showState, 0);
    EXPECT_EQ(std::to_wstring(launch.processId), result[0]);
}

}  // namespace
}  // namespace velmora::e2e
