#include "platform/win32/Controls.h"

// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/Dpi.h"
#include "platform/win32/ToolTip.h"
#include "platform/win32/WindowClass.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kFrameClass[] = L"VelmoraFrame";
constexpr wchar_t kWorkspaceFrameClass[] = L"VelmoraWorkspaceFrame";
// Pixels across and down of a control until it is placed.
constexpr int kFirstSize = 10;

// A frame passes its buttons' notifications on to the window.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return SendMessageW(GetParent(frame), message, wParam, lParam);
    return DefWindowProcW(frame, message, wParam, lParam);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle = 0;
};

ControlClass ClassFor(ControlKind kind, HINSTANCE instance) {
    switch (kind) {
        case ControlKind::Button:
            return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::PictureButton:
            return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP};
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
        case ControlKind::Link:
            // SS_NOTIFY makes the label report clicks; one line, as a link reads.
            return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY};
        case ControlKind::Picture:
            return {WC_STATICW, SS_OWNERDRAW | SS_NOTIFY};
        case ControlKind::DriveList:
            return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS};
        case ControlKind::DirectoryList:
            return {WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                     LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT};
        case ControlKind::FileList:
            return {WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT};
        case ControlKind::TextBox:
            return {WC_EDITW, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Frame:
            RegisterWindowClass(instance, {kFrameClass, FrameProc, COLOR_BTNFACE});
            return {kFrameClass, 0, WS_EX_CONTROLPARENT};
        case ControlKind::WorkspaceFrame:
            RegisterWindowClass(instance, {kWorkspaceFrameClass, FrameProc, COLOR_APPWORKSPACE});
            return {kWorkspaceFrameClass, 0, WS_EX_CONTROLPARENT};
    }
    return {WC_STATICW, SS_LEFT};
}

// A bare CR breaks a message box line but not a static control's: give it CR LF.
std::wstring WithLineFeeds(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) result += L'\n';
    }
    return result;
}

RECT PixelsOf(ControlKind kind, const TwipsRect& place, int dpi) {
    // A drop-down list's height includes its open list.
    const int height = kind == ControlKind::DriveList ? place.height * 8 : place.height;
    const int left = TwipsToPixels(place.left, dpi), top = TwipsToPixels(place.top, dpi);
    return {left, top, left + TwipsToPixels(place.width, dpi), top + TwipsToPixels(height, dpi)};
}

// A link's text (the web address is a build setting) may be longer than its design width:
// the link then grows towards the window's right edge instead of being cut off.
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

HFONT FontCache::For(const FontDesign& design) {
    for (const Entry& entry : fonts_) {
        if (entry.design == design) return entry.font.get();
    }
    // A negative height asks for the character height, as a point size means.
    UniqueFont font(CreateFontW(-MulDiv(design.hundredthsOfPoint, dpi_, 7200), 0, 0, 0,
                                design.bold ? FW_BOLD : FW_NORMAL, FALSE, design.underline, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, kFontFace));
    HFONT handle = font.get();
    fonts_.push_back({design, std::move(font)});
    return handle;
}

std::vector<HWND> CreateControls(HWND window, std::span<const ControlDesign> design, FontCache& fonts) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    std::vector<HWND> controls;
    std::vector<ToolTipText> tips;
    for (const ControlDesign& control : design) {
        HWND parent = window;
        const auto container = std::find_if(design.begin(), design.end(), [&](const ControlDesign& each) {
            return each.id == control.container;
        });
        if (control.container && container != design.end())
            parent = controls[static_cast<size_t>(container - design.begin())];
        const ControlClass controlClass = ClassFor(control.kind, instance);
        // Each new control goes after its siblings: the table's order is the tab order.
        HWND created = CreateWindowExW(
            controlClass.exStyle, controlClass.name, WithLineFeeds(control.text).c_str(),
            WS_CHILD | (control.visible ? WS_VISIBLE : 0) | controlClass.style, 0, 0, kFirstSize, kFirstSize,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        controls.push_back(created);
        if (!created) continue;
        // The font before the place: a text box takes its margins from its size when the
        // font comes, none while it is that small, and so shows its text as it always has.
        HFONT font = fonts.For(control.font);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        PlaceControl(created, control.kind, control.place, fonts.Dpi());
        if (control.kind == ControlKind::Link) WidenToText(created, font);
        if (control.toolTip) tips.push_back({created, control.toolTip});
    }
    if (!tips.empty()) AddToolTips(window, tips);
    return controls;
}

void PlaceControl(HWND control, ControlKind kind, const TwipsRect& place, int dpi) {
    const RECT at = PixelsOf(kind, place, dpi);
    MoveWindow(control, at.left, at.top, at.right - at.left, at.bottom - at.top, TRUE);
}

void SizeWindow(HWND window, int width, int height, bool outer, int dpi) {
    RECT size{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
    if (!outer) {
        AdjustWindowRectEx(&size, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    }
    SetWindowPos(window, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnScreen(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velmora::win32
