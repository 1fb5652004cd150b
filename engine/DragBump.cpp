// Drag-bump mode: the user drags the foreground window until the pointer
// lies exactly on an edge line. The drag is told by the system's move/size
// loop and the primary button held down, never by the button's "pressed
// since the last query" bit, which every program of the session shares and
// any of them can take.
#include <initializer_list>

#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

constexpr const char* kTaskbarClass = "Shell_TrayWnd";
constexpr std::uintptr_t kCornerHotkeyId = 501;

// In test order; the first row whose parts hold owns the call. The left
// edge counts from the monitor's row 3 and the top edge from its column 3.
struct BumpRow {
    EdgeLine edge;
    bool cornerGuard;
    WindowAction action;
};
constexpr BumpRow kBumpRows[] = {
    {kRightEdge, false, WindowAction::RightHalf},
    {kLeftEdge, true, WindowAction::LeftHalf},
    {kTopEdge, true, WindowAction::Maximized},
    {kBottomEdge, false, WindowAction::Minimized},
};

bool PositionHolds(DesktopPort& port, const Monitor& monitor, const BumpRow& row) {
    return OnEdge(port, monitor, row.edge) &&
           (!row.cornerGuard || AlongEdge(port, monitor, row.edge) > 2);
}

// A border dragged shows one of the system's sizing cursors for as long as
// the loop lasts; a title-bar drag shows none of them.
bool Resizing(DesktopPort& port) {
    CursorHandle shown = 0;
    if (!port.GetCursorInfo(&shown) || shown == 0) return false;
    for (std::uint32_t sizing :
         {win::kIdcSizeWe, win::kIdcSizeNs, win::kIdcSizeNwse, win::kIdcSizeNesw})
        if (shown == port.LoadCursorW(sizing)) return true;
    return false;
}

// Windows enters the move loop when the title bar is pressed, before the
// pointer moves. A window that still stands where its loop began is only
// pressed, its caption on an edge line: a maximized window's along the top
// (one that is dragged leaves its maximized state at the first move), a
// half's top row, a window against the left edge. Where the platform
// reports no start, there is no telling: the tick that finds the loop may
// find the window already at rest where the user threw it.
bool OnlyPressed(const ProgramState& state, DesktopPort& port, WindowHandle window) {
    if (port.IsZoomed(window)) return true;
    if (!state.MoveSizeReported || state.DragWindow != window || state.DragStartMaximized)
        return false;
    Rect now;
    return port.GetWindowRect(window, &now) && now == state.DragStartRect;
}

// The window's thread is in a move/size loop on it.
bool InMoveLoop(DesktopPort& port, WindowHandle window) {
    GuiThreadInfo thread;
    return window != kNoWindow &&
           port.GetGUIThreadInfo(port.GetWindowThreadProcessId(window, nullptr), &thread) &&
           (thread.flags & win::kGuiInMoveSize) && thread.moveSize == window;
}

bool PrimaryButtonDown(DesktopPort& port) {
    return static_cast<std::uint16_t>(port.GetAsyncKeyState(win::kVkLButton)) & 0x8000u;
}

// The foreground window when the user is moving it at this moment: its
// thread is in a move/size loop on it, the primary button is down, the loop
// is no resize, and the window has moved. Null otherwise: a press on the
// taskbar, a close button or a scroll bar drags no window, a keyboard move
// holds no button, and a document dragged inside its frame (an MDI child's
// loop) moves no window to lay out.
WindowHandle MovedForeground(const ProgramState& state, DesktopPort& port) {
    const WindowHandle foreground = port.GetForegroundWindow();
    if (!InMoveLoop(port, foreground) || !PrimaryButtonDown(port)) return kNoWindow;
    return Resizing(port) || OnlyPressed(state, port, foreground) ? kNoWindow : foreground;
}

// Each drag acts once, whatever its action achieved: a drag that goes on
// (the window ignored the cancel, or a switch stopped the action) acts no
// more. A window the action left alone (one of a fixed size at a half, say)
// goes on being dragged, and may still meet an edge that acts on it.
void Bump(ProgramState& state, DesktopPort& port, const Monitor& monitor, WindowHandle window,
          WindowAction action) {
    if (window == state.BumpedWindow) return;
    if (RunWindowAction(state, port, action, window, monitor)) state.BumpedWindow = window;
}

// Rows 1 to 4: true when one of them owned the call. The drag is asked for
// only once a row's position parts hold, so a pointer off the edges asks
// nothing of it.
bool BumpRows(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    bool onEdge = false;
    for (const BumpRow& row : kBumpRows) {
        if (!PositionHolds(port, monitor, row)) continue;
        onEdge = true;
        if (const WindowHandle moved = MovedForeground(state, port)) {
            Bump(state, port, monitor, moved, row.action);
            return true;
        }
        state.BumpedWindow = kNoWindow;  // the drag that acted is over
    }
    // Where the platform reports no start, leaving the edges is what tells a
    // drag from the next.
    if (!onEdge && state.BumpedWindow != state.DragWindow) state.BumpedWindow = kNoWindow;
    return false;
}

// The window name is the empty text, not null: only an untitled window of
// the class matches.
void CornerRequest(ProgramState& state, DesktopPort& port) {
    state.TaskbarWindow = port.FindWindowA(kTaskbarClass, "");
    port.SendMessageA(state.TaskbarWindow, win::kWmHotkey, kCornerHotkeyId, 0);
}

void StopFollowing(ProgramState& state, DesktopPort& port) {
    if (state.FollowHook != 0) port.UnhookWinEvent(state.FollowHook);
    if (state.FollowedWindow != kNoWindow)
        port.KillTimer(port.ProgramWindowHandle(ProgramWindow::Main), kDragTimer);
    state.FollowHook = 0;
    state.FollowedWindow = kNoWindow;
}

