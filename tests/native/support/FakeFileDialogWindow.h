// A file selection window without a screen: it keeps what the model shows in it, and
// its modal showing runs the user's scripted actions against the model.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "filedialog/FileDialogModel.h"
#include "filedialog/FileDialogWindow.h"

namespace velmora::testing_support {

class FakeFileDialogWindow final : public FileDialogWindow {
public:
    using UserActions = std::function<void(FileDialogModel&)>;

    // What the user does during the next showings, one entry per showing. A showing
    // without a script, or whose script leaves the window open, ends by the close box.
    std::deque<UserActions> users;

    // Lifecycle: "build", "show", "hide", "close", in the order they happened.
    std::vector<std::string> events;
    bool built = false;
    bool visible = false;

    std::wstring caption;
    FileDialogLayout layout;
    std::vector<DriveInfo> drives;
    std::optional<std::size_t> selectedDrive;
    std::vector<DirectoryRow> rows;
    std::size_t currentRow = 0;
    std::vector<std::wstring> files;
    std::optional<std::size_t> selectedFile;
    std::wstring nameText;
    bool okEnabled = false;
    // What the window showed when its modal showing began.
    std::wstring captionWhenShown;
    FileDialogLayout layoutWhenShown;

    void Build(FileDialogModel& model) override {
        EXPECT_FALSE(built) << "the window must be closed before it is built again";
        events.push_back("build");
        built = true;
        model_ = &model;
    }
    void ShowModal() override {
        events.push_back("show");
        visible = true;
        captionWhenShown = caption;
        layoutWhenShown = layout;
        UserActions actions = users.empty() ? UserActions() : users.front();
        if (!users.empty()) users.pop_front();
        if (actions) actions(*model_);
        if (visible) {
            ADD_FAILURE() << "the showing did not end; closing it";
            model_->UserClosedWindow();
        }
    }
    void Hide() override {
        events.push_back("hide");
        visible = false;
    }
    void Close() override {
        if (!built) return;
        events.push_back("close");
        built = false;
        visible = false;
        model_ = nullptr;
    }
    void SetCaption(const std::wstring& text) override { caption = text; }
    void ApplyLayout(const FileDialogLayout& newLayout) override { layout = newLayout; }
    void ShowDrives(const std::vector<DriveInfo>& list, std::optional<std::size_t> selected) override {
        drives = list;
        selectedDrive = selected;
    }
    void ShowDirectories(const std::vector<DirectoryRow>& list, std::size_t current) override {
        rows = list;
        currentRow = current;
    }
    void ShowFiles(const std::vector<std::wstring>& names, std::optional<std::size_t> selected) override {
        files = names;
        selectedFile = selected;
    }
    void SetNameText(const std::wstring& text) override { nameText = text; }
    void SetOkEnabled(bool enabled) override { okEnabled = enabled; }

private:
    FileDialogModel* model_ = nullptr;
};

}  // namespace velmora::testing_support
