#include "platform/win32/OtherWindows.h"

#include "port/WinConstants.h"

namespace tremolux::win32 {

std::int32_t NotificationState(std::optional<std::int32_t> shell, const ForegroundFacts& foreground,
                               const Rect& screen) {
    if (shell && (*shell == win::kQunsBusy || *shell == win::kQunsRunningD3DFullScreen ||
                  *shell == win::kQunsPresentationMode))
        return *shell;
    const Rect& r = foreground.rect;
    const bool covers = r.left <= screen.left && r.top <= screen.top && r.right >= screen.right &&
                        r.bottom >= screen.bottom;
    if (foreground.present && !foreground.captioned && !foreground.shellDesktop && covers)
        return win::kQunsBusy;
    return win::kQunsAcceptsNotifications;
}

}  // namespace tremolux::win32
