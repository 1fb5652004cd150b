// Plain values shared by the engine and every binding of the desktop port.
#pragma once

#include <cstdint>
#include <limits>

namespace tremolux {

// Same member order as a Win32 RECT, so SystemParametersInfoA and
// GetWindowRect can fill it in place.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A point of the mouse's path, with the tick (GetTickCount's) it was there.
struct MouseMovePoint {
    Point point;
    std::uint32_t time = 0;
};

// A window handle as the 32-bit program sees it; 0 is no window.
using WindowHandle = std::uint32_t;
constexpr WindowHandle kNoWindow = 0;
constexpr WindowHandle kTopmostWindow = 0xFFFFFFFFu;  // HWND_TOPMOST, (HWND)-1

// A kernel object handle (the named event); 0 is none.
using KernelHandle = std::uintptr_t;

// An open registry key; 0 is none.
using RegistryKey = std::uintptr_t;

// A WinEvent hook; 0 is none.
using WinEventHook = std::uintptr_t;

// A display monitor; 0 is none.
using MonitorHandle = std::uintptr_t;

// A late-bound automation object; null is an empty slot.
using AutomationObject = void*;

// GetMonitorInfoW's answer: the monitor's rectangle and its work area.
struct MonitorInfo {
    Rect monitor;
    Rect work;
    std::uint32_t flags = 0;  // MONITORINFOF_PRIMARY
};

// GetWindowPlacement's answer, in screen coordinates: how the window is
// shown (SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED) and its restored
// rectangle, the whole window as the window manager keeps it.
struct WindowPlacement {
    std::int32_t showCmd = 0;
    Rect normalPosition;
};

// GetFileInformationByHandle's answer as far as it names the file: its
// volume's serial number and its index on that volume, the same for every
// path that reaches the file (another drive letter, a junction, short
// names).
struct FileIdentity {
    std::uint32_t volumeSerial = 0;
    std::uint64_t index = 0;

    friend constexpr bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A cursor image, as the system shares it between programs; 0 is none.
using CursorHandle = std::uintptr_t;

// GetGUIThreadInfo's answer: what a thread's windows are doing, in the
// members of a GUITHREADINFO.
struct GuiThreadInfo {
    std::uint32_t flags = 0;  // GUI_INMOVESIZE and the like
    WindowHandle active = kNoWindow;
    WindowHandle focus = kNoWindow;
    WindowHandle capture = kNoWindow;
    WindowHandle menuOwner = kNoWindow;
    WindowHandle moveSize = kNoWindow;  // the window in a move/size loop
    WindowHandle caret = kNoWindow;
    Rect caretRect;
};

// A 64-bit result brought into the 32-bit range by clamping, where a
// position past the range must stay at its end rather than wrap.
constexpr std::int32_t Saturate(std::int64_t value) {
    return value < std::numeric_limits<std::int32_t>::min()
               ? std::numeric_limits<std::int32_t>::min()
           : value > std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(value);
}

// The next size of a buffer that doubles while its contents do not fit: up
// to bound, and reaching it, so that the last try is at the bound itself.
constexpr std::uint32_t NextBufferSize(std::uint32_t size, std::uint32_t bound) {
    return size >= bound / 2 ? bound : size * 2;
}

}  // namespace tremolux
