#include "platform/win32/Messages.h"

namespace tremolux::win32 {

namespace {

constexpr std::uint32_t LowWord(std::uintptr_t value) { return value & 0xFFFF; }
constexpr std::uint32_t HighWord(std::uintptr_t value) { return (value >> 16) & 0xFFFF; }

}  // namespace

std::optional<RaisedEvent> EventOfMessage(ProgramWindow window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam,
                                          const RegisteredMessages& registered) {
    const auto event = [window](EventKind kind, std::uint32_t id = 0) {
        return RaisedEvent{{.kind = kind, .window = window, .id = id}};
    };
    const auto notification = [window](EventKind kind) {
        return RaisedEvent{{.kind = kind, .window = window}, true};
    };
    switch (message) {
        case win::kWmTimer: return event(EventKind::TimerTick, static_cast<std::uint32_t>(wParam));
        case win::kWmCommand:
            if (lParam == 0) return event(EventKind::MenuCommand, LowWord(wParam));
            if (HighWord(wParam) == win::kBnClicked && LowWord(wParam) == kPictureButtonId)
                return event(EventKind::ButtonClicked);
            return std::nullopt;
        case win::kWmShowWindow:
            if (wParam) return notification(EventKind::Shown);
            return std::nullopt;
        case win::kWmActivate:
            if (LowWord(wParam) == win::kWaInactive) return notification(EventKind::Deactivated);
            return std::nullopt;
        case win::kWmSysCommand:
            if ((wParam & 0xFFF0) == win::kScClose) return event(EventKind::CloseAsked);
            return std::nullopt;
        case win::kWmClose: return event(EventKind::Closed);
        case win::kWmEndSession:
            if (wParam) return event(EventKind::SessionEnded);
            return std::nullopt;
        case kTrayMessage:
            return RaisedEvent{
                {.kind = EventKind::Tray, .window = window, .wParam = wParam, .lParam = lParam}};
        case kTrayMenuClosedMessage: return event(EventKind::TrayMenuClosed);
        default: break;
    }
    if (registered.taskbarCreated != 0 && message == registered.taskbarCreated)
        return event(EventKind::TaskbarCreated);
    if (registered.exitRequest != 0 && message == registered.exitRequest)
        return event(EventKind::ExitRequested);
    return std::nullopt;
}

}  // namespace tremolux::win32
