// Which key the engine's key queries read: the primary button, wherever
// the user has it, and Shift as either key reports it.
#pragma once

#include <cstdint>

#include "port/WinConstants.h"

namespace tremolux::win32 {

// GetAsyncKeyState reads the physical buttons. With the buttons swapped, as
// for the left-handed, the primary button the engine asks for is the right
// one.
constexpr std::int32_t PhysicalKey(std::int32_t virtualKey, bool buttonsSwapped) {
    if (!buttonsSwapped) return virtualKey;
    if (virtualKey == win::kVkLButton) return win::kVkRButton;
    if (virtualKey == win::kVkRButton) return win::kVkLButton;
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

}  // namespace tremolux::win32
