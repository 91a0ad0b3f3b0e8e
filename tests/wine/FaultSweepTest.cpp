// Each file operation of an import or a rewrite fails in turn; a fresh start then finds
// the user's files unchanged, private ones whole (old or new), no working file, and launches.
// A first import cut short is asked for again; a start meeting an exception still launches.
#include "support/Stick.h"

#include <algorithm>

#include "support/FaultyFiles.h"

namespace velmora::wine {
namespace {

const std::string kOld = "[old]\r\n";
const std::string kSettings = "; keep\r\n[C]\r\na=1\r\n\r\n[Buttonbar]\r\nButtonbar=C:\\a.bar\r\n";
const std::string kWithBar =
    "; keep\r\n[C]\r\na=1\r\n[Buttonbar]\r\nButtonbar=%COMMANDER_PATH%\\TC_portable_Default.bar";

// A file before the run and its allowed contents after the fresh start (none: the user's).
struct StickFile {
    std::wstring path;
    std::string before;
    std::vector<std::string> allowed = {};  // the new content last
};

using Click = void (SetupWindowController::*)();

struct SweepCase {
    const char* name;
    Click click;  // in the setup window; none: a start
    std::vector<StickFile> files;
};

const std::wstring kWorking = std::wstring(kMain) + L"_temp2.txt", kBar = L"E:\\TC\\TC_portable_Default.bar";
const SweepCase kCases[] = {
    SweepCase("FirstStartImport", nullptr,
              {{kWincmd, kUserMain},
               {kWcx, kUserFtp},
               {kMain, kMissing, {kPrivateMain}},
               {kFtp, kMissing, {kPrivateFtp}}}),
    // A UTF-16 bar, whose byte-order mark is written as a piece of its own.
    SweepCase("ButtonBarImport", &SetupWindowController::PatchBtnBar_Click,
              {{kMain, kSettings, {kWithBar, kSettings}},  // the setup window knows no private settings file
               {kFtp, "", {""}},
               {L"E:\\TC\\Bars\\My.bar", Utf16Bytes(u"c=E:\\TC\\x\r\n")},
               {kBar, kOld, {kOld, Utf16Bytes(u"c=E:\\TC\\x\r\n"), Utf16Bytes(u"c=%COMMANDER_PATH%\\x\r\n")}},
               {L"E:\\TC\\Bars\\My.br1", "icons\r\n"},
               {L"E:\\TC\\TC_portable_Default.br1", kMissing, {kMissing, "icons\r\n"}}}),
    SweepCase("LaterStartRewrite", nullptr,
              {{kWincmd, kUserMain},
               {kMain, kUserMain, {kPrivateMain}},
               {kWorking, "stale", {kMissing}},
               {kFtp, kUserFtp, {kUserFtp}}}),
    SweepCase("ForcedImportOverAPrivateCopy", &SetupWindowController::Command3_Click,
              {{kWincmd, kUserMain},
               {kWcx, kUserFtp},
               {kMain, kOld, {kOld, kPrivateMain}},
               {kFtp, kOld, {kOld, kPrivateFtp}}}),
};

class FaultSweep : public StickTest, public ::testing::WithParamInterface<std::tuple<SweepCase, Fault>> {
protected:
    // Acts on the case's stick, with Yes only to imports from beside Total Commander.
    void Perform(const SweepCase& c, FileSystem& files) {
        ClearStick();
        Layout layout = {{kTotalcmd, kStandin}};
        for (const StickFile& file : c.files) {
            if (file.before != kMissing) layout.push_back({file.path, file.before});
        }
        Lay(layout);
        ui.answer = [](const Message& m) {
            return m.title == L"First Start: Import file?" ? MessageAnswer::Yes : MessageAnswer::No;
        };
        dialog = {};
        dialog.choice = L"Bars\\My.bar";
        try {
            Start(c.click ? L"/?" : L"", kTc, &files, c.click);
        } catch (const StickPulled&) {
        } catch (const std::bad_alloc&) {  // out of a setup window's button
        }
    }
};

TEST_P(FaultSweep, AFreshStartFindsEveryFileWhole) {
    const auto& [c, fault] = GetParam();
    FaultyFiles counting;
    Perform(c, counting);
    ASSERT_FALSE(counting.operations.empty());
    for (const StickFile& file : c.files) {
        if (!file.allowed.empty()) {
            EXPECT_EQ(SettingLines(FileBytes(file.path)), SettingLines(file.allowed.back()));
        }
    }
    for (std::size_t n = 1; n <= counting.operations.size(); ++n) {
        if (fault == Fault::Half && !counting.operations[n - 1]) continue;
        SCOPED_TRACE("fault at operation " + std::to_string(n));
        FaultyFiles faulty(n, fault);
        Perform(c, faulty);
        if (!c.click && fault == Fault::OutOfMemory) {
            const auto starts = Starts(1);
            ASSERT_EQ(starts.size(), 1u) << "Total Commander was not started";
            for (const auto& [option, file] : {std::pair{L" /i=", kMain}, {L" /f=", kFtp}})
                EXPECT_EQ(starts[0].commandLine.find(option) != std::wstring::npos,
                          FileBytes(file) != kMissing);
        }
        ForgetStarts();
        Start();
        for (const StickFile& file : c.files) {
            const std::string now = FileBytes(file.path);
            const auto sameSettings = [&](const std::string& each) {
                return SettingLines(each) == SettingLines(now);
            };
            if (file.allowed.empty()) {
                EXPECT_EQ(now, file.before) << testing::PrintToString(file.path);
            } else {
                EXPECT_TRUE(std::ranges::any_of(file.allowed, sameSettings))
                    << testing::PrintToString(file.path) << now;
            }
        }
        for (const auto& [path, bytes] : Snapshot(L"E:\\"))
            EXPECT_EQ(path.find(L"_temp"), std::wstring::npos) << testing::PrintToString(path);
        EXPECT_EQ(Starts(1).size(), 1u);
    }
}

std::string CaseName(const ::testing::TestParamInfo<FaultSweep::ParamType>& info) {
    const char* faults[] = {"", "Clean", "Half", "Pulled", "OutOfMemory"};
    return std::string(std::get<0>(info.param).name) + faults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Cases, FaultSweep,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Fault::Clean, Fault::Half, Fault::Pulled,
                                                              Fault::OutOfMemory)),
                         CaseName);

}  // namespace
}  // namespace velmora::wine
