// Where the file selection window's controls stand in each mode: the design table
// (FileDialogDesign.h) with the moves of the mode.
#pragma once

#include <array>

#include "filedialog/FileDialogDesign.h"

namespace velmora {

enum class FileDialogMode { None, File, SaveFile, Dir };

struct FileDialogLayout {
    // The window's size in twips: its client area, or with `outerSize` the whole window,
    // frame and caption included.
    int windowWidth = file_dialog_design::kClientWidth;
    int windowHeight = file_dialog_design::kClientHeight;
    bool outerSize = false;
    std::array<ControlDesign, file_dialog_design::kControls.size()> controls = file_dialog_design::kControls;
};

// The layout of a showing in this mode; None is the design state.
FileDialogLayout LayoutFor(FileDialogMode mode);

}  // namespace velmora
