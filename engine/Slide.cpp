// Slide mode: a swipe of more than 100 pixels along an edge line between two
// samples half a second apart, down the side edges or rightward along the
// top and bottom edges.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

struct SlideRow {
    EdgeLine edge;
    void (*action)(ProgramState&, DesktopPort&);
};

// In test order; the first row whose start test holds owns the call, so the
// corners belong to the side edges.
constexpr SlideRow kSlideRows[] = {
    {kRightEdge, PlaceRightHalf},
    {kLeftEdge, PlaceLeftHalf},
    {kTopEdge, PlaceMaximized},
    {kBottomEdge, PlaceMinimized},
};

constexpr std::uint32_t kMeasureWait = 500;
constexpr double kMinimumTravel = 100;

// Only the two samples count: the path between them, travel before the
// first one and the mouse buttons are ignored.
void Measure(ProgramState& state, DesktopPort& port, const SlideRow& row) {
    const double start = AlongEdge(port, row.edge);
    port.Sleep(kMeasureWait);
    if (!OnEdge(port, row.edge)) return;
    if (Greater(AlongEdge(port, row.edge) - start, kMinimumTravel)) row.action(state, port);
}

}  // namespace

void SlideDetector(ProgramState& state, DesktopPort& port) {
    for (const SlideRow& row : kSlideRows) {
        if (OnEdge(port, row.edge)) {
            Measure(state, port, row);
            return;
        }
    }
}

}  // namespace tremolux
