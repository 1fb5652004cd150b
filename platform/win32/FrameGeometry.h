// A window's visible frame against its rectangle: Windows 10 and 11 draw
// the frame inside invisible resize borders.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "port/Types.h"

namespace tremolux::win32 {

// How far a window's rectangle reaches past its visible frame on each side:
// Windows 10 and 11 give windows invisible resize borders, about 7 pixels at
// the left, right and bottom at 100 %. Zero where the frame is not known
// (the DWM call failed: Windows XP, no composition, Wine) and on any side
// where the frame reaches further than the rectangle.
struct Margins {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

Margins FrameMargins(const Rect& window, const std::optional<Rect>& frame);

// The window rectangle whose visible frame lies at x, y with the size cx by
// cy: SetWindowPos's arguments grown by the margins.
struct Placement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

Placement GrownByMargins(const Placement& frame, const Margins& margins);

// A window placement's rectangles are in workspace coordinates, which start
// at the corner of the work area of the window's monitor (of the monitor
// itself for a tool window): a taskbar at the top or the left shifts them
// against the screen's.
Rect ScreenFromWorkspace(const Rect& placed, const Rect& monitor, const Rect& work, bool tool);
Rect WorkspaceFromScreen(const Rect& screen, const Rect& monitor, const Rect& work, bool tool);

}  // namespace tremolux::win32
