// The program's windows, their units, the tray menu and the event bindings,
// declared as data. A window framework (Win32 or simulated) creates what is
// declared here and raises the bound handlers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "Version.h"
#include "engine/ProgramState.h"
#include "port/DesktopPort.h"
#include "shell/Texts.h"

namespace tremolux {

using Handler = void (*)(ProgramState&, DesktopPort&);
// What a notification of the tray icon says: its action code (0 raises
// nothing), whether the keyboard made it, and the point at which the shell
// anchors a menu (a version-4 icon's).
struct TrayNotification {
    std::int32_t code = 0;
    bool keyboard = false;
    std::optional<Point> anchor;
};
using TrayHandler = void (*)(ProgramState&, DesktopPort&, const TrayNotification& notification);
// An event about a window of another program carries that window.
using WindowEventHandler = void (*)(ProgramState&, DesktopPort&, WindowHandle window);

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

// The main window's timers beside the two of the gesture engine: the tray
// icon's retry, started only while the shell refuses the icon, and the
// engine's drag timer, only while a drag is followed.
namespace timer {
constexpr std::uint32_t kHotkey = 1;
constexpr std::uint32_t kMain = 2;
constexpr std::uint32_t kTrayIconRetry = 3;
constexpr std::uint32_t kStrip = 1;
}  // namespace timer

struct TimerDeclaration {
    const char* name = nullptr;
    std::uint32_t id = 0;
    std::uint32_t interval = 0;  // milliseconds
    Handler tick = nullptr;
    bool startsWithWindow = true;  // otherwise started and stopped by its handlers
};

// The tray menu's items in order. A submenu's items follow its opener with
// depth 1. A row with no caption is a separator.
struct MenuItemDeclaration {
    std::uint32_t commandId = 0;  // 0 for separators and submenu openers
    int depth = 0;
    Text caption = nullptr;
    const char* shortcut = nullptr;  // shown right-aligned after a tab
    bool opensSubmenu = false;
    bool checked = false;  // initial check mark
    Handler click = nullptr;
    // Its command brings a window of its own forward (or ends the program),
    // so the foreground is not given back when the menu closes.
    bool bringsWindowForward = false;
};

enum class UnitKind { Label, LinkBox, PictureButton };

struct UnitDeclaration {
    const char* name = nullptr;
    UnitKind kind = UnitKind::Label;
    Rect rect = {};          // left, top, width, height in the window's client area, at 96 DPI
    Text caption = nullptr;  // a link box's; a label's text
    const char* target = nullptr;  // a link box's address
    Handler click = nullptr;
    std::int32_t fontHeight = 0;  // a label's font, as a LOGFONT height at 96 DPI
    // A link box lies over the label, on the line of the label's text that
    // starts with this text.
    Text onLine = nullptr;
};

struct WindowDeclaration {
    ProgramWindow id = ProgramWindow::Main;
    Text title = nullptr;    // none: untitled
    std::int32_t width = 0;  // outer size; loaded centred on the primary screen
    std::int32_t height = 0;
    Border border = Border::None;
    bool systemMenu = false;  // and close button
    bool movable = false;
    // Esc, Alt+F4 and the close button close it. The never-shown main window
    // holds the foreground after the tray menu, so those keys reach it when
    // the user means the desktop.
    bool closedByUser = false;
    bool topmost = false;
    bool captionAlwaysActive = false;
    // Never takes the activation, not even when clicked, so that it never
    // becomes the foreground window a gesture lays out.
    bool neverActivates = false;
    // Sized and laid out for the DPI of its monitor, its units and fonts with
    // it, and again when it moves to a monitor of another DPI.
    bool scalesWithDpi = false;
    std::span<const TimerDeclaration> timers = {};
    std::span<const UnitDeclaration> units = {};
    Handler created = nullptr;
    Handler shown = nullptr;
    Handler deactivated = nullptr;
    TrayHandler tray = nullptr;
    // The shell's taskbar was created anew (a restart of the shell), with no
    // tray icons on it.
    Handler taskbarCreated = nullptr;
    // Another program, the uninstaller, asks the running program to end,
    // with the registered message kExitRequestMessage.
    Handler exitRequested = nullptr;
    // A window of another program has entered its move/size loop (the user
    // drags it), or left it; reported for as long as this window exists. A
    // window of a process whose moves the program hooks has moved.
    WindowEventHandler moveSizeStarted = nullptr;
    WindowEventHandler moveSizeEnded = nullptr;
    WindowEventHandler locationChanged = nullptr;
    // The pointer has moved, while the program hooks the cursor's moves.
    Handler cursorMoved = nullptr;
    // The window is ended otherwise than by the user's keys: closed by
    // another program or by the program itself, or the session ends.
    Handler closed = nullptr;
    // The tray menu has closed and the command chosen from it, if any, has
    // run.
    Handler trayMenuClosed = nullptr;
};

const WindowDeclaration& DeclarationOf(ProgramWindow window);
const TimerDeclaration* TimerOf(ProgramWindow window, std::uint32_t id);
std::span<const MenuItemDeclaration> TrayMenu();
const MenuItemDeclaration* MenuItemById(std::uint32_t commandId);
// The item of that caption as the language shows it; and whether any
// language shows an item so.
const MenuItemDeclaration* MenuItemByCaption(std::string_view caption, const Texts& texts);
bool AnyMenuItemCaption(std::string_view caption);

// The tray icon's notifications: WM_APP + 0x64 with icon identifier 100.
constexpr std::uint32_t kTrayMessage = 0x8000 + 0x64;
// Posted to the main window when the tray menu has closed, after the chosen
// command's own message.
constexpr std::uint32_t kTrayMenuClosedMessage = 0x8000 + 0x65;
constexpr std::uint32_t kTrayIconId = 100;
constexpr const char* kTrayTip = "Tremolux v" TREMOLUX_VERSION_TEXT " beta";
constexpr const char* kTrayMenuCaption = "托盘菜单";
// The registered window message with which the uninstaller asks a running
// instance to end as its exit command ends it.
constexpr const char* kExitRequestMessage = "TremoluxExitRequest";

// The tray icon's notification message as its icon's version has it.
// Version 0 (Windows XP): lParam is the mouse message, wParam the icon id;
// WM_LBUTTONUP 1, WM_LBUTTONDBLCLK 2, WM_RBUTTONUP or WM_CONTEXTMENU 3.
// Version 4: lParam's low word is the message, its high word the icon id,
// and wParam's words the anchor's x and y; NIN_SELECT (a left click, or
// Enter on the icon) 1, WM_CONTEXTMENU (a right click, Shift+F10, the Apps
// key) 3, NIN_KEYSELECT (Enter or Space on the icon after Win+B) 4. The
// button releases that come before the first two raise nothing, so that a
// click opens one menu; a NIN_SELECT or WM_CONTEXTMENU with no release
// before it came from the keyboard. buttonReleased carries that from one
// notification to the next.
TrayNotification TrayNotificationOf(std::int32_t iconVersion, std::uintptr_t wParam,
                                    std::intptr_t lParam, std::int32_t& buttonReleased);

}  // namespace tremolux
