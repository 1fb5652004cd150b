// The program's windows, their units, the tray menu and the event bindings,
// declared as data. A window framework (Win32 or simulated) creates what is
// declared here and raises the bound handlers.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/DesktopPort.h"
#include "engine/ProgramState.h"

namespace tremolux {

using Handler = void (*)(ProgramState&, DesktopPort&);
// The tray event carries the action code of the mouse message.
using TrayHandler = void (*)(ProgramState&, DesktopPort&, std::int32_t code);

enum class Border { None, FixedSingle };

// The tray menu's command ids.
namespace command {
constexpr std::uint32_t kRestore = 101;
constexpr std::uint32_t kDragBumpMode = 102;
constexpr std::uint32_t kSlideMode = 103;
constexpr std::uint32_t kNoMax = 104;
constexpr std::uint32_t kNoMin = 105;
constexpr std::uint32_t kStartWithWindows = 106;
constexpr std::uint32_t kHelp = 107;
constexpr std::uint32_t kCleanUp = 108;
constexpr std::uint32_t kExit = 109;
}  // namespace command

struct TimerDeclaration {
    const char* name;
    std::uint32_t id;
    std::uint32_t interval;  // milliseconds
    Handler tick;
};

// The tray menu's items in order. A submenu's items follow its opener with
// depth 1.
struct MenuItemDeclaration {
    std::uint32_t commandId;  // 0 for separators and submenu openers
    int depth;
    const char* caption;   // null for a separator
    const char* shortcut;  // shown right-aligned after a tab, or null
    bool opensSubmenu;
    bool checked;  // initial check mark
    Handler click;
};

enum class UnitKind { Label, LinkBox, PictureButton };

struct UnitDeclaration {
    const char* name;
    UnitKind kind;
    Rect rect;  // left, top, width, height in the window's client area
    const char* caption;
    const char* target;  // a link box's address
    Handler click;
};

struct WindowDeclaration {
    ProgramWindow id;
    const char* title;
    std::int32_t width;  // outer size; loaded centred on the primary screen
    std::int32_t height;
    Border border;
    bool systemMenu;  // and close button
    bool movable;
    bool escapeCloses;
    bool topmost;
    bool captionAlwaysActive;
    std::span<const TimerDeclaration> timers;
    std::span<const UnitDeclaration> units;
    Handler created;
    Handler shown;
    Handler deactivated;
    TrayHandler tray;
};

const WindowDeclaration& DeclarationOf(ProgramWindow window);
std::span<const MenuItemDeclaration> TrayMenu();
const MenuItemDeclaration* MenuItemById(std::uint32_t commandId);
const MenuItemDeclaration* MenuItemByCaption(std::string_view caption);

// The tray icon's notifications: WM_APP + 0x64 with icon identifier 100.
constexpr std::uint32_t kTrayMessage = 0x8000 + 0x64;
constexpr std::uint32_t kTrayIconId = 100;
constexpr const char* kTrayTip = "Tremolux v2.7.2.26 beta";
constexpr const char* kTrayMenuCaption = "托盘菜单";

// The mouse message on the icon as the tray event's action code, 0 for one
// that raises nothing.
std::int32_t TrayActionCode(std::uint32_t mouseMessage);

}  // namespace tremolux
