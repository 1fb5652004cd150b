// The program's windows and icon at the monitor's DPI: lengths scaled from
// 96 DPI, the tray icon's size, and the help window laid out for the text
// as its font lays it out there.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

#include "port/Types.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

constexpr int kBaseDpi = 96;

// A length at 96 DPI brought to another DPI, rounded half away from zero as
// MulDiv rounds. In doubles, which hold every product exactly.
constexpr std::int32_t ForDpi(std::int32_t value, int dpi) {
    const double scaled = static_cast<double>(value) * dpi / kBaseDpi;
    const double rounded = scaled >= 0 ? scaled + 0.5 : scaled - 0.5;
    return static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

// The tray's icon size at a DPI: 16 pixels at 100 %, 20, 24, 32 and 40 at
// 125, 150, 200 and 250 %, as the shell asks for it (SM_CXSMICON).
constexpr int SmallIconSize(int dpi) { return ForDpi(16, dpi); }

// The program's icon is two. The first has bitmaps, which every Windows
// reads, of the sizes Windows XP shows at 100 and 125 %; it is the icon of
// the program's file. The second has PNG images, which Windows Vista and
// later read, of the other sizes the tray asks for from 100 to 300 %. A
// size either lacks is scaled from the next larger image of the one that
// serves it.
constexpr int kBitmapIconSizes[] = {16, 20, 32};
constexpr bool FromLargeIcon(int size) {
    return size > kBitmapIconSizes[0] &&
           std::find(std::begin(kBitmapIconSizes), std::end(kBitmapIconSizes), size) ==
               std::end(kBitmapIconSizes);
}

// What a window adds around its client area at a DPI (its frame and
// caption), as AdjustWindowRectEx reports it.
struct FrameSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// A label's text as it is laid out in the label, at the label's width and
// font: the height of the whole text, and for each unit of the window the
// bottom of the line it sits on (0 for none), in the label's client area.
struct TextLayout {
    std::int32_t height = 0;
    std::vector<std::int32_t> lineBottoms;
    // the label's client width it was laid out at (0 for the declared
    // one), and the height of a line of its font
    std::int32_t width = 0;
    std::int32_t lineHeight = 0;
};

// A window laid out for a DPI: its outer size, each unit's rectangle (left,
// top, width, height) in declared order, and the label's font height.
struct WindowLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<Rect> units;
    std::int32_t labelFont = 0;
};

// A label's border, WS_BORDER: one pixel at any DPI.
constexpr std::int32_t kLabelBorder = 1;
// A link box's bottom edge lies this far below its line's bottom, at 96 DPI.
constexpr std::int32_t kLinkBelowLine = 1;

// Every declared size and position scaled by dpi/96. With the text as laid
// out, the label grows to hold the whole of it and each link box moves onto
// its line; the window grows to hold the label, with margins as on its left
// and top. Without the text (it could not be measured) the scaled
// declarations stand. At 96 DPI, with SimSun, the result is the declared
// layout.
WindowLayout LayOutWindow(const WindowDeclaration& window, int dpi, FrameSize frame,
                          const TextLayout* text);

// The label's client width at which the text, laid out at `text.width`
// into `layout`, would let the window fit a work area of the room's size:
// a longer text, a larger font or a small screen widen the label rather
// than push the text's end off the screen. The text's height is taken as
// inversely proportional to the width, less a line for the last one's
// breaks; the window grows no wider than the room. `text.width` when it
// fits or cannot grow.
std::int32_t LabelWidthToFit(const WindowLayout& layout, const TextLayout& text,
                             std::int64_t roomWidth, std::int64_t roomHeight);

}  // namespace tremolux::win32
