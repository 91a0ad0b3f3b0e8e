#include "filedialog/FileDialogLayout.h"

#include <algorithm>

namespace velmora {
namespace {

namespace design = file_dialog_design;

ControlDesign& Control(FileDialogLayout& layout, int id) {
    return *std::find_if(layout.controls.begin(), layout.controls.end(),
                         [id](const ControlDesign& control) { return control.id == id; });
}

}  // namespace

FileDialogLayout LayoutFor(FileDialogMode mode) {
    FileDialogLayout layout;
    switch (mode) {
        case FileDialogMode::None:
        case FileDialogMode::File:
            break;
        case FileDialogMode::SaveFile:
            Control(layout, design::kAbbruch).place.left = 1920;
            Control(layout, design::kFile1).place.top = 720;
            break;
        case FileDialogMode::Dir:
            // Only the directory column is left, the drive list as wide as it is, and the
            // buttons under it.
            layout.windowWidth = 5805;
            layout.windowHeight = 5610;
            layout.outerSize = true;
            Control(layout, design::kFrame2).place.left = 1080;
            Control(layout, design::kFileName).visible = false;
            Control(layout, design::kFile1).visible = false;
            break;
    }
    return layout;
}

}  // namespace velmora
