// Decisions of the Win32 binding that do not need Windows to be made: which
// key the engine's query reads, which calls a hung window is spared, how a
// text is checked before it is converted, where a window is placed, how the
// program's windows and icon follow the DPI, when a full-screen program is
// in front. Kept free of Windows headers so that they are tested natively.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/Geometry.h"
#include "engine/Types.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

constexpr std::int32_t kVkLButton = 0x01;
constexpr std::int32_t kVkRButton = 0x02;

// GetAsyncKeyState reads the physical buttons. With the buttons swapped, as
// for the left-handed, the primary button the engine asks for is the right
// one.
constexpr std::int32_t PhysicalKey(std::int32_t virtualKey, bool buttonsSwapped) {
    if (!buttonsSwapped) return virtualKey;
    if (virtualKey == kVkLButton) return kVkRButton;
    if (virtualKey == kVkRButton) return kVkLButton;
    return virtualKey;
}

// Shift's state for the hotkey: down as VK_SHIFT reports it, pressed when
// any of VK_SHIFT, VK_LSHIFT and VK_RSHIFT reports a press. On Windows this
// equals VK_SHIFT alone; Wine sets the press bit only on the side keys.
constexpr std::int16_t ShiftState(std::int16_t shift, std::int16_t left, std::int16_t right) {
    const auto bits = [](std::int16_t state) { return static_cast<std::uint16_t>(state); };
    const std::uint16_t down = bits(shift) & 0x8000u;
    const std::uint16_t pressed = (bits(shift) | bits(left) | bits(right)) & 0x0001u;
    return static_cast<std::int16_t>(down | pressed);
}

// A call on another program's window is a synchronous send to that
// program's thread. When the thread has stopped responding the call would
// block the program for good, so it is not made and counts as failed.
// Windows of the program's own thread are always reached.
template <typename IsHung>
bool SpareHungWindow(WindowHandle window, bool ownThread, IsHung isHung) {
    return window != kNoWindow && !ownThread && isHung(window);
}

// UTF-16 as the wide API takes it: every surrogate in a pair. A text that
// does not pass is not converted, so nothing is stored or shown altered.
template <typename Char>
bool ValidUtf16(std::basic_string_view<Char> text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]) & 0xFFFFu;
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size()) return false;
            const auto next = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFFu;
            if (next < 0xDC00 || next > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

// ---- the visible frame ----

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

constexpr Margins FrameMargins(const Rect& window, const std::optional<Rect>& frame) {
    if (!frame || frame->right <= frame->left || frame->bottom <= frame->top) return {};
    const auto reach = [](std::int64_t from, std::int64_t to) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(to - from, 0, INT32_MAX));
    };
    return {reach(window.left, frame->left), reach(window.top, frame->top),
            reach(frame->right, window.right), reach(frame->bottom, window.bottom)};
}

// The window rectangle whose visible frame lies at x, y with the size cx by
// cy: SetWindowPos's arguments grown by the margins.
struct Placement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

