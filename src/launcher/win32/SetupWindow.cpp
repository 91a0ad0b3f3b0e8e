#include "launcher/win32/SetupWindow.h"

#include <string>

#include "ResourceIds.h"
#include "launcher/SetupWindowDesign.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowRouting.h"

namespace velmora::win32 {
namespace {

namespace design = setup_design;

constexpr wchar_t kClassName[] = L"VelmoraSetupWindow";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // fixed: no sizing, no min/max box
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

SetupWindow::~SetupWindow() {
    if (window_) DestroyWindow(window_);
    if (owner_) DestroyWindow(owner_);
}

void SetupWindow::ShowModal(HINSTANCE instance) {
    RegisterWindowClass(instance, {kClassName, WindowProc, COLOR_BTNFACE, IDI_VELMORA});
    fonts_ = FontCache(ScreenDpi());
    picture_.reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_SETUP_PICTURE), IMAGE_BITMAP, 0, 0, 0)));

    owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(kExStyle, kClassName, controller_.Texts().caption.c_str(), kStyle, 0, 0, 0, 0, owner_,
                    nullptr, instance, this);
    if (!window_) return;
    SizeWindow(window_, design::kClientWidth, design::kClientHeight, false, fonts_.Dpi());
    AddControls();
    CentreOnScreen(window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(window_, design::kCommand1));

    loop_.Run(window_);
}

// The labels show their run-time texts instead of the design's.
void SetupWindow::AddControls() {
    const SetupWindowTexts texts = controller_.Texts();
    auto controls = design::kControls;
    for (ControlDesign& control : controls) {
        if (control.id == design::kLabel1) control.text = texts.helpText.c_str();
        if (control.id == design::kLabel2) control.text = texts.webAddress.c_str();
        if (control.id == design::kTitelLable) control.text = texts.title.c_str();
    }
    CreateControls(window_, controls, fonts_);
}

void SetupWindow::ShowWebLink(bool visible) {
    HWND link = GetDlgItem(window_, design::kLabel2);
    ShowWindow(link, visible ? SW_SHOW : SW_HIDE);
    UpdateWindow(window_);
}

LRESULT CALLBACK SetupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToOwner(window, message, wParam, lParam, &SetupWindow::window_, &SetupWindow::HandleMessage);
}

LRESULT SetupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != design::kPicture1) break;
            DrawPicture(*item);
            return TRUE;
        }
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_CLOSE:  // the close box
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void SetupWindow::OnCommand(int controlId, int notification) {
    // Escape arrives as IDCANCEL and does nothing: only "Close" and the close box end
    // the program. Buttons report BN_CLICKED, the link and the picture STN_CLICKED; both are 0.
    if (notification != BN_CLICKED) return;
    if (controller_.Click(controlId, *this) == AfterClick::EndProgram && window_) DestroyWindow(window_);
}

bool SetupWindow::OnSetCursor(HWND under) {
    if (under != GetDlgItem(window_, design::kLabel2)) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// The picture, scaled to the screen's DPI from its 96-DPI size, on the window's background.
void SetupWindow::DrawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    BITMAP size{};
    if (!picture_ || !GetObjectW(picture_.get(), sizeof(size), &size)) return;
    const MemoryDc source(CreateCompatibleDC(item.hDC));
    if (!source) return;
    const SelectedObject selected(source.get(), picture_.get());
    SetStretchBltMode(item.hDC, HALFTONE);
    const int dpi = fonts_.Dpi();
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, ScaledFrom96Dpi(size.bmWidth, dpi),
               ScaledFrom96Dpi(size.bmHeight, dpi), source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

}  // namespace velmora::win32
