// The four things a gesture can do to the foreground window. Each records
// the window and how it stood, so that restore can put it back, once the
// change has happened. None of them touches a full-screen program in front,
// the shell's windows, the program's own, or a window that cannot take the
// change.
#include "engine/Engine.h"
#include "engine/Geometry.h"
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

Rect PlacementIn(const Rect& area, const Placement& placement) {
    const std::int32_t x = Truncate(
        area.left + static_cast<double>(PlacementTerm(area, placement.xHalves, placement.xOffset)));
    const std::int32_t width = PlacementTerm(area, placement.widthHalves, placement.widthOffset);
    const std::int32_t height = Truncate(static_cast<double>(area.bottom) - area.top);
    return {x, area.top, Saturate(std::int64_t{x} + width),
            Saturate(std::int64_t{area.top} + height)};
}

enum class Change { Resize, Minimize };

// Windows' own snapping leaves alone a window the user cannot size (a
// dialog, a game of one size): its layout is made for that size. A window
// without a minimize box is not minimized.
bool TakesChange(DesktopPort& port, WindowHandle window, Change change) {
    const auto style = static_cast<std::uint32_t>(port.GetWindowLongW(window, win::kGwlStyle));
    return (style & (change == Change::Resize ? win::kWsThickFrame : win::kWsMinimizeBox)) != 0;
}

// A program at a higher integrity level than this one (an elevated console,
// Task Manager run as administrator) is out of its reach: the window manager
// refuses its changes to that program's windows (UIPI). A level that cannot
// be read where this program's own can is taken as higher, since a program
// may not open an elevated one of another account. Where this program's own
// level cannot be read (Windows XP) there are no levels.
bool AboveThisProgram(DesktopPort& port, WindowHandle window) {
    std::uint32_t own = 0;
    if (!port.GetTokenIntegrityLevel(port.GetCurrentProcessId(), &own)) return false;
    std::uint32_t process = 0;
    port.GetWindowThreadProcessId(window, &process);
    std::uint32_t theirs = 0;
    return !port.GetTokenIntegrityLevel(process, &theirs) || theirs > own;
}

// A taskbar pressed or dragged, a click on the desktop, a menu of the
// program's own, no window at all: nothing in front to lay out. Nor is a
// window that cannot take the change. Found out before any call that would
// change the window, so that its drag goes on.
bool MayChange(DesktopPort& port, Change change) {
    if (FullScreenProgramInFront(port)) return false;
    const WindowHandle front = port.GetForegroundWindow();
    return front != kNoWindow && !ShellOrOwnWindow(port, front) &&
           TakesChange(port, front, change) && !AboveThisProgram(port, front);
}

enum class RecordKind { Placing, Minimizing };

// The record of a gesture, read before its change and written once the
// change has happened: a change the window manager refused leaves the
// record of the last one that did.
struct PendingRecord {
    RecordKind kind = RecordKind::Placing;
    WindowHandle window = kNoWindow;
    Rect rect;  // zero for a window that could not be read
    bool maximized = false;
};

PendingRecord RecordBefore(const ProgramState& state, DesktopPort& port, RecordKind kind,
                           WindowHandle dragged) {
    PendingRecord record;
    record.kind = kind;
    if (dragged != kNoWindow && state.DragWindow == dragged) {
        record.rect = state.DragStartRect;
        record.maximized = state.DragStartMaximized != 0;
    } else {
        ReadStanding(port, port.GetForegroundWindow(), &record.rect, &record.maximized);
    }
    record.window = port.GetForegroundWindow();
    return record;
}

void RecordLastWindow(ProgramState& state, const PendingRecord& record) {
    state.PlacedWindow = kNoWindow;
    state.SavedRect = record.rect;
    state.SavedMaximized = record.maximized;
    if (record.kind == RecordKind::Minimizing) {
        state.MinimizedWindow = record.window;
        state.MinimizedFromMaximized = record.maximized;
    } else {
        state.PlacedWindow = record.window;
    }
}

// Disabling the window cancels a title-bar drag in progress, so the window
// no longer follows the mouse when it is changed. The window this disabled
// is enabled again whatever became of it meanwhile, even if the foreground
// has moved on; one that was disabled already, or that the disable did not
// reach, is left as it was. True when the change happened.
template <typename Alteration>
bool WithForegroundDisabled(DesktopPort& port, Alteration alteration) {
    const WindowHandle window = port.GetForegroundWindow();
    const bool wasEnabled = port.IsWindowEnabled(window);
    port.EnableWindow(window, false);
    const bool disabled = wasEnabled && !port.IsWindowEnabled(window);
    const bool changed = alteration();
    if (disabled) port.EnableWindow(window, true);
    return changed;
}

