// What both window frameworks share: the events of the program's windows
// routed to the handlers the declarations name, where a window is loaded,
// and which windows a modal one disables. Each binding only turns its own
// messages into these events.
#pragma once

#include <cstdint>
#include <iterator>
#include <optional>

#include "engine/ProgramState.h"
#include "port/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux {

enum class EventKind {
    Created,          // the window and its units exist
    Shown,            // it was made visible
    Deactivated,      // it lost the activation to another window
    TimerTick,        // id: the timer
    MenuCommand,      // id: the tray menu's command
    ButtonClicked,    // its picture button
    Tray,             // wParam, lParam: the tray icon's notification
    TaskbarCreated,   // a new taskbar, with no tray icons on it
    ExitRequested,    // the uninstaller asks the program to end
    TrayMenuClosed,   // the tray menu closed, its command run
    MoveSizeStarted,  // target: a window of another program the user drags
    MoveSizeEnded,    // target: its move/size loop has ended
    LocationChanged,  // target: a window of a process whose moves are hooked
    CursorMoved,      // the pointer moved, while the cursor's moves are hooked
    CloseAsked,       // the user's Esc, Alt+F4 or close button
    Closed,           // closed by another program or by the program itself
    SessionEnded,     // the user logs off, or Windows shuts down
};

struct ProgramEvent {
    EventKind kind = EventKind::Created;
    ProgramWindow window = ProgramWindow::Main;
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    WindowHandle target = kNoWindow;
};

// Runs the handler the declarations name for the event. False when the
// program leaves the event to the platform: no handler is declared, or the
// user may close the window (so the platform's default closes it).
bool RaiseEvent(ProgramState& state, DesktopPort& port, const ProgramEvent& event);

// A WinEvent the program hooks, as its event: a window's move/size loop
// starting or ending, a window (not one of its parts) changing place, the
// pointer moving.
std::optional<ProgramEvent> EventOfWinEvent(std::uint32_t event, WindowHandle window,
                                            std::int32_t object, std::int32_t child);

// The window's rectangle when it is loaded: its size, centred on the
// primary screen.
Rect CentredOnScreen(std::int32_t width, std::int32_t height, std::int32_t screenWidth,
                     std::int32_t screenHeight);

// While a modal window is open the program's other windows are disabled;
// each gets back the enabled state it had when the modal window closes.
// enabledOf(window) answers std::optional<bool>, nothing for a window not
// loaded; setEnabled(window, bool) sets it.
template <typename EnabledOf, typename SetEnabled, typename RunModal>
void WithOtherWindowsDisabled(ProgramWindow modal, EnabledOf enabledOf, SetEnabled setEnabled,
                              RunModal runModal) {
    std::optional<bool> was[std::size(kProgramWindows)];
    for (std::size_t i = 0; i < std::size(kProgramWindows); ++i) {
        if (kProgramWindows[i] == modal) continue;
        was[i] = enabledOf(kProgramWindows[i]);
        if (was[i]) setEnabled(kProgramWindows[i], false);
    }
    runModal();
    for (std::size_t i = 0; i < std::size(kProgramWindows); ++i)
        if (was[i] && enabledOf(kProgramWindows[i])) setEnabled(kProgramWindows[i], *was[i]);
}

}  // namespace tremolux
