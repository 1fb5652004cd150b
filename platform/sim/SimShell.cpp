// The simulated shell: its taskbar and desktop windows, the automation
// object that toggles the desktop, the tray icon and its menu, and the
// links it opens.

#include <cstring>

#include "platform/sim/SimDesktop.h"
#include "shell/Declarations.h"

namespace tremolux::sim {

namespace {

int AutomationToken;  // the address stands for a live "Shell.Application" object

}  // namespace

void SimDesktop::RemoveTaskbar() {
    if (Window* w = Live(taskbar_)) w->alive = false;
}

// The one desktop window answers both.
WindowHandle SimDesktop::GetShellWindow() {
    trace_.Read([&] { return "GetShellWindow -> " + NameOf(shellDesktop_); });
    return shellDesktop_;
}

WindowHandle SimDesktop::GetDesktopWindow() {
    trace_.Read([&] { return "GetDesktopWindow -> " + NameOf(shellDesktop_); });
    return shellDesktop_;
}

WindowHandle SimDesktop::FindWindowA(const char* className, const char* windowName) {
    // Only an untitled window matches an empty name; a null name would match
    // any title, and the taskbar is looked up with the empty text.
    const bool match = className && std::strcmp(className, "Shell_TrayWnd") == 0 && windowName &&
                       windowName[0] == '\0' && !Failing(Operation::FindWindowA);
    const WindowHandle window = match && Live(taskbar_) ? taskbar_ : kNoWindow;
    trace_.Read([&] {
        return std::string("FindWindowA " + Quoted(className ? className : "") + " " +
                           (windowName ? Quoted(windowName) : std::string("null")) + " -> " +
                           NameOf(window));
    });
    return window;
}

std::intptr_t SimDesktop::SendMessageA(WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
    trace_.Call("SendMessageA " + NameOf(window) + " " + Hex(message) + " " +
                std::to_string(wParam) + " " + std::to_string(lParam));
    return 0;
}

// Of what the program posts to itself, its tray menu's closing is an event
// of the main window; WM_NULL does nothing.
bool SimDesktop::PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
    trace_.Call("PostMessageA " + NameOf(window) + " " + Hex(message) + " " +
                std::to_string(wParam) + " " + std::to_string(lParam));
    if (!Live(window)) return false;
    if (thread_ && message == kTrayMenuClosedMessage)
        thread_->Post(window, {.kind = EventKind::TrayMenuClosed});
    return true;
}

AutomationObject SimDesktop::CreateAutomationObject(const char* progId) {
    if (Failing(Operation::ShellApplication) || !progId ||
        std::strcmp(progId, "Shell.Application") != 0)
        return nullptr;
    ++liveObjects_;
    ++createdObjects_;
    return &AutomationToken;
}

bool SimDesktop::InvokeAutomationMethod(AutomationObject object, const char* method) {
    const bool ok =
        object == &AutomationToken && method && std::strcmp(method, "ToggleDesktop") == 0;
    trace_.Call(ok ? "ToggleDesktop" : "ToggleDesktop failed");
    if (ok) ToggleDesktop();
    return ok;
}

void SimDesktop::ReleaseAutomationObject(AutomationObject object) {
    if (object == &AutomationToken) --liveObjects_;
}

// Shows the desktop by minimizing every window that is not minimized, the
// desktop in front; the next toggle restores the windows it minimized,
// unless a window was activated meanwhile.
void SimDesktop::ToggleDesktop() {
    if (!desktopShown_) {
        hiddenByToggle_.clear();
        foregroundBeforeToggle_ = foreground_;
        for (std::size_t i = 0; i < windows_.size(); ++i) {
            Window& w = windows_[i];
            if (w.declared && w.alive && !w.minimized) {
                w.minimized = true;
                hiddenByToggle_.push_back(static_cast<WindowHandle>(i + 1));
            }
        }
        foreground_ = shellDesktop_;
    } else {
        for (WindowHandle window : hiddenByToggle_)
            if (Window* w = Live(window)) w->minimized = false;
        if (Window* w = Live(foregroundBeforeToggle_); w && !w->minimized)
            foreground_ = foregroundBeforeToggle_;
        hiddenByToggle_.clear();
    }
    desktopShown_ = !desktopShown_;
}

// Removing an icon that is not there fails, as on Windows.
// A new icon is of version 0 until it asks for another the shell has.
bool SimDesktop::Shell_NotifyIconA(std::uint32_t message, const char* tip) {
    bool ok = !Failing(Operation::Shell_NotifyIconA) && (message == win::kNimAdd || trayIcon_);
    std::string call;
    switch (message) {
        case win::kNimAdd:
            call = "add " + Quoted(tip ? tip : "");
            if (ok && !trayIcon_) trayIconVersion_ = 0;
            if (ok) trayIcon_ = true;
            break;
        case win::kNimDelete:
            call = "remove";
            if (ok) trayIcon_ = false;
            break;
        case win::kNimSetVersion:
            call = "version 4";
            ok = ok && shellTrayVersion_ == win::kNotifyIconVersion4;
            if (ok) trayIconVersion_ = win::kNotifyIconVersion4;
            break;
        case win::kNimSetFocus: call = "focus"; break;
        default: ok = false; call = Hex(message);
    }
    trace_.Call("TrayIcon " + call + (ok ? "" : " failed"));
    return ok;
}

void SimDesktop::RestartShell() {
    trayIcon_ = false;
    if (Window* old = Live(taskbar_)) old->alive = false;
    taskbar_ = AddWindow("taskbar", false);
    const WindowHandle main = ProgramHandle(ProgramWindow::Main);
    if (thread_ && main != kNoWindow) thread_->Post(main, {.kind = EventKind::TaskbarCreated});
}

