#include "launcher/win32/SetupControls.h"

#include <string>

#include "platform/win32/Dpi.h"

namespace velmora::win32 {
namespace {

using setup_design::ControlKind;

// A bare CR breaks a message box line but not a static control's: give it CR LF.
std::wstring WithLineFeeds(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) result += L'\n';
    }
    return result;
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
};

ControlClass ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX};
        case ControlKind::Link:
            // SS_NOTIFY makes the label report clicks; one line, as a link reads.
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY};
        case ControlKind::Picture:
            return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY};
    }
    return {L"STATIC", SS_LEFT};
}

}  // namespace

HFONT SetupFonts::For(const setup_design::FontDesign& design) {
    for (const Entry& entry : fonts_) {
        if (entry.design.hundredthsOfPoint == design.hundredthsOfPoint && entry.design.bold == design.bold &&
            entry.design.underline == design.underline) {
            return entry.font.get();
        }
    }
    UniqueFont font =
        MakeFont({setup_design::kFontFace, design.hundredthsOfPoint, design.bold, design.underline}, dpi_);
    HFONT handle = font.get();
    fonts_.push_back({design, std::move(font)});
    return handle;
}

HWND CreateControl(HWND parent, const setup_design::ControlDesign& design, const std::wstring& text,
                   HFONT font, int dpi) {
    const ControlClass controlClass = ClassFor(design.kind);
    const setup_design::TwipsRect& at = design.twips;
    HWND control = CreateWindowExW(
        0, controlClass.name, WithLineFeeds(text).c_str(), WS_CHILD | WS_VISIBLE | controlClass.style,
        TwipsToPixels(at.left, dpi), TwipsToPixels(at.top, dpi), TwipsToPixels(at.width, dpi),
        TwipsToPixels(at.height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
        nullptr, nullptr);
    if (!control) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Tab follows the order of the siblings: each new control goes after the others.
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control;
}

void DrawPicture(const DRAWITEMSTRUCT& item, HBITMAP picture, int dpi) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    BITMAP size{};
    if (!picture || !GetObjectW(picture, sizeof(size), &size)) return;
    const MemoryDc source(CreateCompatibleDC(item.hDC));
    if (!source) return;
    const SelectedObject selected(source.get(), picture);
    SetStretchBltMode(item.hDC, HALFTONE);
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, ScaledFrom96Dpi(size.bmWidth, dpi),
               ScaledFrom96Dpi(size.bmHeight, dpi), source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

}  // namespace velmora::win32
