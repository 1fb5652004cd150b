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
// reported no start, there is no telling.
bool OnlyPressed(const ProgramState& state, DesktopPort& port, WindowHandle window) {
    if (port.IsZoomed(window)) return true;
    if (state.DragWindow != window || state.DragStartMaximized) return false;
    Rect now;
    return port.GetWindowRect(window, &now) && now == state.DragStartRect;
}

// The foreground window when the user is moving it at this moment: its
// thread is in a move/size loop on it, the primary button is down, the loop
// is no resize, and the window has moved. Null otherwise: a press on the
// taskbar, a close button or a scroll bar drags no window, a keyboard move
// holds no button, and a document dragged inside its frame (an MDI child's
// loop) moves no window to lay out.
WindowHandle MovedForeground(const ProgramState& state, DesktopPort& port) {
    const WindowHandle foreground = port.GetForegroundWindow();
    if (foreground == kNoWindow) return kNoWindow;
    GuiThreadInfo thread;
    if (!port.GetGUIThreadInfo(port.GetWindowThreadProcessId(foreground, nullptr), &thread) ||
        !(thread.flags & win::kGuiInMoveSize) || thread.moveSize != foreground)
        return kNoWindow;
    if (!(static_cast<std::uint16_t>(port.GetAsyncKeyState(win::kVkLButton)) & 0x8000u))
        return kNoWindow;
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

// The window name is the empty text, not null: only an untitled window of
// the class matches.
void CornerRequest(ProgramState& state, DesktopPort& port) {
    state.TaskbarWindow = port.FindWindowA(kTaskbarClass, "");
    port.SendMessageA(state.TaskbarWindow, win::kWmHotkey, kCornerHotkeyId, 0);
}

}  // namespace

// A failed read leaves the start unknown: the action then records how the
// window stands then.
void MoveSizeStarted(ProgramState& state, DesktopPort& port, WindowHandle window) {
    state.BumpedWindow = kNoWindow;
    state.DragStartRect = Rect{};
    bool maximized = false;
    state.DragWindow =
        ReadStanding(port, window, &state.DragStartRect, &maximized) ? window : kNoWindow;
    state.DragStartMaximized = maximized;
}

// The drag is asked for only once a row's position parts hold, so a tick
// with the pointer off the edges asks nothing of it. The corner request is
// the primary screen's, where the taskbar's corner is.
void DragBumpDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    bool onEdge = false;
    for (const BumpRow& row : kBumpRows) {
        if (!PositionHolds(port, monitor, row)) continue;
        onEdge = true;
        if (const WindowHandle moved = MovedForeground(state, port)) {
            Bump(state, port, monitor, moved, row.action);
            return;
        }
        state.BumpedWindow = kNoWindow;  // the drag that acted is over
    }
    // Where the platform reports no start, leaving the edges is what tells a
    // drag from the next.
    if (!onEdge && state.BumpedWindow != state.DragWindow) state.BumpedWindow = kNoWindow;
    if (!monitor.primary) return;
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
