// What the binding makes of other programs' windows: one whose thread has
// stopped responding is spared the calls that would wait for it, and a
// full-screen one in front makes the program step aside.
#pragma once

#include <cstdint>
#include <optional>

#include "port/Types.h"

namespace tremolux::win32 {

// A call on another program's window is a synchronous send to that
// program's thread. When the thread has stopped responding the call would
// block the program for good, so it is not made and counts as failed.
// Windows of the program's own thread are always reached.
template <typename IsHung>
bool SpareHungWindow(WindowHandle window, bool ownThread, IsHung isHung) {
    return window != kNoWindow && !ownThread && isHung(window);
}

// The foreground window as the full-screen test sees it.
struct ForegroundFacts {
    bool present = false;       // there is a foreground window
    bool captioned = false;     // WS_CAPTION
    bool shellDesktop = false;  // the shell's desktop, which covers the screen too
    Rect rect;                  // its window rectangle
};

// What the user is doing, as the program answers SHQueryUserNotificationState:
// the shell's own answer where it has one (Windows Vista and later) and it
// says busy, a Direct3D game or a presentation; otherwise busy when a
// foreground window without a caption covers the whole primary screen and
// is not the desktop, as games and video players in full screen are (the
// only test Windows XP has, and the one Wine shows); otherwise accepting
// notifications.
std::int32_t NotificationState(std::optional<std::int32_t> shell, const ForegroundFacts& foreground,
                               const Rect& screen);

}  // namespace tremolux::win32
