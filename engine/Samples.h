// Fresh reads of the desktop, one platform call each, in the engine's
// double-precision number domain.
#pragma once

#include "engine/ProgramState.h"
#include "port/DesktopPort.h"

namespace tremolux {

// The cursor's x or y, each from a GetCursorPos call of its own; kNoSample
// when the call fails.
double CursorX(DesktopPort& port);
double CursorY(DesktopPort& port);

double ScreenWidth(DesktopPort& port);
double ScreenHeight(DesktopPort& port);

// An edge line of the primary screen, one pixel wide: x = 0, x = W - 1,
// y = 0 or y = H - 1.
struct EdgeLine {
    bool horizontal;  // y is tested (top, bottom) rather than x (left, right)
    bool far;         // the W - 1 or H - 1 line rather than the 0 line
};
constexpr EdgeLine kRightEdge{false, true};
constexpr EdgeLine kLeftEdge{false, false};
constexpr EdgeLine kTopEdge{true, false};
constexpr EdgeLine kBottomEdge{true, true};

// The cursor coordinate across the line, then for a far line the screen
// size, each read afresh; the far lines compare under the tolerance rule.
// Where another monitor continues past the line, the pointer does not stop
// there but crosses on its way over: once the position holds, the pixel
// just past the line, at the cursor's coordinate along it, must lie on no
// monitor.
bool OnEdge(DesktopPort& port, EdgeLine edge);

// The cursor coordinate along the line: y for the left and right edges.
double AlongEdge(DesktopPort& port, EdgeLine edge);

// A full-screen program (a game, a video, a presentation) is in front, and
// the program steps aside: no gesture, peek or hotkey acts on it, and the
// strip stays off its screen.
bool FullScreenProgramInFront(DesktopPort& port);

// The shell's taskbar (on any monitor) or desktop, or a window of the
// program's own process: windows that no gesture lays out. No window (null)
// is none of them.
bool ShellOrOwnWindow(DesktopPort& port, WindowHandle window);

// How a window stands, as restore puts it back: its rectangle or, while it
// is maximized, its restored rectangle (maximized true). False when neither
// can be read; rect is then left as it was.
bool ReadStanding(DesktopPort& port, WindowHandle window, Rect* rect, bool* maximized);

// SystemParametersInfoA(SPI_GETWORKAREA) into the shared WorkArea; a failed
// call leaves the previous values.
void RefreshWorkArea(ProgramState& state, DesktopPort& port);

}  // namespace tremolux
