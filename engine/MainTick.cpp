// The main timer's tick: refresh the work area, handle the desktop peek in
// the bottom-right corner, and only when the peek leaves the tick alone run
// the detector of the current mode. Also the show-desktop strip.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

constexpr std::uint32_t kPeekWait = 500;

// A new shell object for every toggle, released at once. When it cannot be
// made the invocation does nothing.
void ToggleDesktop(ProgramState& state, DesktopPort& port) {
    state.ShellObject = port.CreateAutomationObject("Shell.Application");
    port.InvokeAutomationMethod(state.ShellObject, "ToggleDesktop");
    if (state.ShellObject) port.ReleaseAutomationObject(state.ShellObject);
    state.ShellObject = nullptr;
}

// While the desktop was shown the user picked a window from the taskbar or
// clicked one the shell left on the screen: the shell no longer shows the
// desktop, and a toggle would minimize everything again, the chosen window
// too. The peek is over then.
bool UserPickedAWindow(DesktopPort& port) {
    const WindowHandle front = port.GetForegroundWindow();
    return front != kNoWindow && !port.IsIconic(front) && !ShellOrOwnWindow(port, front);
}

}  // namespace

// The monitor under the pointer is read once, after the work area; the peek
// and the detector take it from there.
void MainTick(ProgramState& state, DesktopPort& port) {
    RefreshWorkArea(state, port);
    const double b = state.WorkArea.bottom;
    const Monitor monitor = MonitorUnderPointer(state, port);

    if (InPeekCorner(port, monitor, b) && state.PeekActive == 0 && state.StripLatch == 0) {
        // The corner of a full-screen game is no place to show the desktop.
        if (FullScreenProgramInFront(port)) return;
        port.Sleep(kPeekWait);
        // A click on the strip during the wait is handled after this tick.
        if (InPeekCorner(port, monitor, b) && state.PeekActive == 0 && state.StripLatch == 0) {
            ToggleDesktop(state, port);
            state.PeekActive = 1;
        }
        return;
    }
    if (InPeekCorner(port, monitor, b) && state.StripLatch == 1 && state.PeekActive == 0) return;
    if (OutsidePeekCorner(port, monitor, b) && state.PeekActive == 1 && state.StripLatch == 0) {
        state.PeekActive = 0;
        if (!UserPickedAWindow(port)) ToggleDesktop(state, port);
        return;
    }
    if (OutsidePeekCorner(port, monitor, b) && state.StripLatch == 1 && state.PeekActive == 1)
        return;

    if (DragBumpMode(state)) {
        StopFollowingPointer(state, port);
        DragBumpDetector(state, port, monitor);
    } else {
        SlideDetector(state, port, monitor);
    }
}

// The strip covers the columns W - 10 to W - 1 from the row below the work
// area to one row past the bottom of the screen.
void PlaceStrip(ProgramState& state, DesktopPort& port) {
    RefreshWorkArea(state, port);
    const std::int32_t left = Truncate(ScreenWidth(port) - kStripWidth);
    const std::int32_t top = Truncate(state.WorkArea.bottom + 1.0);
    const std::int32_t height = Truncate(ScreenHeight(port) - state.WorkArea.bottom);
    port.SetStripRect(left, top, static_cast<std::int32_t>(kStripWidth), height);
}

// Kept on top, it would sit over a full-screen video or game: while one is
// in front the strip is hidden, and shown again within one tick of its
// leaving.
void StripTimerTick(ProgramState& state, DesktopPort& port) {
    const bool fullScreen = FullScreenProgramInFront(port);
    port.SetStripVisible(!fullScreen);
    if (fullScreen) return;
    port.SetStripTopmost();
    PlaceStrip(state, port);
}

void StripClick(ProgramState& state, DesktopPort&) {
    state.StripLatch = state.StripLatch == 0 ? 1 : 0;
}

void StripDeactivated(ProgramState&, DesktopPort& port) {
    port.SetFocus(port.ProgramWindowHandle(ProgramWindow::Strip));
}

}  // namespace tremolux
