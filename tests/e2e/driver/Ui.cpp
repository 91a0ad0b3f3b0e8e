#include "driver/Ui.h"

namespace velmora::e2e {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    // GetWindow walks the z-order, in which the first created child is last.
    return {children.rbegin(), children.rend()};
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

bool IsButton(HWND window) {
    return lstrcmpiW(WindowClass(window).c_str(), L"Button") == 0;
}

}  // namespace

std::wstring WindowText(HWND window) {
    // WM_GETTEXT through a timeout, so a hung target cannot hang the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[256];
    const int n = GetClassNameW(window, name, 256);
    return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleWindow(DWORD processId, const std::wstring& caption) {
    for (HWND window : VisibleTopLevelWindows(processId)) {
        if (WindowText(window) == caption) {
            return window;
        }
    }
    return nullptr;
}

std::wstring Describe(const std::vector<HWND>& windows) {
    if (windows.empty()) {
        return L"(no visible window)";
    }
    std::wstring out;
    for (HWND window : windows) {
        out += L"'" + WindowText(window) + L"' [" + WindowClass(window) + L"]";
        const std::wstring text = MessageBoxText(window);
        if (!text.empty()) {
            out += L" text: '" + text + L"'";
        }
        for (const Button& button : VisibleButtons(window)) {
            out += L" button " + std::to_wstring(button.id) + L" '" + button.text + L"'";
        }
        out += L"\n";
    }
    return out;
}

std::vector<Button> VisibleButtons(HWND window) {
    std::vector<Button> buttons;
    for (HWND child : Children(window)) {
        if (IsButton(child) && IsWindowVisible(child)) {
            buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
        }
    }
    return buttons;
}

std::vector<int> VisibleButtonIds(HWND window) {
    std::vector<int> ids;
    for (const Button& button : VisibleButtons(window)) {
        ids.push_back(button.id);
    }
    return ids;
}

std::wstring MessageBoxText(HWND messageBox) {
    HWND text = GetDlgItem(messageBox, kMessageBoxTextId);
    return text ? WindowText(text) : std::wstring();
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool ClickButton(HWND window, const std::wstring& text) {
    for (HWND child : Children(window)) {
        if (IsButton(child) && IsWindowVisible(child) && WindowText(child) == text) {
            // Posted: the click may end the target process before a sent message returns.
            PostMessageW(child, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace velmora::e2e
