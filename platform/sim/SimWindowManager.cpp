// The simulated window manager: other programs' windows, the foreground,
// and what the program's calls do to them.

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/sim/SimDesktop.h"

namespace tremolux::sim {

void SimDesktop::DeclareWindow(std::string_view name, const Rect& rect,
                               const WindowAttributes& attributes) {
    const WindowHandle window = AddWindow(std::string(name), true);
    Window& w = windows_[window - 1];
    w.rect = rect;
    w.attributes = attributes;
    w.maximized = attributes.maximized;
}

WindowHandle SimDesktop::DocumentOf(WindowHandle frame) {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i].alive && windows_[i].frame == frame)
            return static_cast<WindowHandle>(i + 1);
    const Window* w = Live(frame);
    if (!w) return kNoWindow;
    const Rect rect = w->rect;
    const WindowHandle document = AddWindow(w->name + ".doc", false);
    windows_[document - 1].frame = frame;
    windows_[document - 1].rect = rect;
    return document;
}

Rect SimDesktop::Shown(const Window& window) const {
    if (!window.maximized || window.minimized) return window.rect;
    return MonitorNumbered(MonitorOf(window.rect, win::kMonitorDefaultToNearest)).work;
}

bool SimDesktop::MayActivate() const {
    const Window* front = Live(foreground_);
    return !foregroundLock_ || !front || front->program ||
           (joinedInput_ != 0 && joinedInput_ == lastInput_);
}

bool SimDesktop::Refused(const Window& window, Operation operation) const {
    return Failing(operation) || window.attributes.elevated;
}

void SimDesktop::Activate(std::string_view name) {
    const WindowHandle window = name == "none" ? kNoWindow : Lookup(name);
    UserInput(window);
    Activate(window);
}

// A window of another program activated while the desktop is shown ends
// the shown desktop, as on Windows: the next toggle minimizes again.
void SimDesktop::Activate(WindowHandle window) {
    if (window == kNoWindow) {
        foreground_ = kNoWindow;
        return;
    }
    if (Window* w = Live(window)) {
        foreground_ = window;
        w->activated = ++activations_;
        if (w->declared) desktopShown_ = false;
    }
}

void SimDesktop::Pick(std::string_view name) {
    const WindowHandle window = Lookup(name);
    if (Window* w = Live(window)) w->minimized = false;
    UserInput(window);
    Activate(window);
}

void SimDesktop::DestroyWindow(std::string_view name) {
    const WindowHandle window = Lookup(name);
    if (Window* w = Live(window)) w->alive = false;
    if (foreground_ == window) foreground_ = kNoWindow;
    EndLoop(window);
}

WindowHandle SimDesktop::GetForegroundWindow() {
    const WindowHandle window = Failing(Operation::GetForegroundWindow) ? kNoWindow : foreground_;
    trace_.Read([&] { return std::string("GetForegroundWindow -> " + NameOf(window)); });
    return window;
}

bool SimDesktop::GetWindowRect(WindowHandle window, Rect* rect) {
    const Window* w = Live(window);
    const bool ok = w && rect && !Failing(Operation::GetWindowRect);
    if (ok) *rect = Shown(*w);
    trace_.Read([&] {
        return "GetWindowRect " + NameOf(window) + (ok ? " -> " + Spaced(*rect) : " failed");
    });
    return ok;
}

bool SimDesktop::IsWindowEnabled(WindowHandle window) {
    const Window* w = Live(window);
    const bool enabled = w && w->enabled;
    trace_.Read(
        [&] { return "IsWindowEnabled " + NameOf(window) + (enabled ? " -> 1" : " -> 0"); });
    return enabled;
}

bool SimDesktop::EnableWindow(WindowHandle window, bool enable) {
    trace_.Call("EnableWindow " + NameOf(window) + (enable ? " 1" : " 0"));
    Window* w = Live(window);
    if (!w || Refused(*w, Operation::EnableWindow)) return false;
    const bool wasDisabled = !w->enabled;
    w->enabled = enable;
    // Disabling cancels the mode a window is in: a title-bar drag ends.
    if (!enable) EndLoop(window);
    return wasDisabled;
}

