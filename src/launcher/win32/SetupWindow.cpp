#include "launcher/win32/SetupWindow.h"

#include <algorithm>
#include <string>

#include "ResourceIds.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/ToolTip.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowRouting.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraSetupWindow";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // fixed: no sizing, no min/max box
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The address is a build setting: a longer one than the design's width widens the link
// towards the window's right edge instead of being cut off.
void WidenToText(HWND link, HFONT font) {
    RECT bounds{};
    GetWindowRect(link, &bounds);
    MapWindowPoints(nullptr, GetParent(link), reinterpret_cast<POINT*>(&bounds), 2);
    RECT client{};
    GetClientRect(GetParent(link), &client);

    const int length = GetWindowTextLengthW(link);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(link, text.data(), length + 1)));
    SIZE extent{};
    {
        const WindowDc dc(link);
        if (!dc.get()) return;
        const SelectedObject selected(dc.get(), font);
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }

    const int width = std::min<int>(extent.cx + 2, client.right - bounds.left);
    if (width > bounds.right - bounds.left)
        SetWindowPos(link, nullptr, 0, 0, width, bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER);
}

}  // namespace

SetupWindow::~SetupWindow() {
    if (window_) DestroyWindow(window_);
    if (owner_) DestroyWindow(owner_);
}

void SetupWindow::ShowModal(HINSTANCE instance) {
    instance_ = instance;
    RegisterWindowClass(instance, {kClassName, WindowProc, COLOR_BTNFACE, IDI_VELMORA});
    dpi_ = ScreenDpi();
    fonts_ = std::make_unique<SetupFonts>(dpi_);
    picture_.reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_SETUP_PICTURE), IMAGE_BITMAP, 0, 0, 0)));

    RECT frame{0, 0, TwipsToPixels(setup_design::kClientWidth, dpi_),
               TwipsToPixels(setup_design::kClientHeight, dpi_)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(kExStyle, kClassName, controller_.Texts().caption.c_str(), kStyle, left, top, width,
                    height, owner_, nullptr, instance, this);
    if (!window_) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(window_, setup_design::kCommand1));

    loop_.Run(window_);
}

void SetupWindow::ShowWebLink(bool visible) {
    HWND link = GetDlgItem(window_, setup_design::kLabel2);
    ShowWindow(link, visible ? SW_SHOW : SW_HIDE);
    UpdateWindow(window_);
}

LRESULT CALLBACK SetupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToOwner(window, message, wParam, lParam, &SetupWindow::window_, &SetupWindow::HandleMessage);
}

LRESULT SetupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != setup_design::kPicture1) break;
            DrawPicture(*item, picture_.get(), dpi_);
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

// Controls in tab order; the run-time texts replace the design texts of the labels.
void SetupWindow::OnCreate() {
    const SetupWindowTexts texts = controller_.Texts();
    for (const setup_design::ControlDesign& design : setup_design::kControls) {
        std::wstring text = design.text;
        if (design.id == setup_design::kLabel1)
            text = texts.helpText;
        else if (design.id == setup_design::kLabel2)
            text = texts.webAddress;
        else if (design.id == setup_design::kTitelLable)
            text = texts.title;
        HWND control = CreateControl(window_, design, text, fonts_->For(design.font), dpi_);
        if (control && design.id == setup_design::kPatchBtnBar)
            AddToolTips(window_, {{control, setup_design::kPatchBtnBarToolTip}});
        if (control && design.id == setup_design::kLabel2) WidenToText(control, fonts_->For(design.font));
    }
}

void SetupWindow::OnCommand(int controlId, int notification) {
    // Escape arrives as IDCANCEL and does nothing: only "Close" and the close box end
    // the program. Buttons report BN_CLICKED, the link and the picture STN_CLICKED; both are 0.
    if (notification != BN_CLICKED) return;
    if (controller_.Click(controlId, *this) == AfterClick::EndProgram && window_) DestroyWindow(window_);
}

bool SetupWindow::OnSetCursor(HWND under) {
    if (under != GetDlgItem(window_, setup_design::kLabel2)) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

}  // namespace velmora::win32
