// The help window's colours: its own, or the user's with high contrast on.
#pragma once

#include <cstdint>

#include "port/WinConstants.h"

namespace tremolux::win32 {

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

HelpColours HelpColoursFor(bool highContrast);

}  // namespace tremolux::win32
