// Slide mode: a swipe of more than 100 pixels along an edge line within half
// a second, down the side edges or rightward along the top and bottom edges,
// on any monitor. The pointer is followed at each of its moves where the
// platform reports them; where it does not, the main tick finds it on an
// edge line, or moving, and the slide timer follows it about once a frame
// until it leaves the lines and rests. A swipe acts as it passes its 100th
// pixel, and nothing waits on the UI thread.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

struct SlideRow {
    EdgeLine edge;
    WindowAction action;
};

// In test order; the first row whose line the pointer lies on owns it, so
// the corners belong to the side edges.
constexpr SlideRow kSlideRows[] = {
    {kRightEdge, WindowAction::RightHalf},
    {kLeftEdge, WindowAction::LeftHalf},
    {kTopEdge, WindowAction::Maximized},
    {kBottomEdge, WindowAction::Minimized},
};

constexpr std::uint32_t kSwipeTime = 500;
constexpr double kMinimumTravel = 100;

// The row of the line the pointer lies on; -1 for none.
std::int32_t RowUnderPointer(DesktopPort& port, const Monitor& monitor) {
    for (std::int32_t row = 0; row < static_cast<std::int32_t>(std::size(kSlideRows)); ++row)
        if (OnEdge(port, monitor, kSlideRows[row].edge)) return row;
    return -1;
}

// Where the platform reports the pointer's moves, they are enough.
void SetSlideTimer(ProgramState& state, DesktopPort& port, bool running) {
    running = running && state.CursorMoveReported == 0;
    if ((state.SlideFollowed != 0) == running) return;
    const WindowHandle main = port.ProgramWindowHandle(ProgramWindow::Main);
    if (running) {
        port.SetTimer(main, kSlideTimer, kSlideTimerInterval);
    } else {
        port.KillTimer(main, kSlideTimer);
    }
    state.SlideFollowed = running;
}

void ForgetSwipe(ProgramState& state) {
    state.SlideSampleCount = 0;
    state.SlideActed = 0;
}

// Notes where the pointer lay on the line, oldest first, and forgets what
// is over half a second old; a pointer that turned back starts a new swipe.
// A pointer that left the line and is back on it within that time goes on
// with its samples, as the path between two samples never counted.
void Sample(ProgramState& state, std::int32_t along, std::uint32_t now) {
    auto* samples = state.SlideSamples;
    std::int32_t& count = state.SlideSampleCount;
    if (count > 0 && along < samples[count - 1].along) ForgetSwipe(state);
    std::int32_t stale = 0;
    while (stale < count && now - samples[stale].time > kSwipeTime) ++stale;
    if (count - stale == ProgramState::kSlideSamples) ++stale;
    std::copy(samples + stale, samples + count, samples);
    count -= stale;
    samples[count++] = {now, along};
}

// The mouse's path since the last sample, where it lay on the line: a swipe
// that touched the line between two reads counts from there, so that the
// first read that finds the pointer on the line knows how far it came.
void SamplePath(ProgramState& state, DesktopPort& port, const Monitor& monitor, EdgeLine edge,
                std::uint32_t now) {
    Point pointer;
    MouseMovePoint path[ProgramState::kSlideSamples];
    if (!port.GetCursorPos(&pointer)) return;
    const std::int32_t found = port.GetMouseMovePointsEx(pointer, path, std::size(path));
    // the points after the newest sample, or within the swipe's time, and
    // not after now, on a clock that wraps
    const std::uint32_t after = state.SlideSampleCount > 0
                                    ? state.SlideSamples[state.SlideSampleCount - 1].time
                                    : now - kSwipeTime - 1;
    for (std::int32_t i = found - 1; i >= 0; --i) {
        const MouseMovePoint& passed = path[i];
        if (passed.time - after - 1 < now - after && LiesOnEdge(monitor, edge, passed.point))
            Sample(state, Along(monitor, edge, passed.point), passed.time);
    }
}

// Where the platform reports no move of the pointer, the timer follows it
// also off the lines while it moves, so that a swipe is seen from its touch
// of the line; a pointer at rest for half a second leaves the program idle.
bool PointerMoving(DesktopPort& port) {
    Point pointer;
    MouseMovePoint newest;
    return port.GetCursorPos(&pointer) && port.GetMouseMovePointsEx(pointer, &newest, 1) == 1 &&
           port.GetTickCount() - newest.time <= kSwipeTime;
}

void FollowSlide(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    const std::int32_t row = RowUnderPointer(port, monitor);
    if (row < 0) {
        state.SlideActed = 0;  // the swipe that acted is over
        SetSlideTimer(state, port, state.CursorMoveReported == 0 && PointerMoving(port));
        return;
    }
    if (row != state.SlideRow || monitor.screen != state.SlideMonitor) {
        ForgetSwipe(state);
        state.SlideRow = row;
        state.SlideMonitor = monitor.screen;
    }
    const EdgeLine edge = kSlideRows[row].edge;
    const std::uint32_t now = port.GetTickCount();
    SamplePath(state, port, monitor, edge, now);
    const double along = AlongEdge(port, monitor, edge);
    if (std::isnan(along)) return;
    Sample(state, Truncate(along), now);
    SetSlideTimer(state, port, true);
    if (state.SlideActed || !Greater(along - state.SlideSamples[0].along, kMinimumTravel)) return;
    // the next swipe counts from here, once this one is over
    state.SlideActed = 1;
    state.SlideSamples[0] = state.SlideSamples[state.SlideSampleCount - 1];
    state.SlideSampleCount = 1;
    RunWindowAction(state, port, kSlideRows[row].action, kNoWindow, monitor);
}

}  // namespace

// The pointer's moves are hooked for as long as slide mode lasts.
void SlideDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor) {
    if (state.CursorHook == 0)
        state.CursorHook =
            port.SetWinEventHook(win::kEventObjectLocationChange, win::kEventObjectLocationChange,
                                 0, 0, win::kWinEventOutOfContext);
    FollowSlide(state, port, monitor);
}

void StopFollowingPointer(ProgramState& state, DesktopPort& port) {
    if (state.CursorHook != 0) port.UnhookWinEvent(state.CursorHook);
    state.CursorHook = 0;
    SetSlideTimer(state, port, false);
}

void SlideDetector(ProgramState& state, DesktopPort& port) {
    SlideDetector(state, port, MonitorUnderPointer(state, port));
}

// Between the main ticks, under their gates: the peek's corner is the
// tick's, and a pointer there is followed again once the tick hands it on.
void CursorMoved(ProgramState& state, DesktopPort& port) {
    state.CursorMoveReported = 1;
    if (DragBumpMode(state)) return;
    const Monitor monitor = MonitorUnderPointer(state, port);
    if (!PeekHoldsPointer(state, port, monitor, state.WorkArea.bottom))
        FollowSlide(state, port, monitor);
}

void SlideTimerTick(ProgramState& state, DesktopPort& port) {
    const Monitor monitor = MonitorUnderPointer(state, port);
    if (DragBumpMode(state) || PeekHoldsPointer(state, port, monitor, state.WorkArea.bottom)) {
        SetSlideTimer(state, port, false);
        return;
    }
    FollowSlide(state, port, monitor);
}

}  // namespace tremolux
