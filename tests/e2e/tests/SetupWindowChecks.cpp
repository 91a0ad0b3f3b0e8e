#include "tests/SetupWindowChecks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "driver/Controls.h"
#include "driver/Text.h"
#include "driver/Ui.h"

namespace velmora::e2e {
namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    std::wstring text;
    int left, top, width, height;  // twips
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

// In tab order, which is the order in which the window creates them.
const std::vector<ExpectedControl>& Controls() {
    static const std::vector<ExpectedControl> controls{
        {kCloseId, L"Button", L"Close", 240, 3240, 2655, 495},
        {kImportIniId, L"Button", L" Import TC-Ini-Files >>", 240, 1920, 2655, 495},
        {kShortcutId, L"Button", L"Create Destktop Shortcut >>", 240, 2520, 2655, 495},
        {kHelpTextId, L"Static", kSetupHelpText, 3120, 1560, 3735, 1215},
        {kWebLinkId, L"Static", kWebLinkCaption, 5040, 3600, 1710, 195},
        {kPictureId, L"Static", L"", 120, 120, 1185, 1095},
        {kTitleId, L"Static", L"Velmora - TC-Mobile Launcher (V.1.3)", 1080, 480, 5895, 375},
        {kButtonBarId, L"Button", L"Import Button Bar (*.bar)", 240, 1320, 2655, 495},
    };
    return controls;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

}  // namespace

void ExpectSetupWindow(HWND window) {
    const int dpi = ScreenDpi();
    EXPECT_EQ(WindowText(window), L"Velmora - Total Commander mobile launcher  V.1.3");

    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, Pixels(7065, dpi));
    EXPECT_EQ(client.bottom, Pixels(4005, dpi));

    RECT frame{};
    GetWindowRect(window, &frame);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs(frame.left + frame.right - screenWidth), 2) << "centred across: " << Describe(frame);
    EXPECT_LE(std::abs(frame.top + frame.bottom - screenHeight), 2) << "centred down: " << Describe(frame);

    // A fixed dialog without minimize and maximize boxes and without a taskbar button:
    // owned by another window and not marked as an application window.
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_NE(GetWindow(window, GW_OWNER), nullptr);

    for (const ExpectedControl& expected : Controls()) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        HWND control = GetDlgItem(window, expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_EQ(WindowClass(control), expected.className);
        EXPECT_EQ(WindowText(control), expected.text);
        const RECT at = ControlRect(control);
        EXPECT_EQ(at.left, Pixels(expected.left, dpi)) << Describe(at);
        EXPECT_EQ(at.top, Pixels(expected.top, dpi)) << Describe(at);
        EXPECT_EQ(at.bottom - at.top, Pixels(expected.height, dpi)) << Describe(at);
        if (expected.id == kWebLinkId) {
            // The link grows to its address, within the window.
            EXPECT_GE(at.right - at.left, Pixels(expected.width, dpi)) << Describe(at);
            EXPECT_LE(at.right, client.right) << Describe(at);
        } else {
            EXPECT_EQ(at.right - at.left, Pixels(expected.width, dpi)) << Describe(at);
        }
    }
    // Tab walks the buttons in the table's order and comes back to "Close".
    std::vector<int> tabOrder;
    HWND item = GetDlgItem(window, kCloseId);
    for (int step = 0; step < 5 && item; ++step) {
        tabOrder.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(window, item, FALSE);
    }
    EXPECT_EQ(tabOrder, (std::vector<int>{kCloseId, kImportIniId, kShortcutId, kButtonBarId, kCloseId}));
    EXPECT_EQ(FocusedControl(window), GetDlgItem(window, kCloseId)) << "\"Close\" has the focus";
}

}  // namespace velmora::e2e
