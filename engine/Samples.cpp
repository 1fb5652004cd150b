#include "engine/Samples.h"

#include <cmath>
#include <cstring>

#include "engine/Engine.h"
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

bool OnEdge(DesktopPort& port, EdgeLine edge) {
    const double across = edge.horizontal ? CursorY(port) : CursorX(port);
    double past = -1;
    if (edge.far) {
        const double size = edge.horizontal ? ScreenHeight(port) : ScreenWidth(port);
        if (!Equal(across, size - 1)) return false;
        past = size;
    } else if (across != 0) {
        return false;
    }
    const double along = AlongEdge(port, edge);
    if (std::isnan(along)) return false;  // a failed read lies on no edge
    const std::int32_t x = edge.horizontal ? Truncate(along) : Truncate(past);
    const std::int32_t y = edge.horizontal ? Truncate(past) : Truncate(along);
    return port.MonitorFromPoint({x, y}, win::kMonitorDefaultToNull) == 0;
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

double AlongEdge(DesktopPort& port, EdgeLine edge) {
    return edge.horizontal ? CursorX(port) : CursorY(port);
}

// A maximized window whose placement cannot be read is recorded where it
// stands, as a normal window over the work area.
bool ReadStanding(DesktopPort& port, WindowHandle window, Rect* rect, bool* maximized) {
    WindowPlacement placement;
    *maximized = port.IsZoomed(window) && port.GetWindowPlacement(window, &placement);
    if (*maximized) *rect = placement.normalPosition;
    return *maximized || port.GetWindowRect(window, rect);
}

void RefreshWorkArea(ProgramState& state, DesktopPort& port) {
    port.SystemParametersInfoA(win::kSpiGetWorkArea, 0, &state.WorkArea, 0);
}

bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey) {
    return port.GetAsyncKeyState(virtualKey) == static_cast<std::int16_t>(-32767);
}

}  // namespace tremolux