// A maximized window given a place leaves its maximized state for it. The
// size is at least the window's minimum; a window that moves onto another
// monitor rescales itself for its DPI.
bool SimDesktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) {
    trace_.Call("SetWindowPos " + NameOf(window) + " " + NameOf(insertAfter) + " " +
                std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(cx) + " " +
                std::to_string(cy) + " " + Hex(flags));
    Window* w = Live(window);
    if (!w || Refused(*w, Operation::SetWindowPos)) return false;
    const bool move = !(flags & win::kSwpNoMove);
    const bool size = !(flags & win::kSwpNoSize);
    if (!move && !size) return true;
    const MonitorHandle monitor = MonitorOf(Shown(*w), win::kMonitorDefaultToNearest);
    Rect next = Shown(*w);
    if (!w->minimized) w->maximized = false;
    if (move) next = Moved(next, std::int64_t{x} - next.left, std::int64_t{y} - next.top);
    std::int64_t width = size ? cx : std::int64_t{next.right} - next.left;
    std::int64_t height = size ? cy : std::int64_t{next.bottom} - next.top;
    const WindowAttributes& a = w->attributes;
    if (a.rescale != 0 && MonitorOf(next, win::kMonitorDefaultToNearest) != monitor) {
        width = width * a.rescale / 100;
        height = height * a.rescale / 100;
    }
    if (a.minWidth > 0) width = std::max<std::int64_t>(width, a.minWidth);
    if (a.minHeight > 0) height = std::max<std::int64_t>(height, a.minHeight);
    w->rect = Sized(next.left, next.top, Saturate(width), Saturate(height));
    return true;
}

bool SimDesktop::CloseWindow(WindowHandle window) {
    trace_.Call("CloseWindow " + NameOf(window));
    Window* w = Live(window);
    if (!w || Refused(*w, Operation::CloseWindow)) return false;
    w->minimized = true;
    if (foreground_ == window) {
        // The most recently activated other window that is not minimized.
        WindowHandle next = kNoWindow;
        std::uint64_t latest = 0;
        for (std::size_t i = 0; i < windows_.size(); ++i) {
            const Window& other = windows_[i];
            if (other.declared && other.alive && !other.minimized && other.activated > latest) {
                latest = other.activated;
                next = static_cast<WindowHandle>(i + 1);
            }
        }
        foreground_ = next;
    }
    return true;
}

// The window is shown as asked, and activated where the program may.
bool SimDesktop::ShowWindow(WindowHandle window, std::int32_t command) {
    trace_.Call("ShowWindow " + NameOf(window) + " " + std::to_string(command));
    Window* w = Live(window);
    if (!w || Refused(*w, Operation::ShowWindow)) return false;
    switch (command) {
        case win::kSwShowNormal:
            w->minimized = false;
            w->maximized = false;
            break;
        case win::kSwShowMaximized:
            w->minimized = false;
            w->maximized = true;
            break;
        case win::kSwRestore:
            // back from minimized to the state it had; from maximized to normal
            if (w->minimized) {
                w->minimized = false;
            } else {
                w->maximized = false;
            }
            break;
        default: return true;
    }
    if (MayActivate()) Activate(window);
    return true;
}

bool SimDesktop::SetForegroundWindow(WindowHandle window) {
    trace_.Call("SetForegroundWindow " + NameOf(window));
    if (!Live(window) || Failing(Operation::SetForegroundWindow) || !MayActivate()) return false;
    Activate(window);
    return true;
}

bool SimDesktop::IsZoomed(WindowHandle window) {
    const Window* w = Live(window);
    const bool zoomed = w && w->maximized && !w->minimized;
    trace_.Read([&] { return "IsZoomed " + NameOf(window) + (zoomed ? " -> 1" : " -> 0"); });
    return zoomed;
}

// Another program's window has a caption and a system menu, a sizing border
// and a maximize box unless it is fixed, and a minimize box unless it has
// none; a document window is a child of its frame.
std::int32_t SimDesktop::GetWindowLongW(WindowHandle window, std::int32_t index) {
    const Window* w = Live(window);
    std::uint32_t style = 0;
    if (w && index == win::kGwlStyle) {
        style = win::kWsVisible | (w->enabled ? 0 : win::kWsDisabled) |
                (w->minimized ? win::kWsMinimize : 0) |
                (w->maximized && !w->minimized ? win::kWsMaximize : 0);
        if (w->declared || w->frame != kNoWindow) {
            const WindowAttributes& a = w->attributes;
            style |= win::kWsCaption | win::kWsSysMenu | (w->frame ? win::kWsChild : 0) |
                     (a.fixed ? 0 : win::kWsThickFrame | win::kWsMaximizeBox) |
                     (a.noMinimize ? 0 : win::kWsMinimizeBox);
        }
    }
    trace_.Read([&] {
        return "GetWindowLongW " + NameOf(window) + " " + std::to_string(index) + " -> " +
               Hex(style);
    });
    return static_cast<std::int32_t>(style);
}

bool SimDesktop::GetWindowPlacement(WindowHandle window, WindowPlacement* placement) {
    const Window* w = Live(window);
    const bool ok = w && placement;
    if (ok)
        *placement = {w->minimized   ? win::kSwShowMinimized
                      : w->maximized ? win::kSwShowMaximized
                                     : win::kSwShowNormal,
                      w->rect};
    trace_.Read([&] {
        return "GetWindowPlacement " + NameOf(window) +
               (ok ? " -> " + std::to_string(placement->showCmd) + " " +
                         Spaced(placement->normalPosition)
                   : std::string(" failed"));
    });
    return ok;
}

