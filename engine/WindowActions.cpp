// The four things a gesture can do to the foreground window, each recording
// the window and its rectangle first so that restore can put it back. None
// of them touches a full-screen program in front, the shell's windows or the
// program's own.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"
#include "settings/Settings.h"

namespace tremolux {

namespace {

// A placement within the work area (L, T, R, B): X is L plus (halves of
// R - L) + offset, the width (halves of R - L) + offset; Y is T and the
// height B - T. With the taskbar at the bottom of the screen (L = T = 0,
// R = W) the halves leave the column trunc(W / 2) between them.
struct Placement {
    int xHalves;
    double xOffset;
    int widthHalves;
    double widthOffset;
};

constexpr Placement kLeftHalf{0, 0, 1, 0};
constexpr Placement kRightHalf{1, 1, 1, -1};
constexpr Placement kFullWidth{0, 0, 2, 0};

std::int32_t PlacementTerm(const Rect& area, int halves, double offset) {
    const double width = static_cast<double>(area.right) - area.left;
    return Truncate(width * halves / 2 + offset);
}

enum class RecordKind { Placing, Minimizing };

// The rectangle starts zeroed for every gesture, so a failed GetWindowRect
// records (0, 0, 0, 0). A rectangle given is recorded as it is.
void RecordLastWindow(ProgramState& state, DesktopPort& port, RecordKind kind,
                      const Rect* savedRect) {
    Rect before;
    if (savedRect) {
        before = *savedRect;
    } else {
        port.GetWindowRect(port.GetForegroundWindow(), &before);
    }
    state.PlacedWindow = kNoWindow;
    state.SavedRect = Rect{};
    if (kind == RecordKind::Minimizing) {
        state.MinimizedWindow = port.GetForegroundWindow();
    } else {
        state.PlacedWindow = port.GetForegroundWindow();
    }
    state.SavedRect = before;
}

// Disabling the window cancels a title-bar drag in progress, so the window
// no longer follows the mouse when it is changed. The same window is enabled
// again even if the foreground has moved on meanwhile.
template <typename Change>
void WithForegroundDisabled(DesktopPort& port, Change change) {
    const WindowHandle disabled = port.GetForegroundWindow();
    port.EnableWindow(disabled, false);
    change();
    port.EnableWindow(disabled, true);
}

// A taskbar pressed or dragged, a click on the desktop, a menu of the
// program's own: the window in front is not one to lay out.
bool LeftAlone(DesktopPort& port) {
    return FullScreenProgramInFront(port) || ShellOrOwnWindow(port, port.GetForegroundWindow());
}

void Place(ProgramState& state, DesktopPort& port, const Placement& placement,
           const Rect* savedRect) {
    if (LeftAlone(port)) return;
    RecordLastWindow(state, port, RecordKind::Placing, savedRect);
    RefreshWorkArea(state, port);
    WithForegroundDisabled(port, [&] {
        const Rect& area = state.WorkArea;
        const std::int32_t x =
            Truncate(area.left + static_cast<double>(
                                     PlacementTerm(area, placement.xHalves, placement.xOffset)));
        const std::int32_t width =
            PlacementTerm(area, placement.widthHalves, placement.widthOffset);
        const std::int32_t height = Truncate(static_cast<double>(area.bottom) - area.top);
        port.SetWindowPos(port.GetForegroundWindow(), kTopmostWindow, x, area.top, width, height,
                          win::kSwpNoZOrder);
    });
}

}  // namespace

void RunWindowAction(ProgramState& state, DesktopPort& port, WindowAction action,
                     const Rect* savedRect) {
    switch (action) {
        case WindowAction::LeftHalf: Place(state, port, kLeftHalf, savedRect); return;
        case WindowAction::RightHalf: Place(state, port, kRightHalf, savedRect); return;
        case WindowAction::Maximized:
            if (EffectSwitchedOff(port, Effect::Maximize)) return;
            Place(state, port, kFullWidth, savedRect);
            return;
        case WindowAction::Minimized:
            if (EffectSwitchedOff(port, Effect::Minimize) || LeftAlone(port)) return;
            RecordLastWindow(state, port, RecordKind::Minimizing, savedRect);
            WithForegroundDisabled(port, [&] { port.CloseWindow(port.GetForegroundWindow()); });
            return;
    }
}

void PlaceLeftHalf(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::LeftHalf, nullptr);
}

void PlaceRightHalf(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::RightHalf, nullptr);
}

void PlaceMaximized(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::Maximized, nullptr);
}

void PlaceMinimized(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::Minimized, nullptr);
}

}  // namespace tremolux
