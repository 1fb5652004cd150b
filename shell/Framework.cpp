#include "shell/Framework.h"

#include <utility>

namespace tremolux {

namespace {

// The events a window declares one handler for, with no argument of their
// own.
struct Route {
    EventKind kind;
    Handler WindowDeclaration::*handler;
};

// The events about a window of another program, which they carry.
struct WindowRoute {
    EventKind kind;
    WindowEventHandler WindowDeclaration::*handler;
};

constexpr WindowRoute kWindowRoutes[] = {
    {EventKind::MoveSizeStarted, &WindowDeclaration::moveSizeStarted},
    {EventKind::MoveSizeEnded, &WindowDeclaration::moveSizeEnded},
    {EventKind::LocationChanged, &WindowDeclaration::locationChanged},
};

constexpr Route kRoutes[] = {
    {EventKind::Created, &WindowDeclaration::created},
    {EventKind::CursorMoved, &WindowDeclaration::cursorMoved},
    {EventKind::Shown, &WindowDeclaration::shown},
    {EventKind::Deactivated, &WindowDeclaration::deactivated},
    {EventKind::TaskbarCreated, &WindowDeclaration::taskbarCreated},
    {EventKind::ExitRequested, &WindowDeclaration::exitRequested},
    {EventKind::TrayMenuClosed, &WindowDeclaration::trayMenuClosed},
    {EventKind::Closed, &WindowDeclaration::closed},
    {EventKind::SessionEnded, &WindowDeclaration::closed},
};

// A chosen command runs its item's click; one that brings a window of its
// own forward keeps the foreground it gives that window.
bool RunMenuCommand(ProgramState& state, DesktopPort& port, std::uint32_t commandId) {
    const MenuItemDeclaration* item = MenuItemById(commandId);
    if (!item) return false;
    if (item->bringsWindowForward) {
        state.ForegroundBeforeMenu = kNoWindow;
        state.TrayMenuFromKeyboard = 0;
    }
    item->click(state, port);
    return true;
}

bool ClickUnits(ProgramState& state, DesktopPort& port, const WindowDeclaration& declaration) {
    bool clicked = false;
    for (const UnitDeclaration& unit : declaration.units) {
        if (unit.kind != UnitKind::PictureButton || !unit.click) continue;
        unit.click(state, port);
        clicked = true;
    }
    return clicked;
}

}  // namespace

bool RaiseEvent(ProgramState& state, DesktopPort& port, const ProgramEvent& event) {
    const WindowDeclaration& declaration = DeclarationOf(event.window);
    switch (event.kind) {
        case EventKind::TimerTick:
            if (const TimerDeclaration* timer = TimerOf(event.window, event.id)) {
                timer->tick(state, port);
                return true;
            }
            return false;
        case EventKind::MenuCommand: return RunMenuCommand(state, port, event.id);
        case EventKind::ButtonClicked: return ClickUnits(state, port, declaration);
        case EventKind::Tray: {
            if (!declaration.tray) return false;
            const TrayNotification notification = TrayNotificationOf(
                state.TrayIconVersion, event.wParam, event.lParam, state.TrayButtonReleased);
            if (notification.code == 0) return false;
            declaration.tray(state, port, notification);
            return true;
        }
        case EventKind::CloseAsked: return !declaration.closedByUser;
        default: break;
    }
    for (const WindowRoute& route : kWindowRoutes) {
        if (route.kind != event.kind) continue;
        const WindowEventHandler handler = declaration.*route.handler;
        if (!handler) return false;
        handler(state, port, event.target);
        return true;
    }
    for (const Route& route : kRoutes) {
        if (route.kind != event.kind) continue;
        const Handler handler = declaration.*route.handler;
        if (!handler) return false;
        handler(state, port);
        return true;
    }
    return false;
}

std::optional<ProgramEvent> EventOfWinEvent(std::uint32_t event, WindowHandle window,
                                            std::int32_t object, std::int32_t child) {
    constexpr std::pair<std::uint32_t, EventKind> kKinds[] = {
        {win::kEventSystemMoveSizeStart, EventKind::MoveSizeStarted},
        {win::kEventSystemMoveSizeEnd, EventKind::MoveSizeEnded},
        {win::kEventObjectLocationChange, EventKind::LocationChanged},
    };
    if (event == win::kEventObjectLocationChange && object == win::kObjIdCursor)
        return ProgramEvent{.kind = EventKind::CursorMoved};
    if (window == kNoWindow || object != win::kObjIdWindow || child != win::kChildIdSelf)
        return std::nullopt;
    for (const auto& [id, kind] : kKinds)
        if (id == event) return ProgramEvent{.kind = kind, .target = window};
    return std::nullopt;
}

Rect CentredOnScreen(std::int32_t width, std::int32_t height, std::int32_t screenWidth,
                     std::int32_t screenHeight) {
    const std::int64_t left = (std::int64_t{screenWidth} - width) / 2;
    const std::int64_t top = (std::int64_t{screenHeight} - height) / 2;
    return {Saturate(left), Saturate(top), Saturate(left + width), Saturate(top + height)};
}

}  // namespace tremolux
