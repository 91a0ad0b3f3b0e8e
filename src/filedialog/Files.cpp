#include "filedialog/Files.h"

#include "common/Paths.h"
#include "filedialog/DialogPaths.h"

namespace velmora {

std::unique_ptr<FileDialogModel> Files::BeginShowing(FileDialogMode mode) {
    // The mode comes first, so that the lists already follow each other in the new mode
    // while the set-up moves them.
    state_.DialogResult.clear();
    state_.DialogMode = mode;
    return std::make_unique<FileDialogModel>(platform_, state_, window_);
}

std::wstring Files::ShowAndClose(FileDialogModel& model) {
    model.ApplyLayout(state_.DialogMode);
    window_.ShowModal();
    const std::wstring result = state_.DialogResult;
    window_.Close();
    return result;
}

std::wstring Files::FileOpenDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption,
                                   const std::wstring& DefaultFilename) {
    const auto model = BeginShowing(FileDialogMode::File);
    std::wstring path = DefaultPath.empty() ? platform_.files.CurrentDirectory() : DefaultPath;
    // Start in the directory that contains the last element given.
    path = CutAtLastBackslash(path);
    model->GoTo(path);
    model->SetCaption(OpenDialogCaption(WindowCaption, DefaultFilename));
    if (!path.empty()) model->SetFilePattern(ExtensionPattern(DefaultFilename));
    if (!DefaultFilename.empty()) model->SetNameText(DefaultFilename);
    return ShowAndClose(*model);
}

std::wstring Files::filesaveDialog(const std::wstring& DefaultPath, const std::wstring& DefaultFilename,
                                   const std::wstring& WindowCaption) {
    const std::wstring path = DefaultPath.empty() ? platform_.files.CurrentDirectory() : DefaultPath;
    const auto model = BeginShowing(FileDialogMode::SaveFile);
    model->SetCaption(WindowCaption.empty() ? L"Save File as" : WindowCaption);
    if (!path.empty()) {
        model->SetFileListName(LastPathPart(path));
        model->GoTo(path);
    }
    model->SetNameText(L"");  // the file the list may have selected names nothing yet
    if (!DefaultFilename.empty()) model->SetNameText(DefaultFilename);
    return ShowAndClose(*model);
}

std::wstring Files::FileDirSelectDialog(const std::wstring& DefaultPath, const std::wstring& WindowCaption) {
    const auto model = BeginShowing(FileDialogMode::Dir);
    model->GoTo(DefaultPath);
    model->SetCaption(WindowCaption.empty() ? L"Open Directory" : WindowCaption);
    return ShowAndClose(*model);
}

}  // namespace velmora
