// Restore-last-window: replays the record of the latest gesture, from the
// tray menu or from the polled Shift+F1.
#include <algorithm>

#include "engine/Engine.h"
#include "engine/Geometry.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

// The rows of a window's top that hold its caption, as far as the user
// needs to see of a window to take hold of it.
constexpr std::int64_t kCaptionRows = 20;

// The saved rectangle as it was, unless no monitor shows any of its caption
// strip: a monitor unplugged, a laptop undocked, a smaller resolution or a
// Remote Desktop session from a smaller screen since. Then it is brought
// into the work area of the nearest monitor, its size kept where it fits.
Rect OnAScreen(DesktopPort& port, const Rect& saved) {
    if (saved.right <= saved.left || saved.bottom <= saved.top) return saved;
    const Rect caption{saved.left, saved.top, saved.right,
                       Saturate(std::min<std::int64_t>(saved.bottom, saved.top + kCaptionRows))};
    if (port.MonitorFromRect(caption, win::kMonitorDefaultToNull) != 0) return saved;
    MonitorInfo nearest;
    if (!port.GetMonitorInfoW(port.MonitorFromRect(saved, win::kMonitorDefaultToNearest), &nearest))
        return saved;
    return WithinWorkArea(saved, nearest.work);
}

}  // namespace

// Shift is queried only when F1 passed; both queries take their press bits,
// so holding the keys restores once, and F1 before Shift does nothing. Keys
// pressed in a full-screen game are the game's.
void HotkeyTick(ProgramState& state, DesktopPort& port) {
    if (!KeyJustPressed(port, win::kVkF1)) return;
    if (!KeyJustPressed(port, win::kVkShift) || FullScreenProgramInFront(port)) return;
    RestoreLastWindow(state, port);
}

// All five calls, always: a null handle makes a call do nothing. The record
// is left as it is, so a second restore repeats the first.
void RestoreLastWindow(ProgramState& state, DesktopPort& port) {
    const WindowHandle placed = state.PlacedWindow;
    const Rect saved = placed != kNoWindow ? OnAScreen(port, state.SavedRect) : state.SavedRect;
    port.SetForegroundWindow(placed);
    port.BringWindowToTop(placed);
    port.SetFocus(placed);
    port.SetWindowPos(placed, kTopmostWindow, saved.left, saved.top,
                      Truncate(static_cast<double>(saved.right) - saved.left),
                      Truncate(static_cast<double>(saved.bottom) - saved.top), win::kSwpNoZOrder);
    port.ShowWindow(state.MinimizedWindow, win::kSwShowNormal);
}

}  // namespace tremolux
