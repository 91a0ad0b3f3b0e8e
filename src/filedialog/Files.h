// The program's own file selection dialog: pick a file to open, name a file to save, or
// pick a directory. Each entry point builds the window afresh, sets it up for its mode,
// shows it modally and closes it again before it returns the chosen path ("" when the
// user pressed Abbruch or closed the window). The returned path is not checked.
#pragma once

#include <memory>
#include <string>

#include "filedialog/FileDialogModel.h"
#include "filedialog/FileDialogWindow.h"
#include "filedialog/FileDialogs.h"
#include "platform/Platform.h"

namespace velmora {

class Files final : public FileDialogs {
public:
    Files(Platform& platform, FileDialogWindow& window) : platform_(platform), window_(window) {}
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;

    // Starts in the directory that holds the last element of `DefaultPath` (the current
    // directory when empty), with the file list filtered to the extension of
    // `DefaultFilename` and that name in the name box.
    std::wstring FileOpenDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption = {},
                                const std::wstring& DefaultFilename = {}) override;
    // Starts in `DefaultPath` itself; its last part selects a file or filters the list.
    std::wstring filesaveDialog(const std::wstring& DefaultPath = {},
                                const std::wstring& DefaultFilename = {},
                                const std::wstring& WindowCaption = {});
    // Returns the chosen directory with its separator.
    std::wstring FileDirSelectDialog(const std::wstring& DefaultPath = {},
                                     const std::wstring& WindowCaption = {});

    const FilesState& State() const { return state_; }

private:
    // Empties the result, takes the mode and builds the window on the current directory.
    std::unique_ptr<FileDialogModel> BeginShowing(FileDialogMode mode);
    std::wstring ShowAndClose();

    Platform& platform_;
    FileDialogWindow& window_;
    FilesState state_;
};

}  // namespace velmora
