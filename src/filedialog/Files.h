// The program's own file selection dialog: pick a file to open, name a file to save, or
// pick a directory. Each entry point builds the window afresh, sets it up for its mode,
// shows it modally and closes it again before it returns the chosen path ("" when the
// user pressed Abbruch or closed the window). The returned path is not checked.
// The object also carries the file utilities of sysutil/ as its own operations.
#pragma once

#include <memory>
#include <string>

#include "filedialog/FileDialogModel.h"
#include "filedialog/FileDialogWindow.h"
#include "import/FileChooser.h"
#include "platform/Platform.h"
#include "sysutil/DirectoryListing.h"
#include "sysutil/FileDateMoveAndNames.h"
#include "sysutil/RunProgramOrDocument.h"

namespace velmora {

class Files final : public FileChooser {
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
    // Asks a running ReadDirctoryStructureToFile to stop at its next entry.
    void RequestStopListing() { state_.StopListing = true; }

    // The file utilities; each header says what they do and how they report errors.
    bool ReadDirctoryStructureToFile(std::wstring& Path, const std::wstring& TargetTextFileName,
                                     const std::wstring& SearchExtension = {}, bool AppendTarget = false) {
        return velmora::ReadDirctoryStructureToFile(platform_, state_.StopListing, Path, TargetTextFileName,
                                                    SearchExtension, AppendTarget);
    }
    std::optional<LocalDateTime> getFileDate(const std::wstring& FileName) {
        return velmora::getFileDate(platform_, FileName);
    }
    FileMoveResult FileMove(const std::wstring& Source, const std::wstring& Destination,
                            bool Overwrite = false) {
        return velmora::FileMove(platform_, Source, Destination, Overwrite);
    }
    std::wstring FileGetShortFileName(std::wstring Path) {
        return velmora::FileGetShortFileName(platform_, std::move(Path));
    }
    std::wstring FileGetLongFileName(std::wstring Path) {
        return velmora::FileGetLongFileName(platform_, std::move(Path));
    }
    std::optional<std::uint32_t> FileRun(std::wstring& Datei, int Style = ProcessEnvironment::kShowHidden) {
        return velmora::FileRun(platform_, Datei, Style);
    }

private:
    // Empties the result, takes the mode and builds the window on the current directory.
    std::unique_ptr<FileDialogModel> BeginShowing(FileDialogMode mode);
    // Lays the window out for its mode, shows it until Ok or Abbruch, and closes it.
    std::wstring ShowAndClose(FileDialogModel& model);

    Platform& platform_;
    FileDialogWindow& window_;
    FilesState state_;
};

}  // namespace velmora