bool SimDesktop::SetWindowPlacement(WindowHandle window, const WindowPlacement& placement) {
    trace_.Call("SetWindowPlacement " + NameOf(window) + " " + std::to_string(placement.showCmd) +
                " " + Spaced(placement.normalPosition));
    Window* w = Live(window);
    if (!w || Refused(*w, Operation::SetWindowPlacement)) return false;
    w->rect = placement.normalPosition;
    w->minimized = placement.showCmd == win::kSwShowMinimized;
    w->maximized = placement.showCmd == win::kSwShowMaximized;
    if (!w->minimized && MayActivate()) Activate(window);
    return true;
}

bool SimDesktop::BringWindowToTop(WindowHandle window) {
    trace_.Call("BringWindowToTop " + NameOf(window));
    return Live(window) && !Failing(Operation::BringWindowToTop);
}

WindowHandle SimDesktop::SetFocus(WindowHandle window) {
    trace_.Call("SetFocus " + NameOf(window));
    return kNoWindow;
}

std::uint32_t SimDesktop::GetWindowThreadProcessId(WindowHandle window, std::uint32_t* processId) {
    const bool ok = !Failing(Operation::GetWindowThreadProcessId);
    const std::uint32_t thread = ok ? ThreadOf(window) : 0;
    const std::uint32_t process = ok ? ProcessOf(window) : 0;
    if (processId) *processId = process;
    trace_.Read([&] {
        return "GetWindowThreadProcessId " + NameOf(window) + " -> " + std::to_string(thread) +
               " " + std::to_string(process);
    });
    return thread;
}

std::uint32_t SimDesktop::GetCurrentProcessId() {
    trace_.Read([&] { return "GetCurrentProcessId -> " + std::to_string(kProgramProcess); });
    return kProgramProcess;
}

std::uint32_t SimDesktop::GetCurrentThreadId() {
    trace_.Read([&] { return "GetCurrentThreadId -> " + std::to_string(kProgramThread); });
    return kProgramThread;
}

// Nobody's thread stops responding here.
bool SimDesktop::IsHungAppWindow(WindowHandle window) {
    trace_.Read([&] { return "IsHungAppWindow " + NameOf(window) + " -> 0"; });
    return false;
}

// The program, the shell and other programs run at medium integrity, an
// elevated program's windows at high.
bool SimDesktop::GetTokenIntegrityLevel(std::uint32_t processId, std::uint32_t* level) {
    std::optional<std::uint32_t> found;
    if (processId == kProgramProcess || processId == kShellProcess)
        found = win::kMandatoryMediumRid;
    if (const Window* w = Live(processId - kOtherProcesses);
        processId > kOtherProcesses && w && w->declared)
        found = w->attributes.elevated ? win::kMandatoryHighRid : win::kMandatoryMediumRid;
    if (Failing(Operation::GetTokenIntegrityLevel)) found.reset();
    if (found && level) *level = *found;
    trace_.Read([&] {
        return "GetTokenIntegrityLevel " + std::to_string(processId) +
               (found ? " -> " + Hex(*found) : std::string(" failed"));
    });
    return found && level;
}

// The program's thread joins another window's thread, or parts from it.
bool SimDesktop::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                   bool attach) {
    trace_.Call("AttachThreadInput " + std::to_string(attachThread) + " " +
                std::to_string(toThread) + (attach ? " 1" : " 0"));
    bool known = false;
    for (std::size_t i = 0; i < windows_.size() && !known; ++i)
        known = ThreadOf(static_cast<WindowHandle>(i + 1)) == toThread;
    if (Failing(Operation::AttachThreadInput) || attachThread != kProgramThread ||
        toThread == attachThread || !known)
        return false;
    if (attach) {
        joinedInput_ = toThread;
    } else if (joinedInput_ == toThread) {
        joinedInput_ = 0;
    }
    return true;
}

bool SimDesktop::IsIconic(WindowHandle window) {
    const Window* w = Live(window);
    const bool iconic = w && w->minimized;
    trace_.Read([&] { return "IsIconic " + NameOf(window) + (iconic ? " -> 1" : " -> 0"); });
    return iconic;
}

std::int32_t SimDesktop::GetClassNameA(WindowHandle window, char* className, std::int32_t size) {
    const Window* w = Live(window);
    std::string_view name;
    if (w && !Failing(Operation::GetClassNameA)) {
        name = w->program              ? "TremoluxWindow"
               : w->declared           ? "SimWindow"
               : w->frame != kNoWindow ? "SimDocument"
               : window == taskbar_    ? "Shell_TrayWnd"
                                       : "Progman";
    }
    std::int32_t copied = 0;
    if (className && size > 0) {
        copied = static_cast<std::int32_t>(std::min<std::size_t>(name.size(), size - 1));
        std::memcpy(className, name.data(), copied);
        className[copied] = '\0';
    }
    trace_.Read([&] {
        return "GetClassNameA " + NameOf(window) + " -> " +
               Quoted(std::string(name.substr(0, copied)));
    });
    return copied;
}

}  // namespace tremolux::sim
