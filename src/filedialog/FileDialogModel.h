// One showing of the file selection window: the state of its controls and every rule by
// which they follow each other. The window only reports what the user did (the "User"
// methods) and shows what the model tells it; the entry points of Files drive the set-up
// through the other methods. Every step that cannot be done (no such drive, no such
// directory) is skipped and reported by its result only.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "filedialog/FileDialogWindow.h"
#include "platform/Platform.h"
#include "sysutil/FolderLookup.h"

namespace velmora {

// What outlasts a showing: the mode of the current (or last) showing, what it hands
// back, and the request to stop a running directory listing.
struct FilesState {
    FileDialogMode DialogMode = FileDialogMode::None;
    std::wstring DialogResult;
    bool StopListing = false;
};

class FileDialogModel {
public:
    // Builds the window on the process's current directory (its design state), and
    // clears the request to stop a listing.
    FileDialogModel(Platform& platform, FilesState& state, FileDialogWindow& window);
    FileDialogModel(const FileDialogModel&) = delete;
    FileDialogModel& operator=(const FileDialogModel&) = delete;

    // Set-up steps.
    // A drive without a medium is left unselected.
    void SelectDrive(wchar_t letter);
    bool ShowDirectory(const std::wstring& path);
    // Selects the drive named by the path's first character, then shows the path. A path
    // that cannot be shown leaves the lists as they are; nothing is reported.
    void GoTo(const std::wstring& path);
    // An empty pattern leaves the list as it is.
    void SetFilePattern(const std::wstring& pattern);
    // A wildcard name becomes the file list's pattern; a plain one selects that file.
    void SetFileListName(const std::wstring& name);
    void SetNameText(const std::wstring& text);
    void SetCaption(const std::wstring& caption);
    void ApplyLayout(FileDialogMode mode);

    // What the user did.
    void UserChoseDrive(std::size_t index);
    void UserOpenedDirectory(std::size_t row);
    void UserClickedFile(std::size_t index);
    void UserDoubleClickedFile(std::size_t index);
    void UserEditedName(const std::wstring& text);
    void UserPressedOk();
    // Abbruch, or the close box: nothing is chosen, and the result stays empty as each
    // showing begins it.
    void UserCancelled();
    void UserPressedDesktop();
    void UserPressedStartMenu();

    // What the controls hold.
    const std::vector<DriveInfo>& Drives() const { return drives_; }
    std::optional<wchar_t> SelectedDrive() const;
    const std::wstring& Directory() const { return directory_; }
    const std::vector<DirectoryRow>& DirectoryRows() const { return rows_; }
    const std::wstring& FilePattern() const { return pattern_; }
    const std::vector<std::wstring>& FileNames() const { return fileNames_; }
    std::optional<std::wstring> SelectedFile() const;
    const std::wstring& NameText() const { return name_; }
    bool OkEnabled() const { return okEnabled_; }

private:
    void ChangeDrive(std::size_t index, bool chosenByUser);
    void DirectoryChanged();
    void RefreshFiles();
    void SetOkEnabled(bool enabled);
    void NameChanged();
    void GoToFolder(const std::wstring& folder);

    Platform& platform_;
    FilesState& state_;
    FileDialogWindow& window_;
    FolderLookup folders_;

    std::vector<DriveInfo> drives_;
    std::optional<std::size_t> drive_;
    std::wstring directory_;
    std::vector<DirectoryRow> rows_;
    std::wstring pattern_ = L"*.*";
    std::vector<std::wstring> fileNames_;
    std::optional<std::size_t> selectedFile_;
    std::wstring name_;
    bool okEnabled_ = false;
};

}  // namespace velmora
