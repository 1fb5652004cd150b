// The process-wide variables that every handler shares. One instance lives
// from before the main window is created until the process ends.
#pragma once

#include <cstdint>

#include "port/Types.h"
#include "port/WinConstants.h"

namespace tremolux {

struct ProgramState {
    std::int32_t OperationMode = 0;  // 1 drag-bump (0 acts as 1), anything else slide
    std::int32_t StripLatch = 0;     // the strip click keeps a shown desktop shown
    std::int32_t PeekActive = 0;     // the peek's ToggleDesktop is in effect
    Rect WorkArea;                   // only bottom is read

    // LastWindowRecord: written by the window actions once their change has
    // happened, replayed by restore. A window that was maximized is recorded
    // with its restored rectangle, and restore maximizes it again: SavedRect
    // is then that rectangle (SavedMaximized), and MinimizedWindow comes back
    // maximized (MinimizedFromMaximized).
    WindowHandle PlacedWindow = kNoWindow;
    Rect SavedRect;
    WindowHandle MinimizedWindow = kNoWindow;
    std::int32_t SavedMaximized = 0;
    std::int32_t MinimizedFromMaximized = 0;

    // The user's window drags. The platform reports each move/size loop as
    // it starts (where it reports none, a main tick finds it): its window
    // and how that window stood then, which restore puts back after a
    // drag-bump. A drag acts once: the window whose drag has acted acts no
    // more until its drag is over.
    WindowHandle DragWindow = kNoWindow;
    Rect DragStartRect;
    std::int32_t DragStartMaximized = 0;
    WindowHandle BumpedWindow = kNoWindow;
    // Whether the platform reports move/size loops as they start: one has
    // been reported. Until then each main tick looks for a loop itself (Wine
    // reports none).
    std::int32_t MoveSizeReported = 0;
    // Until then, how the foreground window stood at the last main tick that
    // found it in no loop: a drag the next tick finds on it began there, the
    // press having come after that tick.
    WindowHandle PolledWindow = kNoWindow;
    Rect PolledRect;
    // The drag followed as it goes, between the main ticks, while it lasts:
    // its window, the hook on its process's location changes, and where the
    // pointer and the window were at the drag timer's last tick.
    WindowHandle FollowedWindow = kNoWindow;
    WinEventHook FollowHook = 0;
    Point FollowPointer;
    Rect FollowRect;

    // The swipe followed in slide mode while the pointer lies on an edge
    // line: the line (the slide table's row, -1 for none) and its monitor,
    // where the pointer lay on it in the last half second, oldest first, and
    // whether the swipe has acted; a swipe acts once, until the pointer
    // leaves the line or turns back. The slide timer runs while it is
    // followed.
    static constexpr std::int32_t kSlideSamples = 64;
    struct SlideSample {
        std::uint32_t time = 0;  // GetTickCount
        std::int32_t along = 0;  // from the monitor's top or left
    };
    std::int32_t SlideRow = -1;
    Rect SlideMonitor;
    SlideSample SlideSamples[kSlideSamples];
    std::int32_t SlideSampleCount = 0;
    std::int32_t SlideActed = 0;
    std::int32_t SlideFollowed = 0;
    // In slide mode the pointer's moves are hooked (the cursor's location
    // changes); once the platform has reported one, the slide timer is not
    // needed (Wine reports none).
    WinEventHook CursorHook = 0;
    std::int32_t CursorMoveReported = 0;

    // The window in front before the tray menu took the foreground, to have
    // it back when the menu closes with nothing brought forward; whether the
    // keyboard opened the menu, to have the focus back in the notification
    // area then.
    WindowHandle ForegroundBeforeMenu = kNoWindow;
    std::int32_t TrayMenuFromKeyboard = 0;

    // The tray icon's version (0, or 4 where the shell took it), which says
    // how its notifications read, and whether a button was just released on
    // it: a version-4 shell sends the release first, then the selection or
    // the context menu that follows from it.
    std::int32_t TrayIconVersion = 0;
    std::int32_t TrayButtonReleased = 0;

    // The language the program speaks, as the index of the shell's table of
    // texts: the specification's until start-up chooses by the user's UI
    // language.
    std::int32_t Language = 0;

    // Where this copy keeps its settings: HKEY_LOCAL_MACHINE, or
    // HKEY_CURRENT_USER for one installed for one user (start-up finds out).
    RegistryKey SettingsRoot = win::kHkeyLocalMachine;

    AutomationObject ShellObject = nullptr;  // filled and emptied within one toggle
    WindowHandle TaskbarWindow = kNoWindow;  // set just before the corner request
};

}  // namespace tremolux