constexpr Placement GrownByMargins(const Placement& frame, const Margins& margins) {
    const auto clamp = [](std::int64_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return {clamp(std::int64_t{frame.x} - margins.left), clamp(std::int64_t{frame.y} - margins.top),
            clamp(std::int64_t{frame.cx} + margins.left + margins.right),
            clamp(std::int64_t{frame.cy} + margins.top + margins.bottom)};
}

// ---- the DPI ----

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
inline WindowLayout LayOutWindow(const WindowDeclaration& window, int dpi, FrameSize frame,
                                 const TextLayout* text) {
    WindowLayout layout{ForDpi(window.width, dpi), ForDpi(window.height, dpi), {}, 0};
    const auto scaled = [dpi](const Rect& r) {
        return Rect{ForDpi(r.left, dpi), ForDpi(r.top, dpi), ForDpi(r.right, dpi),
                    ForDpi(r.bottom, dpi)};
    };
    std::optional<Rect> label;
    for (const UnitDeclaration& unit : window.units) {
        layout.units.push_back(scaled(unit.rect));
        if (unit.kind != UnitKind::Label || label) continue;
        Rect& r = layout.units.back();
        if (text) r.bottom = std::max(r.bottom, text->height + 2 * kLabelBorder);
        layout.labelFont = ForDpi(unit.fontHeight, dpi);
        label = r;
    }
    if (!label) return layout;
    for (std::size_t i = 0; text && i < layout.units.size(); ++i) {
        const std::int32_t line = i < text->lineBottoms.size() ? text->lineBottoms[i] : 0;
        if (window.units[i].kind != UnitKind::LinkBox || line <= 0) continue;
        Rect& r = layout.units[i];
        r.top = label->top + kLabelBorder + line + ForDpi(kLinkBelowLine, dpi) - r.bottom;
    }
    layout.width = std::max(layout.width, 2 * label->left + label->right + frame.width);
    layout.height = std::max(layout.height, 2 * label->top + label->bottom + frame.height);
    return layout;
}

// ---- colours ----

// A colour as painted: an RGB value, or one of the system's colours by its
// GetSysColor index where the user's colours must win.
struct Colour {
    bool system = false;
    std::uint32_t value = 0;  // 0x00BBGGRR, or a COLOR_ index
};

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {false, std::uint32_t{r} | std::uint32_t{g} << 8 | std::uint32_t{b} << 16};
}
constexpr Colour SystemColour(std::uint32_t index) { return {true, index}; }

// GetSysColor indices.
constexpr std::uint32_t kColorWindow = 5;
constexpr std::uint32_t kColorWindowText = 8;
constexpr std::uint32_t kColorHighlight = 13;
constexpr std::uint32_t kColorHighlightText = 14;
constexpr std::uint32_t kColorHotLight = 26;

// The help window's colours: its own design, or with high contrast on the
// user's colours (window text on window, links in the hot-light colour, the
// hovered one highlighted) and no gradient.
struct HelpColours {
    bool gradient = true;
    Colour labelBackground;  // where there is no gradient
    Colour labelText;
    Colour linkBackground;
    Colour linkText;
    Colour hoverBackground;
    Colour hoverText;
    Colour visitedText;
};

constexpr HelpColours HelpColoursFor(bool highContrast) {
    if (highContrast) {
        const Colour window = SystemColour(kColorWindow);
        const Colour link = SystemColour(kColorHotLight);
        return {false,
                window,
                SystemColour(kColorWindowText),
                window,
                link,
                SystemColour(kColorHighlight),
                SystemColour(kColorHighlightText),
                link};
    }
    const Colour yellow = Rgb(216, 216, 0);
    return {true,           Rgb(128, 128, 128), Rgb(0, 0, 128),  yellow,
            Rgb(0, 0, 255), yellow,             Rgb(62, 157, 232), Rgb(128, 0, 0)};
}

// ---- full-screen programs ----

// The foreground window as the full-screen test sees it.
struct ForegroundFacts {
    bool present = false;       // there is a foreground window
    bool captioned = false;     // WS_CAPTION
    bool shellDesktop = false;  // the shell's desktop, which covers the screen too
    Rect rect;                  // its window rectangle
};

// What the user is doing, as the program answers SHQueryUserNotificationState:
// the shell's own answer where it has one (Windows Vista and later) and it
// says busy, a Direct3D game or a presentation; otherwise busy when a
// foreground window without a caption covers the whole primary screen and
// is not the desktop, as games and video players in full screen are (the
// only test Windows XP has, and the one Wine shows); otherwise accepting
// notifications.
constexpr std::int32_t NotificationState(std::optional<std::int32_t> shell,
                                         const ForegroundFacts& foreground, const Rect& screen) {
    constexpr std::int32_t kBusy = 2;
    constexpr std::int32_t kD3dFullScreen = 3;
    constexpr std::int32_t kPresentation = 4;
    constexpr std::int32_t kAccepts = 5;
    if (shell && (*shell == kBusy || *shell == kD3dFullScreen || *shell == kPresentation))
        return *shell;
    const Rect& r = foreground.rect;
    const bool covers = r.left <= screen.left && r.top <= screen.top && r.right >= screen.right &&
                        r.bottom >= screen.bottom;
    if (foreground.present && !foreground.captioned && !foreground.shellDesktop && covers)
        return kBusy;
    return kAccepts;
}

}  // namespace tremolux::win32
