// velmora_e2e.exe: end-to-end tests of the launcher, run under Wine by scripts/e2e.sh.
//   VELMORA_EXE          the launcher under test (a Windows path), required
//   VELMORA_E2E_STANDIN  the Total Commander stand-in (default: Totalcmd.exe beside this program)
//   VELMORA_E2E_STICK    the fake stick's drive (default E:), its root must hold the marker file
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "driver/Files.h"
#include "driver/Stick.h"
#include "driver/Text.h"

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    using namespace velmora::e2e;
    const std::wstring launcher = LauncherUnderTest();
    if (launcher.empty() || !FileExists(launcher)) {
        std::fprintf(stderr, "VELMORA_EXE must name the launcher to test (a Windows path), got '%s'\n",
                     ToUtf8(launcher).c_str());
        return 2;
    }
    if (!FileExists(StandinExecutable())) {
        std::fprintf(stderr, "the Total Commander stand-in '%s' is missing\n",
                     ToUtf8(StandinExecutable()).c_str());
        return 2;
    }
    // Wine starts its desktop process with the first program that needs it; let that be
    // this one, so that it is not counted among the processes the launcher started.
    GetDesktopWindow();
    std::printf("launcher under test: %s\n", ToUtf8(launcher).c_str());
    return RUN_ALL_TESTS();
}
