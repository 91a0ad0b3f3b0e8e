// The file selection window on Windows: plain Win32 controls that pass what the user
// does to the FileDialogModel and show what it says. One object serves every showing;
// each showing builds the window anew and closes it again.
#pragma once

#include <windows.h>

#include <vector>

#include "filedialog/FileDialogWindow.h"
#include "platform/win32/Controls.h"
#include "platform/win32/GdiObject.h"
#include "platform/win32/ModalLoop.h"

namespace velmora::win32 {

class Win32FileDialogWindow final : public FileDialogWindow {
public:
    explicit Win32FileDialogWindow(HINSTANCE instance) : instance_(instance) {}
    Win32FileDialogWindow(const Win32FileDialogWindow&) = delete;
    Win32FileDialogWindow& operator=(const Win32FileDialogWindow&) = delete;
    ~Win32FileDialogWindow() override { Close(); }

    void Build(FileDialogModel& model) override;
    void ShowModal() override;
    void Hide() override;
    void Close() override;

    void SetCaption(const std::wstring& caption) override;
    void ApplyLayout(const FileDialogLayout& layout) override;
    void ShowDrives(const std::vector<DriveInfo>& drives, std::optional<std::size_t> selected) override;
    void ShowDirectories(const std::vector<DirectoryRow>& rows, std::size_t current) override;
    void ShowFiles(const std::vector<std::wstring>& names, std::optional<std::size_t> selected) override;
    void SetNameText(const std::wstring& text) override;
    void SetOkEnabled(bool enabled) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnEnter();
    HWND Control(int id) const;
    void ReleaseOwner();

    HINSTANCE instance_;
    FileDialogModel* model_ = nullptr;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    bool ownerDisabled_ = false;
    bool settingName_ = false;
    FontCache fonts_{96};
    UniqueBitmap desktopPicture_, startMenuPicture_;
    std::vector<HWND> controls_;  // in the order of the design table
    ModalLoop loop_;
};

}  // namespace velmora::win32
