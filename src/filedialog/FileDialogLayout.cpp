#include "filedialog/FileDialogLayout.h"

namespace velmora {
namespace {

FileDialogLayout DesignLayout() {
    FileDialogLayout layout;
    layout.windowWidth = 9225;
    layout.windowHeight = 5190;
    layout.frame1 = {0, 0, 735, 5175};
    layout.command1 = {120, 240, 495, 495};
    layout.startMenuButton = {120, 960, 495, 495};
    layout.drive1 = {1110, 120, 4455, 315};
    layout.dir1 = {1080, 600, 4455, 3915};
    layout.fileName = {5760, 120, 3375, 345};
    layout.file1 = {5760, 540, 3375, 3990};
    layout.frame2 = {5760, 4680, 3615, 495};
    layout.ok = {0, 0, 1455, 375};
    layout.abbruch = {1800, 0, 1455, 375};
    return layout;
}

}  // namespace

FileDialogLayout LayoutFor(FileDialogMode mode) {
    FileDialogLayout layout = DesignLayout();
    switch (mode) {
        case FileDialogMode::None:
        case FileDialogMode::File:
            break;
        case FileDialogMode::SaveFile:
            layout.abbruch.left = 1920;
            layout.file1.top = 720;
            break;
        case FileDialogMode::Dir:
            // Only the directory column is left, with the buttons under it.
            layout.windowWidth = 5805;
            layout.windowHeight = 5610;
            layout.outerSize = true;
            layout.dir1.width = 4455;
            layout.drive1.width = layout.dir1.width;
            layout.frame2.left = 1080;
            layout.fileNameVisible = false;
            layout.file1Visible = false;
            break;
    }
    return layout;
}

}  // namespace velmora