// Where the window did not land as asked, it has either rescaled itself on
// reaching a monitor of another DPI (it takes the rectangle WM_DPICHANGED
// suggests), and is placed once more at that DPI, or it is held at its
// minimum size; a window still larger than asked is kept inside the work
// area, so that on the right half its right edge, close button and all, is
// the work area's.
void LandAsAsked(DesktopPort& port, WindowHandle window, const Rect& asked, const Rect& area) {
    Rect landed;
    if (!port.GetWindowRect(window, &landed) || landed == asked) return;
    MoveTo(port, window, asked);
    if (!port.GetWindowRect(window, &landed)) return;
    if (Width(landed) <= Width(asked) && Height(landed) <= Height(asked)) return;
    const Rect kept = WithinWorkArea(landed, area);
    if (kept != landed) MoveTo(port, window, kept);
}

bool Place(ProgramState& state, DesktopPort& port, const Monitor& monitor,
           const Placement& placement, WindowHandle dragged) {
    if (!MayChange(port, Change::Resize)) return false;
    const PendingRecord record = RecordBefore(state, port, RecordKind::Placing, dragged);
    RefreshWorkArea(state, port);
    const Rect asked = PlacementIn(monitor.work, placement);
    const bool placed = WithForegroundDisabled(port, [&] {
        const WindowHandle window = port.GetForegroundWindow();
        if (!MoveTo(port, window, asked)) return false;
        LandAsAsked(port, window, asked, monitor.work);
        return true;
    });
    if (placed) RecordLastWindow(state, record);
    return true;
}

// Its move loop cancelled, a window stays where it was dragged, low on the
// screen or half off it, and that is where the taskbar or a restore would
// bring it back. A window minimized from its drag is put back where the
// drag began first, and minimized from there.
void BackToDragStart(const ProgramState& state, DesktopPort& port, WindowHandle window,
                     WindowHandle dragged) {
    if (dragged == kNoWindow || window != dragged || state.DragWindow != dragged) return;
    Rect now;
    if (port.GetWindowRect(window, &now) && now != state.DragStartRect)
        MoveTo(port, window, state.DragStartRect);
}

bool Minimize(ProgramState& state, DesktopPort& port, WindowHandle dragged) {
    if (!MayChange(port, Change::Minimize)) return false;
    const PendingRecord record = RecordBefore(state, port, RecordKind::Minimizing, dragged);
    if (WithForegroundDisabled(port, [&] {
            const WindowHandle window = port.GetForegroundWindow();
            BackToDragStart(state, port, window, dragged);
            return port.CloseWindow(window);
        }))
        RecordLastWindow(state, record);
    return true;
}

}  // namespace

bool RunWindowAction(ProgramState& state, DesktopPort& port, WindowAction action,
                     WindowHandle dragged, const Monitor& monitor) {
    switch (action) {
        case WindowAction::LeftHalf: return Place(state, port, monitor, kLeftHalf, dragged);
        case WindowAction::RightHalf: return Place(state, port, monitor, kRightHalf, dragged);
        case WindowAction::Maximized:
            return EffectSwitchedOff(port, state.SettingsRoot, Effect::Maximize) ||
                   Place(state, port, monitor, kFullWidth, dragged);
        case WindowAction::Minimized:
            return EffectSwitchedOff(port, state.SettingsRoot, Effect::Minimize) ||
                   Minimize(state, port, dragged);
    }
    return false;
}

void PlaceLeftHalf(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::LeftHalf, kNoWindow,
                    MonitorUnderPointer(state, port));
}

void PlaceRightHalf(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::RightHalf, kNoWindow,
                    MonitorUnderPointer(state, port));
}

void PlaceMaximized(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::Maximized, kNoWindow,
                    MonitorUnderPointer(state, port));
}

void PlaceMinimized(ProgramState& state, DesktopPort& port) {
    RunWindowAction(state, port, WindowAction::Minimized, kNoWindow,
                    MonitorUnderPointer(state, port));
}

}  // namespace tremolux
