#include "filedialog/FileDialogModel.h"

#include <algorithm>
#include <cwctype>

#include "common/Paths.h"
#include "common/StringOps.h"
#include "filedialog/DialogPaths.h"

namespace velmora {

FileDialogModel::FileDialogModel(Platform& platform, FilesState& state, FileDialogWindow& window)
    : platform_(platform), state_(state), window_(window), folders_(platform.registry, platform.process) {
    window_.Build(*this);
    // Each build of the window clears a listing's stop request. The lists come up on the
    // process's current directory, with no events, as the controls do when they are created,
    // so the window's load has nothing more to show.
    state_.StopListing = false;
    FileSystem& files = platform_.files;
    drives_ = files.ListDrives();
    const std::wstring current = files.CurrentDirectory();
    if (!current.empty()) {
        const auto letter = static_cast<wchar_t>(std::towlower(current[0]));
        const auto found = std::find_if(drives_.begin(), drives_.end(), [letter](const DriveInfo& drive) {
            return std::towlower(drive.letter) == static_cast<wint_t>(letter);
        });
        if (found != drives_.end()) drive_ = static_cast<std::size_t>(found - drives_.begin());
    }
    directory_ = AbsoluteDirectoryPath(files, current).value_or(current);
    rows_ = velmora::DirectoryRows(
        directory_, files.ListSubdirectories(directory_).value_or(std::vector<std::wstring>()));

    window_.ApplyLayout(LayoutFor(FileDialogMode::None));
    window_.ShowDrives(drives_, drive_);
    window_.ShowDirectories(rows_, CurrentDirectoryRow(rows_));
    RefreshFiles();
    window_.SetNameText(name_);
    window_.SetOkEnabled(okEnabled_);
}

std::optional<wchar_t> FileDialogModel::SelectedDrive() const {
    if (!drive_) return std::nullopt;
    return drives_[*drive_].letter;
}

std::optional<std::wstring> FileDialogModel::SelectedFile() const {
    if (!selectedFile_) return std::nullopt;
    return fileNames_[*selectedFile_];
}

void FileDialogModel::SelectDrive(wchar_t letter) {
    const auto found = std::find_if(drives_.begin(), drives_.end(), [letter](const DriveInfo& drive) {
        return std::towlower(drive.letter) == std::towlower(letter);
    });
    if (found == drives_.end()) return;
    const auto index = static_cast<std::size_t>(found - drives_.begin());
    if (index != drive_) ChangeDrive(index, false);
}

void FileDialogModel::ChangeDrive(std::size_t index, bool chosenByUser) {
    const wchar_t letter = drives_[index].letter;
    // A drive without a medium keeps everything where it was; the user hears why.
    const auto directory = platform_.files.DriveCurrentDirectory(letter);
    if (!directory) {
        if (chosenByUser) {
            platform_.ui.SystemBeep();
            window_.ShowDrives(drives_, drive_);
        }
        return;
    }
    drive_ = index;
    window_.ShowDrives(drives_, drive_);
    platform_.files.ChangeDrive(letter);
    ShowDirectory(*directory);
}

bool FileDialogModel::ShowDirectory(const std::wstring& path) {
    FileSystem& files = platform_.files;
    const auto absolute = AbsoluteDirectoryPath(files, path);
    if (!absolute || !files.DirectoryExists(*absolute)) return false;
    if (EqualsIgnoringCase(*absolute, directory_)) return true;
    directory_ = *absolute;
    rows_ = velmora::DirectoryRows(
        directory_, files.ListSubdirectories(directory_).value_or(std::vector<std::wstring>()));
    window_.ShowDirectories(rows_, CurrentDirectoryRow(rows_));
    DirectoryChanged();
    return true;
}

void FileDialogModel::DirectoryChanged() {
    if (state_.DialogMode == FileDialogMode::Dir) {
        SetOkEnabled(true);
    } else {
        RefreshFiles();
    }
}

void FileDialogModel::RefreshFiles() {
    fileNames_ = platform_.files.ListFiles(directory_, pattern_).value_or(std::vector<std::wstring>());
    std::sort(fileNames_.begin(), fileNames_.end(),
              [](const std::wstring& a, const std::wstring& b) { return LessIgnoringCase(a, b); });
    selectedFile_.reset();
    window_.ShowFiles(fileNames_, selectedFile_);
}

void FileDialogModel::SetFilePattern(const std::wstring& pattern) {
    if (pattern.empty()) return;
    pattern_ = pattern;
    RefreshFiles();
}

void FileDialogModel::SetFileListName(const std::wstring& name) {
    if (HasWildcard(name)) {
        SetFilePattern(name);
        return;
    }
    const auto found = std::find_if(fileNames_.begin(), fileNames_.end(), [&name](const std::wstring& file) {
        return EqualsIgnoringCase(file, name);
    });
    if (found == fileNames_.end()) return;
    const auto index = static_cast<std::size_t>(found - fileNames_.begin());
    window_.ShowFiles(fileNames_, index);
    UserClickedFile(index);
}

void FileDialogModel::SetNameText(const std::wstring& text) {
    name_ = text;
    window_.SetNameText(name_);
    NameChanged();
}

void FileDialogModel::SetCaption(const std::wstring& caption) {
    window_.SetCaption(caption);
}

void FileDialogModel::ApplyLayout(FileDialogMode mode) {
    window_.ApplyLayout(LayoutFor(mode));
}

void FileDialogModel::SetOkEnabled(bool enabled) {
    okEnabled_ = enabled;
    window_.SetOkEnabled(enabled);
}

void FileDialogModel::NameChanged() {
    // An emptied name box leaves Ok as it was.
    if (!name_.empty()) SetOkEnabled(true);
}

void FileDialogModel::UserChoseDrive(std::size_t index) {
    if (index < drives_.size() && index != drive_) ChangeDrive(index, true);
}

void FileDialogModel::UserOpenedDirectory(std::size_t row) {
    const auto directory = DirectoryOfRow(rows_, row);
    if (directory && !ShowDirectory(*directory)) platform_.ui.SystemBeep();  // gone since the list was filled
}

void FileDialogModel::UserClickedFile(std::size_t index) {
    if (index < fileNames_.size()) {
        selectedFile_ = index;
        if (state_.DialogMode != FileDialogMode::Dir) {
            name_ = fileNames_[index];
            window_.SetNameText(name_);
        }
    }
    // Ok follows the list, not the name: a click on an empty list disables it.
    SetOkEnabled(!fileNames_.empty());
}

void FileDialogModel::UserDoubleClickedFile(std::size_t index) {
    // The click puts the file's name into the name box and enables Ok, unless the list is empty.
    UserClickedFile(index);
    UserPressedOk();
}

void FileDialogModel::UserEditedName(const std::wstring& text) {
    name_ = text;
    NameChanged();
}

void FileDialogModel::UserPressedOk() {
    if (!okEnabled_) return;
    std::wstring result = WithSeparator(directory_);
    // The typed text goes in as typed, behind the directory unless it is a full path.
    const auto typed = [&] { result = IsFullPath(name_) ? name_ : result + name_; };
    switch (state_.DialogMode) {
        case FileDialogMode::File:
            // Only a blank box falls back to the list.
            if (!TrimBlanks(name_).empty()) {
                typed();
            } else if (selectedFile_) {
                result += fileNames_[*selectedFile_];
            }
            break;
        case FileDialogMode::SaveFile:
            typed();
            break;
        case FileDialogMode::Dir:
        case FileDialogMode::None:
            break;
    }
    state_.DialogResult = result;
    window_.Hide();
}

void FileDialogModel::UserCancelled() {
    window_.Hide();  // the showing ends, and closes the window, as after Ok
}

void FileDialogModel::UserPressedDesktop() {
    GoToFolder(folders_.GetDesktopPath());
}

void FileDialogModel::UserPressedStartMenu() {
    GoToFolder(folders_.GetStartMenuPath());
}

void FileDialogModel::GoToFolder(const std::wstring& folder) {
    // An unknown folder leaves the lists where they are; the beep says the button did nothing.
    // A known one that cannot be shown leaves them too, and says nothing.
    if (folder.empty()) {
        platform_.ui.SystemBeep();
        return;
    }
    GoTo(folder);
}

void FileDialogModel::GoTo(const std::wstring& path) {
    if (path.empty()) return;
    SelectDrive(path[0]);
    ShowDirectory(path);
}

}  // namespace velmora
