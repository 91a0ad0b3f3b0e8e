// The file selection window as the dialog model sees it: something it can build, show
// modally, hide and close, and whose controls it fills. The Win32 window implements it,
// and the in-process tests drive that window. User actions go the other way, into the
// FileDialogModel methods that start with "User".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "filedialog/DirectoryTree.h"
#include "filedialog/FileDialogLayout.h"
#include "platform/Platform.h"

namespace velmora {

class FileDialogModel;

class FileDialogWindow {
public:
    virtual ~FileDialogWindow() = default;

    // Creates the window, hidden, in its design state, sending user actions to `model`.
    virtual void Build(FileDialogModel& model) = 0;
    // Shows the window modally over the program's active window; returns once it has been
    // hidden or closed.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    // Destroys the window; nothing happens when there is none.
    virtual void Close() = 0;

    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual void ApplyLayout(const FileDialogLayout& layout) = 0;
    virtual void ShowDrives(const std::vector<DriveInfo>& drives, std::optional<std::size_t> selected) = 0;
    virtual void ShowDirectories(const std::vector<DirectoryRow>& rows, std::size_t current) = 0;
    virtual void ShowFiles(const std::vector<std::wstring>& names, std::optional<std::size_t> selected) = 0;
    // Puts text into the name box without reporting it back as typed.
    virtual void SetNameText(const std::wstring& text) = 0;
    virtual void SetOkEnabled(bool enabled) = 0;
};

}  // namespace velmora
