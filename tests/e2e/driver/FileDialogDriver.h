// Reading and operating the launcher's file selection window from outside: its lists,
// its name box and its buttons, found by their control ids. Every action is what the
// control would report to the window after the user's mouse or keyboard.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora::e2e {

class FileDialogDriver {
public:
    explicit FileDialogDriver(HWND dialog) : dialog_(dialog) {}

    HWND Dialog() const { return dialog_; }
    // The control with this id anywhere inside the window; throws when there is none.
    HWND Control(int id) const;

    // Drive list entries ("e: [LABEL]") and the selected one.
    std::vector<std::wstring> Drives() const;
    std::wstring SelectedDrive() const;
    // Directory list rows and the row of the shown directory (the selected one).
    std::vector<std::wstring> DirectoryRows() const;
    std::wstring CurrentDirectoryRow() const;
    std::vector<std::wstring> Files() const;
    std::wstring NameText() const;
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;

    // Picks the drive whose entry starts with "x:".
    void ChooseDrive(wchar_t letter) const;
    // Double-clicks the directory row with exactly this text.
    void OpenDirectory(const std::wstring& row) const;
    void ClickFile(const std::wstring& name) const;
    void DoubleClickFile(const std::wstring& name) const;
    void TypeName(const std::wstring& text) const;
    void Press(int buttonId) const;
    // The close box of the caption.
    void CloseBox() const;

private:
    std::vector<std::wstring> ListTexts(int id, UINT countMessage, UINT lengthMessage,
                                        UINT textMessage) const;
    std::size_t IndexOf(int id, const std::wstring& text, UINT countMessage, UINT lengthMessage,
                        UINT textMessage) const;
    void Notify(int id, int code) const;

    HWND dialog_;
};

}  // namespace velmora::e2e
