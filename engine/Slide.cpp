// Slide mode: a swipe of more than 100 pixels along an edge line between two
// samples half a second apart, down the side edges or rightward along the
// top and bottom edges, on any monitor: the start sample's monitor owns the
// measurement, and the end sample lies on the same line of the same one.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

struct SlideRow {
    EdgeLine edge;
    WindowAction action;
};

// In test order; the first row whose start test holds owns the call, so the
// corners belong to the side edges.
constexpr SlideRow kSlideRows[] = {
    {kRightEdge, WindowAction::RightHalf},
    {kLeftEdge, WindowAction::LeftHalf},
    {kTopEdge, WindowAction::Maximized},
    {kBottomEdge, WindowAction::Minimized},
};

constexpr std::uint32_t kMeasureWait = 500;
constexpr double kMinimumTravel = 100;

// Only the two samples count: the path between them, travel before the
// first one and the mouse buttons are ignored.
void Measure(ProgramState& state, DesktopPort& port, const Monitor& monitor, const SlideRow& row) {
    const double start = AlongEdge(port, monitor, row.edge);
    port.Sleep(kMeasureWait);
    if (!OnEdge(port, monitor, row.edge)) return;
    if (Greater(AlongEdge(port, monitor, row.edge) - start, kMinimumTravel))
        RunWindowAction(state, port, row.action, kNoWindow, monitor);
}

}  // namespace

void SlideDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    for (const SlideRow& row : kSlideRows) {
        if (OnEdge(port, monitor, row.edge)) {
            Measure(state, port, monitor, row);
            return;
        }
    }
}

void SlideDetector(ProgramState& state, DesktopPort& port) {
    SlideDetector(state, port, MonitorUnderPointer(state, port));
}

}  // namespace tremolux