// In drag-bump mode a drag is followed as it goes, not only at the main
// ticks: by its window's moves, which the platform reports for that
// window's process alone while the hook lasts, and by the drag timer, about
// once a frame, for a platform that reports none (Wine).
void Follow(ProgramState& state, DesktopPort& port, WindowHandle window) {
    StopFollowing(state, port);
    std::uint32_t process = 0;
    // a window gone has no process, and a hook on process 0 takes them all
    if (!DragBumpMode(state) || port.GetWindowThreadProcessId(window, &process) == 0 ||
        process == 0)
        return;
    state.FollowedWindow = window;
    state.FollowHook =
        port.SetWinEventHook(win::kEventObjectLocationChange, win::kEventObjectLocationChange,
                             process, 0, win::kWinEventOutOfContext | win::kWinEventSkipOwnProcess);
    port.SetTimer(port.ProgramWindowHandle(ProgramWindow::Main), kDragTimer, kDragTimerInterval);
}

// A failed read leaves the start unknown: the action then records how the
// window stands then. A drag the tick found began where the last tick saw
// its window, unless that window stands maximized (no platform that leaves
// the start unreported starts a loop for a maximized window).
void BeginDrag(ProgramState& state, DesktopPort& port, WindowHandle window) {
    state.BumpedWindow = kNoWindow;
    state.DragStartRect = Rect{};
    bool maximized = false;
    state.DragWindow =
        ReadStanding(port, window, &state.DragStartRect, &maximized) ? window : kNoWindow;
    if (state.PolledWindow == window && !maximized) {
        state.DragWindow = window;
        state.DragStartRect = state.PolledRect;
    }
    state.PolledWindow = kNoWindow;
    state.DragStartMaximized = maximized;
    Follow(state, port, window);
}

// Whether the dragged window's own loop has caught up with the pointer: since
// the timer's last tick the pointer rested, or the window moved as far as
// it did. A timer tick samples the pointer, which may be ahead of that
// loop, and a loop that goes on after the cancel (Wine's) would move the
// window on past the action.
bool CaughtUp(ProgramState& state, DesktopPort& port) {
    Point pointer;
    Rect rect;
    const bool read =
        port.GetCursorPos(&pointer) && port.GetWindowRect(state.FollowedWindow, &rect);
    const Point& was = state.FollowPointer;
    const Rect& stood = state.FollowRect;
    const bool rested = pointer.x == was.x && pointer.y == was.y;
    const bool followed = std::int64_t{rect.left} - stood.left == std::int64_t{pointer.x} - was.x &&
                          std::int64_t{rect.top} - stood.top == std::int64_t{pointer.y} - was.y;
    state.FollowPointer = pointer;
    state.FollowRect = rect;
    return read && (rested || followed);
}

// The rows as the main tick would run them, under the peek's gates. A move
// the platform reports has reached the window, and acts at once; a timer
// tick acts once the window has caught up with the pointer. The drag is
// over when its loop has ended, the button is up or the window is gone.
void FollowDrag(ProgramState& state, DesktopPort& port, bool timer) {
    if (state.FollowedWindow == kNoWindow) return;
    if (!DragBumpMode(state) || !InMoveLoop(port, state.FollowedWindow) ||
        !PrimaryButtonDown(port)) {
        StopFollowing(state, port);
        return;
    }
    if (timer && !CaughtUp(state, port)) return;
    const Monitor monitor = MonitorUnderPointer(state, port);
    if (PeekHoldsPointer(state, port, monitor, state.WorkArea.bottom)) return;
    BumpRows(state, port, monitor);
}

}  // namespace

bool DragBumpMode(const ProgramState& state) {
    return state.OperationMode == 1 || state.OperationMode == 0;
}

void MoveSizeStarted(ProgramState& state, DesktopPort& port, WindowHandle window) {
    state.MoveSizeReported = 1;
    BeginDrag(state, port, window);
}

void MoveSizeEnded(ProgramState& state, DesktopPort& port, WindowHandle window) {
    if (window == state.FollowedWindow) StopFollowing(state, port);
}

void LocationChanged(ProgramState& state, DesktopPort& port, WindowHandle window) {
    if (window == state.FollowedWindow) FollowDrag(state, port, false);
}

void DragTimerTick(ProgramState& state, DesktopPort& port) { FollowDrag(state, port, true); }

// Where the platform reports no loop's start, the tick looks for one in
// front, and follows the drag it finds from here; finding none, it keeps
// how the window in front stands. The corner request is the primary
// screen's, where the taskbar's corner is.
void DragBumpDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    if (state.MoveSizeReported == 0 && state.FollowedWindow == kNoWindow) {
        const WindowHandle front = port.GetForegroundWindow();
        if (InMoveLoop(port, front)) {
            BeginDrag(state, port, front);
        } else {
            state.PolledWindow = port.GetWindowRect(front, &state.PolledRect) ? front : kNoWindow;
        }
    }
    if (BumpRows(state, port, monitor) || !monitor.primary) return;
    const Rect& screen = monitor.screen;
    const double x = CursorX(port);
    if (!Greater(x, screen.right - 3.0) || !Less(x, screen.right)) return;
    const double y = CursorY(port);
    if (Greater(y, screen.bottom - 10.0) && Less(y, screen.bottom) &&
        !FullScreenProgramInFront(port))
        CornerRequest(state, port);
}

void DragBumpDetector(ProgramState& state, DesktopPort& port) {
    DragBumpDetector(state, port, MonitorUnderPointer(state, port));
}

}  // namespace tremolux
