// Drawing of the directory list's rows: indented by level, with an open folder for the
// shown directory and its ancestors and a closed one for its subdirectories.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// What a row's item data holds.
LPARAM DirectoryRowData(int level, bool open);

int DirectoryRowHeight(int dpi, HFONT font);
void DrawDirectoryRow(const DRAWITEMSTRUCT& item, int dpi);

}  // namespace velmora::win32
