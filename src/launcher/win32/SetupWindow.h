// The setup window shown for "/?" and the setup switches, or when Total Commander is
// not found. PLACEHOLDER: for now a plain window with the help texts and "Close"; the
// import, shortcut and web page controls come with the full setup window.
#pragma once

#include <windows.h>

#include "launcher/HelpTexts.h"
#include "launcher/win32/SetupWindowLayout.h"

namespace velmora::win32 {

class SetupWindow {
public:
    explicit SetupWindow(SetupWindowTexts texts) : texts_(std::move(texts)) {}
    SetupWindow(const SetupWindow&) = delete;
    SetupWindow& operator=(const SetupWindow&) = delete;
    ~SetupWindow();

    // Shows the window and returns when it has been closed.
    void ShowModal(HINSTANCE instance);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    HWND AddControl(const wchar_t* className, const std::wstring& text, DWORD style, int id, TwipsRect twips,
                    HFONT font);

    SetupWindowTexts texts_;
    HWND window_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT helpFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HFONT titleFont_ = nullptr;
    int dpi_ = 96;
};

}  // namespace velmora::win32
