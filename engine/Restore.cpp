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

// A record that holds a rectangle: an empty one was never read.
bool HasArea(const Rect& r) { return r.right > r.left && r.bottom > r.top; }

// The saved rectangle as it was, unless no monitor shows any of its caption
// strip: a monitor unplugged, a laptop undocked, a smaller resolution or a
// Remote Desktop session from a smaller screen since. Then it is brought
// into the work area of the nearest monitor, its size kept where it fits.
Rect OnAScreen(DesktopPort& port, const Rect& saved) {
    if (!HasArea(saved)) return saved;
    const Rect caption{saved.left, saved.top, saved.right,
                       Saturate(std::min<std::int64_t>(saved.bottom, saved.top + kCaptionRows))};
    if (port.MonitorFromRect(caption, win::kMonitorDefaultToNull) != 0) return saved;
    MonitorInfo nearest;
    if (!port.GetMonitorInfoW(port.MonitorFromRect(saved, win::kMonitorDefaultToNearest), &nearest))
        return saved;
    return WithinWorkArea(saved, nearest.work);
}

// Shift+F1 went to the program in front, not to this one, so the window
// manager refuses this program the foreground and only flashes the taskbar
// button. Attached to the input of the thread in front, this thread shares
// the input state that received the keystroke: SetForegroundWindow's
// condition "the calling process received the last input event" holds, and
// SetFocus reaches that thread's windows. A thread that has stopped
// responding is not joined: its input would hold this program's up. Parted
// again at once.
template <typename Calls>
void WithInputOfForeground(DesktopPort& port, Calls calls) {
    const WindowHandle front = port.GetForegroundWindow();
    const std::uint32_t own = port.GetCurrentThreadId();
    const std::uint32_t thread = front != kNoWindow && !port.IsHungAppWindow(front)
                                     ? port.GetWindowThreadProcessId(front, nullptr)
                                     : 0;
    const bool attached = thread != 0 && thread != own && port.AttachThreadInput(own, thread, true);
    calls();
    if (attached) port.AttachThreadInput(own, thread, false);
}

void MaximizeAt(DesktopPort& port, WindowHandle window, const Rect& restored) {
    port.SetWindowPlacement(window, {win::kSwShowMaximized, restored});
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

// All five calls: a null handle makes a call do nothing. The record is left
// as it is, so a second restore repeats the first. A window that was
// maximized comes back maximized, its restored rectangle as it was; a
// minimized one in the state it had. A window minimized and then placed is
// put back by the placement's record, the later one: the minimize's show
// would undo it.
void RestoreLastWindow(ProgramState& state, DesktopPort& port) {
    const WindowHandle placed = state.PlacedWindow;
    const WindowHandle minimized = state.MinimizedWindow;
    const Rect saved = placed != kNoWindow ? OnAScreen(port, state.SavedRect) : state.SavedRect;
    WithInputOfForeground(port, [&] {
        port.SetForegroundWindow(placed);
        port.BringWindowToTop(placed);
        port.SetFocus(placed);
        if (placed != kNoWindow && state.SavedMaximized) {
            MaximizeAt(port, placed, saved);
        } else {
            port.SetWindowPos(placed, kTopmostWindow, saved.left, saved.top,
                              Truncate(static_cast<double>(saved.right) - saved.left),
                              Truncate(static_cast<double>(saved.bottom) - saved.top),
                              win::kSwpNoZOrder);
        }
        if (minimized != placed || placed == kNoWindow)
            port.ShowWindow(minimized,
                            state.MinimizedFromMaximized ? win::kSwRestore : win::kSwShowNormal);
        if (placed != kNoWindow || minimized == kNoWindow) return;
        // The latest gesture minimized it: where its drag had brought it out
        // of its maximized state first, that state comes back too; otherwise
        // it stands where it stood before, also where its program moved it
        // meanwhile (Wine's move loop, which goes on after the minimize).
        if (state.SavedMaximized) {
            MaximizeAt(port, minimized, state.SavedRect);
        } else if (HasArea(state.SavedRect)) {
            MoveTo(port, minimized, OnAScreen(port, state.SavedRect));
        }
    });
}

}  // namespace tremolux
