// Decisions of the Win32 binding that do not need Windows to be made: which
// key the engine's query reads, which calls a hung window is spared, how a
// text is checked before it is converted, where a window is placed. Kept
// free of Windows headers so that they are tested natively.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "engine/Types.h"

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

}  // namespace tremolux::win32
