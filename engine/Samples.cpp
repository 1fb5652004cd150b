#include "engine/Samples.h"

#include <cstring>

#include "engine/Engine.h"
#include "engine/Geometry.h"
#include "engine/Numbers.h"

namespace tremolux {

double CursorX(DesktopPort& port) {
    Point point;
    return port.GetCursorPos(&point) ? point.x : kNoSample;
}

double CursorY(DesktopPort& port) {
    Point point;
    return port.GetCursorPos(&point) ? point.y : kNoSample;
}

double ScreenWidth(DesktopPort& port) { return port.GetSystemMetrics(win::kSmCxScreen); }

double ScreenHeight(DesktopPort& port) { return port.GetSystemMetrics(win::kSmCyScreen); }

Monitor MonitorUnderPointer(ProgramState& state, DesktopPort& port) {
    Point pointer;
    MonitorInfo info;
    if (port.GetCursorPos(&pointer) &&
        port.GetMonitorInfoW(port.MonitorFromPoint(pointer, win::kMonitorDefaultToNearest), &info))
        return {info.monitor, info.work, (info.flags & win::kMonitorInfoPrimary) != 0};
    RefreshWorkArea(state, port);
    return {
        {0, 0, port.GetSystemMetrics(win::kSmCxScreen), port.GetSystemMetrics(win::kSmCyScreen)},
        state.WorkArea,
        true};
}

namespace {

// The line's coordinate, and the span of the monitor along it.
double LineOf(const Monitor& m, EdgeLine edge) {
    const Rect& r = m.screen;
    if (edge.horizontal) return edge.far ? r.bottom - 1.0 : r.top;
    return edge.far ? r.right - 1.0 : r.left;
}

double StartAlong(const Monitor& m, EdgeLine edge) {
    return edge.horizontal ? m.screen.left : m.screen.top;
}

double EndAlong(const Monitor& m, EdgeLine edge) {
    return edge.horizontal ? m.screen.right : m.screen.bottom;
}

// A coordinate along the line, counted from the monitor's top or left, that
// lies within the monitor's span; a failed read (NaN) lies within none.
bool WithinSpan(const Monitor& m, EdgeLine edge, double along) {
    return along >= 0 && Less(along, EndAlong(m, edge) - StartAlong(m, edge));
}

}  // namespace

bool OnEdge(DesktopPort& port, const Monitor& monitor, EdgeLine edge) {
    const double line = LineOf(monitor, edge);
    if (!Equal(edge.horizontal ? CursorY(port) : CursorX(port), line)) return false;
    const double along = AlongEdge(port, monitor, edge);
    // a failed read lies on no edge, and a pointer beyond the monitor's span
    // has gone over to another one
    if (!WithinSpan(monitor, edge, along)) return false;
    const std::int32_t past = Truncate(edge.far ? line + 1 : line - 1);
    const std::int32_t at = Truncate(StartAlong(monitor, edge) + along);
    const Point beyond = edge.horizontal ? Point{at, past} : Point{past, at};
    return port.MonitorFromPoint(beyond, win::kMonitorDefaultToNull) == 0;
}

bool LiesOnEdge(const Monitor& monitor, EdgeLine edge, Point point) {
    const double across = edge.horizontal ? point.y : point.x;
    const double along = Along(monitor, edge, point);
    return Equal(across, LineOf(monitor, edge)) && WithinSpan(monitor, edge, along);
}

std::int32_t Along(const Monitor& monitor, EdgeLine edge, Point point) {
    return Saturate(edge.horizontal ? std::int64_t{point.x} - monitor.screen.left
                                    : std::int64_t{point.y} - monitor.screen.top);
}

bool InPeekCorner(DesktopPort& port, const Monitor& monitor, double b) {
    if (!monitor.primary) return false;
    const double x = CursorX(port);
    if (!Greater(x, monitor.screen.right - kStripWidth) || !Less(x, monitor.screen.right))
        return false;
    const double y = CursorY(port);
    return Greater(y, b) && Less(y, monitor.screen.bottom);
}

bool OutsidePeekCorner(DesktopPort& port, const Monitor& monitor, double b) {
    if (!monitor.primary) return true;
    const double x = CursorX(port);
    return Less(x, monitor.screen.right - kStripWidth) && Less(CursorY(port), b);
}

bool PeekHoldsPointer(const ProgramState& state, DesktopPort& port, const Monitor& monitor,
                      double b) {
    if (state.PeekActive == 0) return InPeekCorner(port, monitor, b);
    return state.PeekActive == 1 && OutsidePeekCorner(port, monitor, b);
}

bool FullScreenProgramInFront(DesktopPort& port) {
    std::int32_t state = 0;
    if (port.SHQueryUserNotificationState(&state) != win::kSOk) return false;
    return state == win::kQunsBusy || state == win::kQunsRunningD3DFullScreen ||
           state == win::kQunsPresentationMode;
}

bool ShellOrOwnWindow(DesktopPort& port, WindowHandle window) {
    if (window == kNoWindow) return false;
    if (window == port.GetShellWindow() || window == port.GetDesktopWindow()) return true;
    // Longer than any of these, so that a longer name cut short matches none.
    constexpr const char* kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Progman",
                                             "WorkerW"};
    char name[32] = {};
    port.GetClassNameA(window, name, sizeof name);
    name[sizeof name - 1] = '\0';
    for (const char* shell : kShellClasses)
        if (std::strcmp(name, shell) == 0) return true;
    std::uint32_t process = 0;
    port.GetWindowThreadProcessId(window, &process);
    return process != 0 && process == port.GetCurrentProcessId();
}

double AlongEdge(DesktopPort& port, const Monitor& monitor, EdgeLine edge) {
    return edge.horizontal ? CursorX(port) - monitor.screen.left
                           : CursorY(port) - monitor.screen.top;
}

// A maximized window whose placement cannot be read is recorded where it
// stands, as a normal window over the work area.
bool ReadStanding(DesktopPort& port, WindowHandle window, Rect* rect, bool* maximized) {
    WindowPlacement placement;
    *maximized = port.IsZoomed(window) && port.GetWindowPlacement(window, &placement);
    if (*maximized) *rect = placement.normalPosition;
    return *maximized || port.GetWindowRect(window, rect);
}

bool MoveTo(DesktopPort& port, WindowHandle window, const Rect& r) {
    return port.SetWindowPos(window, kTopmostWindow, r.left, r.top, Saturate(Width(r)),
                             Saturate(Height(r)), win::kSwpNoZOrder);
}

void RefreshWorkArea(ProgramState& state, DesktopPort& port) {
    port.SystemParametersInfoA(win::kSpiGetWorkArea, 0, &state.WorkArea, 0);
}

bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey) {
    return port.GetAsyncKeyState(virtualKey) == static_cast<std::int16_t>(-32767);
}

}  // namespace tremolux
