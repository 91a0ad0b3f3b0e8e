#include "launcher/win32/SetupWindow.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraSetupWindow";

// A bare CR breaks a message box line but not a static control's: give it CR LF.
std::wstring WithLineFeeds(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n'))
            result += L'\n';
    }
    return result;
}

HFONT MakeFont(int dpi, int tenthsOfPoint, bool bold, bool underline) {
    const int height = -MulDiv(tenthsOfPoint, dpi, 720);
    return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       L"MS Sans Serif");
}

}  // namespace

SetupWindow::~SetupWindow() {
    for (HFONT font : {boldFont_, helpFont_, linkFont_, titleFont_}) {
        if (font)
            DeleteObject(font);
    }
}

void SetupWindow::ShowModal(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    constexpr DWORD style = WS_CAPTION | WS_SYSMENU;
    constexpr DWORD exStyle = WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, TwipsToPixels(setup_layout::kClientWidth, dpi_),
               TwipsToPixels(setup_layout::kClientHeight, dpi_)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    CreateWindowExW(exStyle, kClassName, texts_.caption.c_str(), style, left, top, width, height, nullptr,
                    nullptr, instance, this);
    if (!window_)
        return;
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(window_, setup_layout::kCloseId));

    MSG message;
    while (window_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

LRESULT CALLBACK SetupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<SetupWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT SetupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == setup_layout::kCloseId || LOWORD(wParam) == IDCANCEL) {
                DestroyWindow(window_);
            }
            return 0;
        case WM_CLOSE:
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void SetupWindow::OnCreate() {
    boldFont_ = MakeFont(dpi_, 83, true, false);
    helpFont_ = MakeFont(dpi_, 98, false, false);
    linkFont_ = MakeFont(dpi_, 83, false, true);
    titleFont_ = MakeFont(dpi_, 98, true, false);

    using namespace setup_layout;
    AddControl(L"BUTTON", L"Close", WS_TABSTOP | BS_PUSHBUTTON, kCloseId, kClose, boldFont_);
    AddControl(L"STATIC", WithLineFeeds(texts_.helpText), SS_LEFT, kHelpTextId, kHelpText, helpFont_);
    AddControl(L"STATIC", texts_.webAddress, SS_LEFT, kWebLinkId, kWebLink, linkFont_);
    AddControl(L"STATIC", texts_.title, SS_LEFT, kTitleId, kTitle, titleFont_);
}

HWND SetupWindow::AddControl(const wchar_t* className, const std::wstring& text, DWORD style, int id,
                             TwipsRect twips, HFONT font) {
    HWND control = CreateWindowExW(
        0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, TwipsToPixels(twips.left, dpi_),
        TwipsToPixels(twips.top, dpi_), TwipsToPixels(twips.width, dpi_), TwipsToPixels(twips.height, dpi_),
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}  // namespace velmora::win32
