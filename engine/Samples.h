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

// The monitor a gesture belongs to: its rectangle and its work area, read
// once at the start of a tick (or of an action called on its own) and
// handed down, so that nothing decides about a screen by itself. The
// primary screen is one case of it.
struct Monitor {
    Rect screen;
    Rect work;
    bool primary = true;
};

// The monitor under the pointer (the nearest, where the pointer lies on
// none). Where it cannot be read, the primary screen: its size and the
// work area as SPI_GETWORKAREA reports it, refreshed into the shared
// WorkArea.
Monitor MonitorUnderPointer(ProgramState& state, DesktopPort& port);

// An edge line of a monitor, one pixel wide: its left column, its right
// column (right - 1), its top row or its bottom row (bottom - 1).
struct EdgeLine {
    bool horizontal;  // y is tested (top, bottom) rather than x (left, right)
    bool far;         // the right or bottom line rather than the left or top
};
constexpr EdgeLine kRightEdge{false, true};
constexpr EdgeLine kLeftEdge{false, false};
constexpr EdgeLine kTopEdge{true, false};
constexpr EdgeLine kBottomEdge{true, true};

// The cursor coordinate across the line, then along it, each read afresh:
// the pointer lies on the monitor's line, within the monitor. Where another
// monitor continues past the line, the pointer does not stop there but
// crosses on its way over: the pixel just past the line, at the cursor's
// coordinate along it, must lie on no monitor.
bool OnEdge(DesktopPort& port, const Monitor& monitor, EdgeLine edge);

// The cursor coordinate along the line (y for the left and right edges),
// counted from the monitor's top or left.
double AlongEdge(DesktopPort& port, const Monitor& monitor, EdgeLine edge);

// The same of a point the pointer passed: whether it lay on the line within
// the monitor's span, and where along it.
bool LiesOnEdge(const Monitor& monitor, EdgeLine edge, Point point);
std::int32_t Along(const Monitor& monitor, EdgeLine edge, Point point);

// The desktop peek's corner: the primary screen's last columns but the
// strip's leftmost, below the work area's bottom b, where the taskbar's end
// and the strip are. A pointer on another monitor is never in it. Each
// coordinate is sampled afresh: x, and y only when the x part holds.
constexpr double kStripWidth = 10;
bool InPeekCorner(DesktopPort& port, const Monitor& monitor, double b);

// Above the work area's bottom b and left of the strip: where a running
// peek ends. A pointer on another monitor than the primary screen has left
// the corner. Sampled afresh: x, and y only when the x part holds.
bool OutsidePeekCorner(DesktopPort& port, const Monitor& monitor, double b);

// The desktop peek has the pointer, and the main tick runs no detector: in
// the corner with no peek running (the tick starts one, or the latch holds
// the corner still), or outside while a peek runs (the tick ends it, or the
// latch keeps the desktop shown). A drag followed between the ticks acts
// under the same gates.
bool PeekHoldsPointer(const ProgramState& state, DesktopPort& port, const Monitor& monitor,
                      double b);

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

// The window moved and sized to r, its place in the z-order kept; false
// when the window manager refused.
bool MoveTo(DesktopPort& port, WindowHandle window, const Rect& r);

// SystemParametersInfoA(SPI_GETWORKAREA) into the shared WorkArea; a failed
// call leaves the previous values.
void RefreshWorkArea(ProgramState& state, DesktopPort& port);

}  // namespace tremolux
