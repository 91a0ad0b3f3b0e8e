// Reading and driving the windows of another process: finding its top-level windows,
// reading a message box, pressing buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::e2e {

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);

// The visible top-level windows of the process, in z-order.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// The visible top-level window of the process with exactly this caption, or nullptr.
HWND FindVisibleWindow(DWORD processId, const std::wstring& caption);

// One line per window ("'caption' [class] text: '...'"), for failure messages.
std::wstring Describe(const std::vector<HWND>& windows);

struct Button {
    int id;
    std::wstring text;
    bool operator==(const Button&) const = default;
};

// The visible buttons among the window's direct children, in creation order.
std::vector<Button> VisibleButtons(HWND window);
std::vector<int> VisibleButtonIds(HWND window);

// The message text of a message box (its static control with id 0xFFFF), "" if none.
std::wstring MessageBoxText(HWND messageBox);

// Ends a dialog as if the button `id` had been pressed (IDYES, IDNO, IDOK, ...).
void PressDialogButton(HWND dialog, int id);

// Clicks the visible child button with exactly this text; false when there is none.
bool ClickButton(HWND window, const std::wstring& text);

}  // namespace velmora::e2e
