// Rectangles brought where the user can reach them: pure functions of
// their inputs, shared by the engine and the Win32 binding.
#pragma once

#include <algorithm>
#include <cstdint>

#include "port/Types.h"

namespace tremolux {

// A rectangle's size, in 64 bits so that no difference overflows.
constexpr std::int64_t Width(const Rect& r) { return std::int64_t{r.right} - r.left; }
constexpr std::int64_t Height(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

// A window's rectangle brought inside the work area: moved in where it
// sticks out, and made smaller where the work area is smaller, so that no
// part of it (its caption and close button least of all) is out of reach on
// a small screen. Computed in 64 bits, so no rectangle overflows.
constexpr Rect WithinWorkArea(const Rect& window, const Rect& area) {
    const std::int64_t areaWidth = std::max<std::int64_t>(0, std::int64_t{area.right} - area.left);
    const std::int64_t areaHeight = std::max<std::int64_t>(0, std::int64_t{area.bottom} - area.top);
    const std::int64_t width =
        std::clamp<std::int64_t>(std::int64_t{window.right} - window.left, 0, areaWidth);
    const std::int64_t height =
        std::clamp<std::int64_t>(std::int64_t{window.bottom} - window.top, 0, areaHeight);
    const std::int64_t left =
        std::clamp<std::int64_t>(window.left, area.left, area.left + areaWidth - width);
    const std::int64_t top =
        std::clamp<std::int64_t>(window.top, area.top, area.top + areaHeight - height);
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
            static_cast<std::int32_t>(left + width), static_cast<std::int32_t>(top + height)};
}

}  // namespace tremolux
