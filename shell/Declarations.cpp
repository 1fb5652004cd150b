#include "shell/Declarations.h"

#include <iterator>

#include "engine/Engine.h"
#include "settings/Settings.h"
#include "shell/Commands.h"
#include "shell/HelpText.h"

namespace tremolux {

namespace {

constexpr TimerDeclaration kMainTimers[] = {
    {.name = "热键时钟", .id = timer::kHotkey, .interval = 100, .tick = HotkeyTick},
    {.name = "主时钟", .id = timer::kMain, .interval = 200, .tick = MainTick},
    {.name = "托盘图标时钟",
     .id = timer::kTrayIconRetry,
     .interval = 1000,
     .tick = ShowTrayIcon,
     .startsWithWindow = false},
    {.name = "拖动时钟",
     .id = kDragTimer,
     .interval = kDragTimerInterval,
     .tick = DragTimerTick,
     .startsWithWindow = false},
    {.name = "滑动时钟",
     .id = kSlideTimer,
     .interval = kSlideTimerInterval,
     .tick = SlideTimerTick,
     .startsWithWindow = false},
};

constexpr TimerDeclaration kStripTimers[] = {
    {.name = "最小化时钟", .id = timer::kStrip, .interval = 500, .tick = StripTimerTick},
};

constexpr UnitDeclaration kStripUnits[] = {
    {.name = "图形按钮",
     .kind = UnitKind::PictureButton,
     .rect = {0, 0, 80, 104},
     .click = StripClick},
};

// In creation order; the link boxes lie over the label and are drawn above it.
constexpr UnitDeclaration kHelpUnits[] = {
    {.name = "超级链接框2",
     .kind = UnitKind::LinkBox,
     .rect = {68, 583, 98, 20},
     .caption = &Texts::homePageLink,
     .target = kHomePage,
     .onLine = &Texts::homePageLine},
    {.name = "超级链接框1",
     .kind = UnitKind::LinkBox,
     .rect = {68, 559, 98, 20},
     .caption = &Texts::mailLink,
     .target = kMailTo,
     .onLine = &Texts::mailLine},
    {.name = "标签1",
     .kind = UnitKind::Label,
     .rect = {2, 1, 542, 631},
     .caption = &Texts::helpText,
     .fontHeight = -12},
};

constexpr WindowDeclaration kWindows[] = {
    {.id = ProgramWindow::Main,
     .width = 380,
     .height = 250,
     .systemMenu = true,
     .movable = true,
     .timers = kMainTimers,
     .created = StartUp,
     .tray = ShowTrayMenu,
     .taskbarCreated = RestoreTrayIcon,
     .exitRequested = ExitProgram,
     .moveSizeStarted = MoveSizeStarted,
     .moveSizeEnded = MoveSizeEnded,
     .locationChanged = LocationChanged,
     .cursorMoved = CursorMoved,
     .closed = ExitProgram,
     .trayMenuClosed = ReturnForeground},
    {.id = ProgramWindow::Strip,
     .width = 216,
     .height = 227,
     .topmost = true,
     .captionAlwaysActive = true,
     .neverActivates = true,
     .timers = kStripTimers,
     .units = kStripUnits,
     .shown = PlaceStrip,
     .deactivated = StripDeactivated},
    {.id = ProgramWindow::Help,
     .title = &Texts::helpTitle,
     .width = 552,
     .height = 667,
     .border = Border::FixedSingle,
     .systemMenu = true,
     .movable = true,
     .closedByUser = true,
     .scalesWithDpi = true,
     .units = kHelpUnits},
};

constexpr MenuItemDeclaration kSeparator{};

constexpr MenuItemDeclaration kTrayMenu[] = {
    {.commandId = command::kRestore,
     .caption = &Texts::restoreItem,
     .shortcut = "Shift+F1",
     .click = RestoreLastWindow,
     .bringsWindowForward = true},
    kSeparator,
    {.caption = &Texts::modeMenu, .opensSubmenu = true},
    {.commandId = command::kDragBumpMode,
     .depth = 1,
     .caption = &Texts::dragBumpItem,
     .checked = true,
     .click = ChooseDragBumpMode},
    {.commandId = command::kSlideMode,
     .depth = 1,
     .caption = &Texts::slideItem,
     .click = ChooseSlideMode},
    kSeparator,
    {.caption = &Texts::effectsMenu, .opensSubmenu = true},
    {.commandId = command::kNoMax, .depth = 1, .caption = &Texts::noMaxItem, .click = ToggleNoMax},
    {.commandId = command::kNoMin, .depth = 1, .caption = &Texts::noMinItem, .click = ToggleNoMin},
    kSeparator,
    {.commandId = command::kStartWithWindows,
     .caption = &Texts::startWithWindowsItem,
     .click = ToggleStartWithWindows},
    kSeparator,
    {.commandId = command::kHelp,
     .caption = &Texts::helpItem,
     .click = OpenHelpWindow,
     .bringsWindowForward = true},
    kSeparator,
    {.commandId = command::kCleanUp,
     .caption = &Texts::cleanUpItem,
     .click = CleanUpSettings,
     .bringsWindowForward = true},
    {.commandId = command::kExit,
     .caption = &Texts::exitItem,
     .click = ExitProgram,
     .bringsWindowForward = true},
};

// A click is dispatched by the item's command id.
constexpr bool CommandIdsUnique() {
    for (std::size_t i = 0; i < std::size(kTrayMenu); ++i) {
        if (kTrayMenu[i].commandId == 0) continue;
        for (std::size_t j = i + 1; j < std::size(kTrayMenu); ++j)
            if (kTrayMenu[i].commandId == kTrayMenu[j].commandId) return false;
    }
    return true;
}
static_assert(CommandIdsUnique(), "tray menu command ids must be unique");

// A window's timers are told apart by their ids.
constexpr bool TimerIdsUnique(std::span<const TimerDeclaration> timers) {
    for (std::size_t i = 0; i < timers.size(); ++i)
        for (std::size_t j = i + 1; j < timers.size(); ++j)
            if (timers[i].id == timers[j].id) return false;
    return true;
}
static_assert(TimerIdsUnique(kMainTimers) && TimerIdsUnique(kStripTimers),
              "a window's timer ids must be unique");

}  // namespace

const WindowDeclaration& DeclarationOf(ProgramWindow window) {
    for (const WindowDeclaration& declaration : kWindows)
        if (declaration.id == window) return declaration;
    return kWindows[0];
}

const TimerDeclaration* TimerOf(ProgramWindow window, std::uint32_t id) {
    for (const TimerDeclaration& timer : DeclarationOf(window).timers)
        if (timer.id == id) return &timer;
    return nullptr;
}

std::span<const MenuItemDeclaration> TrayMenu() { return kTrayMenu; }

const MenuItemDeclaration* MenuItemById(std::uint32_t commandId) {
    for (const MenuItemDeclaration& item : kTrayMenu)
        if (commandId != 0 && item.commandId == commandId) return &item;
    return nullptr;
}

const MenuItemDeclaration* MenuItemByCaption(std::string_view caption, const Texts& texts) {
    for (const MenuItemDeclaration& item : kTrayMenu)
        if (item.caption && item.commandId != 0 && caption == texts.*item.caption) return &item;
    return nullptr;
}

bool AnyMenuItemCaption(std::string_view caption) {
    for (const Texts* texts : kLanguages)
        if (MenuItemByCaption(caption, *texts)) return true;
    return false;
}

TrayNotification TrayNotificationOf(std::int32_t iconVersion, std::uintptr_t wParam,
                                    std::intptr_t lParam, std::int32_t& buttonReleased) {
    struct TrayAction {
        std::uint32_t message;
        std::int32_t code;
        bool released = false;  // a button's release, before a version-4 selection
    };
    constexpr TrayAction kVersion0[] = {
        {win::kWmLButtonUp, 1},
        {win::kWmLButtonDblClk, 2},
        {win::kWmRButtonUp, 3},
        {win::kWmContextMenu, 3},
    };
    constexpr TrayAction kVersion4[] = {
        {win::kNinSelect, 1},         {win::kWmContextMenu, 3},     {win::kNinKeySelect, 4},
        {win::kWmLButtonUp, 0, true}, {win::kWmRButtonUp, 0, true},
    };
    const bool version4 = iconVersion == win::kNotifyIconVersion4;
    const auto message =
        static_cast<std::uint32_t>(version4 ? static_cast<std::uintptr_t>(lParam) & 0xFFFF
                                            : static_cast<std::uintptr_t>(lParam));
    const std::span<const TrayAction> actions =
        version4 ? std::span<const TrayAction>(kVersion4) : std::span<const TrayAction>(kVersion0);
    TrayNotification notification;
    for (const TrayAction& action : actions) {
        if (action.message != message) continue;
        notification.code = action.code;
        if (version4 && action.code != 0) {
            notification.keyboard = message == win::kNinKeySelect || !buttonReleased;
            notification.anchor = Point{static_cast<std::int16_t>(wParam & 0xFFFF),
                                        static_cast<std::int16_t>((wParam >> 16) & 0xFFFF)};
        }
        buttonReleased = action.released;
        return notification;
    }
    return notification;
}

}  // namespace tremolux
