// The simulated desktop's screens: the primary screen and its work area,
// the other monitors, and what the shell says the user is doing.

#include <algorithm>

#include "platform/sim/SimDesktop.h"

namespace tremolux::sim {

void SimDesktop::SetScreen(std::int32_t width, std::int32_t height) {
    screenWidth_ = width;
    screenHeight_ = height;
}

void SimDesktop::RemoveMonitor(const Rect& area) {
    std::erase_if(monitors_, [&](const MonitorInfo& m) { return m.monitor == area; });
}

bool SimDesktop::SystemParametersInfoA(std::uint32_t action, std::uint32_t, Rect* value,
                                       std::uint32_t) {
    const bool ok =
        action == win::kSpiGetWorkArea && value && !Failing(Operation::SystemParametersInfoA);
    if (ok) *value = workArea_;
    trace_.Read([&] {
        return std::string(
            "SystemParametersInfoA " + Hex(action) +
            (ok ? " -> " + std::to_string(workArea_.left) + " " + std::to_string(workArea_.top) +
                      " " + std::to_string(workArea_.right) + " " + std::to_string(workArea_.bottom)
                : std::string(" failed")));
    });
    return ok;
}

std::int32_t SimDesktop::GetSystemMetrics(std::int32_t index) {
    std::int32_t value = 0;
    if (!Failing(Operation::GetSystemMetrics)) {
        if (index == win::kSmCxScreen) value = screenWidth_;
        if (index == win::kSmCyScreen) value = screenHeight_;
    }
    trace_.Read([&] {
        return std::string("GetSystemMetrics " + std::to_string(index) + " -> " +
                           std::to_string(value));
    });
    return value;
}

MonitorInfo SimDesktop::MonitorNumbered(MonitorHandle monitor) const {
    if (monitor == 1) return {{0, 0, screenWidth_, screenHeight_}, workArea_, 1};
    return monitors_[monitor - 2];
}

// The monitor that holds the point, as the one that holds the most of its
// pixel.
MonitorHandle SimDesktop::MonitorFromPoint(Point point, std::uint32_t flags) {
    const MonitorHandle monitor =
        Failing(Operation::MonitorFromPoint) ? 0 : MonitorOf(Sized(point.x, point.y, 1, 1), flags);
    trace_.Read([&] {
        return "MonitorFromPoint " + std::to_string(point.x) + " " + std::to_string(point.y) +
               " -> " + std::to_string(monitor);
    });
    return monitor;
}

// The monitor with the largest part of the rectangle; failing that, the
// nearest one where asked for.
MonitorHandle SimDesktop::MonitorOf(const Rect& rect, std::uint32_t flags) const {
    const auto span = [](std::int64_t low, std::int64_t high, std::int64_t from, std::int64_t to) {
        return std::max<std::int64_t>(0, std::min(high, to) - std::max(low, from));
    };
    const auto gap = [](std::int64_t low, std::int64_t high, std::int64_t from, std::int64_t to) {
        return std::max<std::int64_t>({0, from - high, low - to});
    };
    MonitorHandle best = 0;
    std::int64_t most = 0;
    std::int64_t nearest = -1;
    MonitorHandle near = 0;
    for (MonitorHandle i = 0; i < MonitorCount(); ++i) {
        const Rect m = MonitorNumbered(i + 1).monitor;
        const std::int64_t area = span(rect.left, rect.right, m.left, m.right) *
                                  span(rect.top, rect.bottom, m.top, m.bottom);
        if (area > most) {
            most = area;
            best = i + 1;
        }
        const std::int64_t dx = gap(rect.left, rect.right, m.left, m.right);
        const std::int64_t dy = gap(rect.top, rect.bottom, m.top, m.bottom);
        if (nearest < 0 || dx * dx + dy * dy < nearest) {
            nearest = dx * dx + dy * dy;
            near = i + 1;
        }
    }
    return best != 0                                ? best
           : flags == win::kMonitorDefaultToNearest ? near
           : flags == win::kMonitorDefaultToPrimary ? 1
                                                    : 0;
}

MonitorHandle SimDesktop::MonitorFromRect(const Rect& rect, std::uint32_t flags) {
    const MonitorHandle monitor = MonitorOf(rect, flags);
    trace_.Read([&] {
        return "MonitorFromRect " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
               " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom) + " " +
               std::to_string(flags) + " -> " + std::to_string(monitor);
    });
    return monitor;
}

bool SimDesktop::GetMonitorInfoW(MonitorHandle monitor, MonitorInfo* info) {
    const bool ok = info && monitor >= 1 && monitor <= MonitorCount();
    if (ok) *info = MonitorNumbered(monitor);
    trace_.Read([&] {
        if (!ok) return "GetMonitorInfoW " + std::to_string(monitor) + " failed";
        const Rect& w = info->work;
        return "GetMonitorInfoW " + std::to_string(monitor) + " -> work " + std::to_string(w.left) +
               " " + std::to_string(w.top) + " " + std::to_string(w.right) + " " +
               std::to_string(w.bottom);
    });
    return ok;
}

std::int32_t SimDesktop::SHQueryUserNotificationState(std::int32_t* state) {
    constexpr std::int32_t kEFail = static_cast<std::int32_t>(0x80004005u);
    const bool ok = state && !Failing(Operation::SHQueryUserNotificationState);
    const std::int32_t answer = fullScreen_ ? win::kQunsBusy : win::kQunsAcceptsNotifications;
    if (ok) *state = answer;
    trace_.Read([&] {
        return ok ? "SHQueryUserNotificationState -> " + std::to_string(answer)
                  : std::string("SHQueryUserNotificationState failed");
    });
    return ok ? win::kSOk : kEFail;
}

}  // namespace tremolux::sim
