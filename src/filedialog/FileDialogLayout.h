// Where the file selection window's controls stand in each mode, in twips (1/1440 inch)
// relative to their container. The design state is the open mode's layout; the save and
// directory modes move a few controls from there.
#pragma once

namespace velmora {

enum class FileDialogMode { None, File, SaveFile, Dir };

struct DialogRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const DialogRect&) const = default;
};

struct FileDialogLayout {
    // The window's size: its client area in the design state, its outer size (frame and
    // caption included) when `outerSize` is set.
    int windowWidth = 0, windowHeight = 0;
    bool outerSize = false;

    DialogRect frame1, command1, startMenuButton;  // the shortcut bar and its two buttons
    DialogRect drive1, dir1, fileName, file1;
    DialogRect frame2, ok, abbruch;  // the button bar and its two buttons

    bool fileNameVisible = true;
    bool file1Visible = true;
    bool operator==(const FileDialogLayout&) const = default;
};

// The layout of a showing in this mode; None is the design state.
FileDialogLayout LayoutFor(FileDialogMode mode);

}  // namespace velmora
