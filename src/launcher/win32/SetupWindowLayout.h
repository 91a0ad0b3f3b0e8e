// Control ids and positions of the setup window. Positions are in twips (1/1440 inch):
// left, top, width, height.
#pragma once

#include <windows.h>

namespace velmora::win32 {

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

struct TwipsRect {
    int left, top, width, height;
};

namespace setup_layout {

inline constexpr int kClientWidth = 7065;
inline constexpr int kClientHeight = 4005;

inline constexpr int kCloseId = 101;
inline constexpr int kHelpTextId = 104;
inline constexpr int kWebLinkId = 105;
inline constexpr int kTitleId = 107;

inline constexpr TwipsRect kClose{240, 3240, 2655, 495};
inline constexpr TwipsRect kHelpText{3120, 1560, 3735, 1215};
inline constexpr TwipsRect kWebLink{5040, 3600, 1710, 195};
inline constexpr TwipsRect kTitle{1080, 480, 5895, 375};

}  // namespace setup_layout
}  // namespace velmora::win32
