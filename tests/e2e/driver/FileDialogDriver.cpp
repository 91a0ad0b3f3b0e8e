#include "driver/FileDialogDriver.h"

#include <stdexcept>

#include "driver/Text.h"
#include "driver/Ui.h"
#include "filedialog/win32/FileDialogControlIds.h"

namespace velmora::e2e {
namespace {

namespace ids = velmora::file_dialog_ids;

constexpr UINT kTimeoutMs = 5000;

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result))
        throw std::runtime_error("the file dialog did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

}  // namespace

HWND FileDialogDriver::Control(int id) const {
    ControlSearch search{id, nullptr};
    EnumChildWindows(dialog_, FindById, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw std::runtime_error("no control " + std::to_string(id) + " in the file dialog");
    return search.found;
}

std::vector<std::wstring> FileDialogDriver::ListTexts(int id, UINT countMessage, UINT lengthMessage,
                                                      UINT textMessage) const {
    HWND list = Control(id);
    std::vector<std::wstring> texts;
    const LRESULT count = Send(list, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(list, lengthMessage, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        Send(list, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        texts.push_back(text);
    }
    return texts;
}

std::size_t FileDialogDriver::IndexOf(int id, const std::wstring& text, UINT countMessage, UINT lengthMessage,
                                      UINT textMessage) const {
    const auto texts = ListTexts(id, countMessage, lengthMessage, textMessage);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) return i;
    }
    std::wstring all;
    for (const auto& entry : texts)
        all += L" '" + entry + L"'";
    throw std::runtime_error(ToUtf8(L"no entry '" + text + L"' in list " + std::to_wstring(id) + L":" + all));
}

void FileDialogDriver::Notify(int id, int code) const {
    Send(dialog_, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
}

std::vector<std::wstring> FileDialogDriver::Drives() const {
    return ListTexts(ids::kDrive1, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::wstring FileDialogDriver::SelectedDrive() const {
    const LRESULT index = Send(Control(ids::kDrive1), CB_GETCURSEL, 0, 0);
    const auto drives = Drives();
    return index < 0 || static_cast<std::size_t>(index) >= drives.size()
               ? std::wstring()
               : drives[static_cast<std::size_t>(index)];
}

std::vector<std::wstring> FileDialogDriver::DirectoryRows() const {
    return ListTexts(ids::kDir1, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::wstring FileDialogDriver::CurrentDirectoryRow() const {
    const LRESULT index = Send(Control(ids::kDir1), LB_GETCURSEL, 0, 0);
    const auto rows = DirectoryRows();
    return index < 0 || static_cast<std::size_t>(index) >= rows.size()
               ? std::wstring()
               : rows[static_cast<std::size_t>(index)];
}

std::vector<std::wstring> FileDialogDriver::Files() const {
    return ListTexts(ids::kFile1, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::wstring FileDialogDriver::NameText() const {
    return WindowText(Control(ids::kFileName));
}

bool FileDialogDriver::IsEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}

bool FileDialogDriver::IsVisible(int id) const {
    return IsWindowVisible(Control(id)) != FALSE;
}

void FileDialogDriver::ChooseDrive(wchar_t letter) const {
    const auto drives = Drives();
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].size() >= 2 && (drives[i][0] | 0x20) == (letter | 0x20) && drives[i][1] == L':') {
            Send(Control(ids::kDrive1), CB_SETCURSEL, i, 0);
            Notify(ids::kDrive1, CBN_SELCHANGE);
            return;
        }
    }
    throw std::runtime_error("no drive " + std::string(1, static_cast<char>(letter)) + ": in the drive list");
}

void FileDialogDriver::OpenDirectory(const std::wstring& row) const {
    const std::size_t index = IndexOf(ids::kDir1, row, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    Send(Control(ids::kDir1), LB_SETCURSEL, index, 0);
    Notify(ids::kDir1, LBN_DBLCLK);
}

void FileDialogDriver::ClickFile(const std::wstring& name) const {
    const std::size_t index = IndexOf(ids::kFile1, name, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    Send(Control(ids::kFile1), LB_SETCURSEL, index, 0);
    Notify(ids::kFile1, LBN_SELCHANGE);
}

void FileDialogDriver::DoubleClickFile(const std::wstring& name) const {
    ClickFile(name);
    Notify(ids::kFile1, LBN_DBLCLK);
}

void FileDialogDriver::TypeName(const std::wstring& text) const {
    // The edit control reports the new text to the window itself (EN_CHANGE).
    Send(Control(ids::kFileName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void FileDialogDriver::Press(int buttonId) const {
    // Posted: the press may end the program before a sent message could return.
    PostMessageW(Control(buttonId), BM_CLICK, 0, 0);
}

void FileDialogDriver::CloseBox() const {
    PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace velmora::e2e
