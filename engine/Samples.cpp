#include "engine/Samples.h"

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
    if (!edge.far) return across == 0;
    const double size = edge.horizontal ? ScreenHeight(port) : ScreenWidth(port);
    return Equal(across, size - 1);
}

double AlongEdge(DesktopPort& port, EdgeLine edge) {
    return edge.horizontal ? CursorX(port) : CursorY(port);
}

void RefreshWorkArea(ProgramState& state, DesktopPort& port) {
    port.SystemParametersInfoA(win::kSpiGetWorkArea, 0, &state.WorkArea, 0);
}

bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey) {
    return port.GetAsyncKeyState(virtualKey) == static_cast<std::int16_t>(-32767);
}

}  // namespace tremolux