// Each notification is a message of its own. A version-0 icon hears the
// mouse's releases alone, with its id in wParam; a version-4 icon the
// release and then the selection or context menu that follows from it, or
// the keyboard's, its id in lParam's high word and the anchor in wParam.
void SimDesktop::TrayEvent(TrayInput input, std::optional<Point> anchor) {
    if (!trayIcon_ || !thread_) return;
    struct Sent {
        TrayInput input;
        std::uint32_t version0;  // 0: none
        std::uint32_t release;   // version 4's, before the next; 0: none
        std::uint32_t version4;
    };
    constexpr Sent kSent[] = {
        {TrayInput::LeftClick, win::kWmLButtonUp, win::kWmLButtonUp, win::kNinSelect},
        {TrayInput::DoubleClick, win::kWmLButtonDblClk, 0, win::kWmLButtonDblClk},
        {TrayInput::RightClick, win::kWmRButtonUp, win::kWmRButtonUp, win::kWmContextMenu},
        {TrayInput::KeySelect, 0, 0, win::kNinKeySelect},
        {TrayInput::KeyMenu, 0, 0, win::kWmContextMenu},
    };
    const Point at = anchor.value_or(Point{screenWidth_ - 11, screenHeight_ - 11});
    const auto wParam =
        static_cast<std::uintptr_t>((static_cast<std::uint32_t>(at.x) & 0xFFFF) |
                                    (static_cast<std::uint32_t>(at.y) & 0xFFFF) << 16);
    const WindowHandle main = ProgramHandle(ProgramWindow::Main);
    const auto send = [&](std::uintptr_t w, std::uint32_t l) {
        thread_->Post(main, {.kind = EventKind::Tray, .wParam = w, .lParam = l});
    };
    for (const Sent& sent : kSent) {
        if (sent.input != input) continue;
        if (trayIconVersion_ != win::kNotifyIconVersion4) {
            if (sent.version0 != 0) send(kTrayIconId, sent.version0);
            return;
        }
        if (sent.release != 0) send(wParam, sent.release | kTrayIconId << 16);
        send(wParam, sent.version4 | kTrayIconId << 16);
    }
}

bool SimDesktop::CheckMenuItem(std::uint32_t commandId, bool checked) {
    const MenuItemDeclaration* item = MenuItemById(commandId);
    trace_.Call("CheckMenu " + Quoted(item ? ShownTexts().*item->caption : "?") +
                (checked ? " 1" : " 0"));
    for (auto& [id, mark] : menuChecks_)
        if (id == commandId) mark = checked;
    return item != nullptr;
}

bool SimDesktop::IsMenuItemChecked(std::uint32_t commandId) {
    bool checked = false;
    for (const auto& [id, mark] : menuChecks_)
        if (id == commandId) checked = mark;
    trace_.Read([&] {
        const MenuItemDeclaration* item = MenuItemById(commandId);
        return "IsMenuItemChecked " + Quoted(item ? ShownTexts().*item->caption : "?") +
               (checked ? " -> 1" : " -> 0");
    });
    return checked;
}

// The popup's own loop runs, timers ticking, until the scenario picks an
// item or dismisses the menu. The chosen item's click comes afterwards, as a
// posted command.
bool SimDesktop::TrackPopupMenu(std::uint32_t flags, std::int32_t x, std::int32_t y) {
    const WindowHandle main = ProgramHandle(ProgramWindow::Main);
    if (!thread_ || main == kNoWindow || menuOpen_) return false;
    trace_.Call("TrackPopupMenu " + Hex(flags) + " " + std::to_string(x) + " " + std::to_string(y));
    menuOpen_ = true;
    menuClosed_ = false;
    menuChoice_.reset();
    thread_->RunModal([&] { return menuClosed_; });
    menuOpen_ = false;
    const MenuItemDeclaration* chosen =
        menuChoice_ ? MenuItemByCaption(*menuChoice_, ShownTexts()) : nullptr;
    trace_.Call(std::string("TrackPopupMenu -> ") +
                (chosen ? Quoted(ShownTexts().*chosen->caption) : "none"));
    if (chosen) thread_->Post(main, {.kind = EventKind::MenuCommand, .id = chosen->commandId});
    return true;
}

void SimDesktop::ChooseMenuItem(const std::optional<std::string>& caption) {
    if (!menuOpen_) throw ScenarioError{"no tray menu is open"};
    if (caption && !MenuItemByCaption(*caption, ShownTexts()))
        throw ScenarioError{"the tray menu shows no item " + Quoted(*caption)};
    menuChoice_ = caption;
    menuClosed_ = true;
}

std::intptr_t SimDesktop::ShellExecuteA(const char* verb, const char* file, std::int32_t show) {
    const std::intptr_t result = Failing(Operation::ShellExecuteA) ? 2 : 42;  // SE_ERR_FILENOTFOUND
    trace_.Call("ShellExecuteA " + Quoted(verb ? verb : "") + " " + Quoted(file ? file : "") + " " +
                std::to_string(show) + " -> " + std::to_string(result));
    return result;
}

std::uint32_t SimDesktop::WinExec(const char* commandLine, std::int32_t show) {
    const std::uint32_t result = Failing(Operation::WinExec) ? 2 : 33;
    trace_.Call("WinExec " + Quoted(commandLine ? commandLine : "") + " " + std::to_string(show) +
                " -> " + std::to_string(result));
    return result;
}

}  // namespace tremolux::sim
