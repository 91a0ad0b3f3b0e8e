// The web page link: it starts the program registered for ".html" files with the
// address, and leaves nothing behind in the root of the launcher's drive.
#include <algorithm>
#include <stdexcept>

#include "driver/Controls.h"
#include "driver/Files.h"
#include "driver/Record.h"
#include "driver/Shell.h"
#include "driver/Text.h"
#include "driver/Ui.h"
#include "driver/Wait.h"
#include "tests/LauncherTest.h"
#include "tests/SetupWindowChecks.h"

namespace velmora::e2e {
namespace {

// A path with blanks, so that the test also sees the browser's path put in quotes.
constexpr wchar_t kBrowserDirectory[] = L"C:\\Program Files\\Velmora Browser";
constexpr wchar_t kBrowser[] = L"C:\\Program Files\\Velmora Browser\\browser.exe";

// REGEDIT4 text: backslashes and quotes inside values are escaped.
std::string RegistryString(const std::wstring& text) {
    std::string out;
    for (char c : ToUtf8(text)) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// The stand-in browser for ".html", machine-wide and for the user (the user's entry is
// the one Windows prefers); `remove` takes both away again.
std::string HtmlAssociation(bool remove) {
    std::string text = "REGEDIT4\r\n\r\n";
    for (const char* classes : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER\\Software\\Classes"}) {
        const std::string root(classes);
        if (remove) {
            text += "[-" + root + "\\VelmoraE2E.html]\r\n\r\n";
            text += "[" + root + "\\.html]\r\n@=\"htmlfile\"\r\n\r\n";
            continue;
        }
        text += "[" + root + "\\.html]\r\n@=\"VelmoraE2E.html\"\r\n\r\n";
        text += "[" + root + "\\VelmoraE2E.html\\shell\\open\\command]\r\n@=\"" +
                RegistryString(L"\"" + std::wstring(kBrowser) + L"\" \"%1\"") + "\"\r\n\r\n";
    }
    return text;
}

class WebLinkTest : public LauncherTest {
protected:
    void SetUp() override {
        velmora_ = stick_.AddLauncher(L"TC");
        stick_.AddTotalCommander(L"TC");
        MakeDirectories(kBrowserDirectory);
        CopyFileTo(StandinExecutable(), kBrowser);
        Register(false);
    }
    void TearDown() override {
        Register(true);
        LauncherTest::TearDown();
    }

    void Register(bool remove) {
        const std::wstring file = ScratchDirectory(L"registry") + L"\\html.reg";
        WriteBytes(file, HtmlAssociation(remove));
        ImportRegistryFile(file);
    }

    // Clicks the link and waits for the browser's start; returns its command line.
    std::wstring ClickLinkAndWaitForBrowser(HWND window) {
        HWND link = GetDlgItem(window, kWebLinkId);
        PostStaticClick(link);
        std::vector<Launch> launches;
        const bool started = WaitUntil([&] {
            try {
                launches = ReadLaunches(RecordFile());
            } catch (const std::runtime_error&) {
                return false;  // a record still being written
            }
            return !launches.empty();
        });
        if (!started) {
            throw std::runtime_error("the browser was not started after a click on the link");
        }
        EXPECT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches.front().executable, kBrowser);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(link) != FALSE; })) << "the link came back";
        return launches.front().commandLine;
    }

    // The root of the stick: the harness's marker and what the test put there.
    void ExpectRootHoldsOnly(std::vector<std::wstring> expected) {
        expected.push_back(kStickMarker);
        std::sort(expected.begin(), expected.end());
        std::vector<std::wstring> found;
        WIN32_FIND_DATAW entry{};
        HANDLE search = FindFirstFileW(stick_.Path(L"*").c_str(), &entry);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        do {
            const std::wstring name = entry.cFileName;
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                found.push_back(name);
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << "files in the stick's root";
    }

    std::wstring velmora_;
};

TEST_F(WebLinkTest, StartsTheHtmlProgramWithTheAddress) {
    Start(velmora_, L"/?", L"E:\\TC");
    HWND window = WaitForWindow(kSetupWindowCaption);
    EXPECT_EQ(ClickLinkAndWaitForBrowser(window), L"\"" + std::wstring(kBrowser) + L"\" " + kWebPage);
    ExpectRootHoldsOnly({});
    ClickAndWaitUntilGone(window, L"Close");
    ExpectEnd();
}

TEST_F(WebLinkTest, KeepsAFileOfTheThrowAwayName) {
    stick_.AddFile(L"Kavo00001.html", "<p>the user's own</p>");
    Start(velmora_, L"-setup", L"E:\\TC");
    HWND window = WaitForWindow(kSetupWindowCaption);
    EXPECT_EQ(ClickLinkAndWaitForBrowser(window), L"\"" + std::wstring(kBrowser) + L"\" " + kWebPage);
    EXPECT_EQ(stick_.Read(L"Kavo00001.html"), "<p>the user's own</p>");
    ExpectRootHoldsOnly({L"Kavo00001.html"});
    ClickAndWaitUntilGone(window, L"Close");
    ExpectEnd();
}

}  // namespace
}  // namespace velmora::e2e
