// The simulated window manager: other programs' windows, the foreground,
// and what the program's calls do to them.

#include <algorithm>
#include <cstring>

#include "platform/sim/SimDesktop.h"

namespace tremolux::sim {

void SimDesktop::DeclareWindow(std::string_view name, const Rect& rect) {
    const WindowHandle window = AddWindow(std::string(name), true);
    windows_[window - 1].rect = rect;
}

void SimDesktop::Activate(std::string_view name) {
    Activate(name == "none" ? kNoWindow : Lookup(name));
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
    Activate(window);
}

void SimDesktop::DestroyWindow(std::string_view name) {
    const WindowHandle window = Lookup(name);
    if (Window* w = Live(window)) w->alive = false;
    if (foreground_ == window) foreground_ = kNoWindow;
    if (grabbed_ == window) grabbed_ = kNoWindow;
}

WindowHandle SimDesktop::GetForegroundWindow() {
    const WindowHandle window = Failing(Operation::GetForegroundWindow) ? kNoWindow : foreground_;
    trace_.Read([&] { return std::string("GetForegroundWindow -> " + NameOf(window)); });
    return window;
}

bool SimDesktop::GetWindowRect(WindowHandle window, Rect* rect) {
    Window* w = Live(window);
    const bool ok = w && rect && !Failing(Operation::GetWindowRect);
    if (ok) *rect = w->rect;
    trace_.Read([&] {
        return std::string(
            "GetWindowRect " + NameOf(window) +
            (ok ? " -> " + std::to_string(w->rect.left) + " " + std::to_string(w->rect.top) + " " +
                      std::to_string(w->rect.right) + " " + std::to_string(w->rect.bottom)
                : std::string(" failed")));
    });
    return ok;
}

bool SimDesktop::EnableWindow(WindowHandle window, bool enable) {
    trace_.Call("EnableWindow " + NameOf(window) + (enable ? " 1" : " 0"));
    Window* w = Live(window);
    if (!w || Failing(Operation::EnableWindow)) return false;
    const bool wasDisabled = !w->enabled;
    w->enabled = enable;
    // Disabling cancels the mode a window is in: a title-bar drag ends.
    if (!enable && grabbed_ == window) grabbed_ = kNoWindow;
    return wasDisabled;
}

bool SimDesktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              std::uint32_t flags) {
    trace_.Call("SetWindowPos " + NameOf(window) + " " + NameOf(insertAfter) + " " +
                std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(cx) + " " +
                std::to_string(cy) + " " + Hex(flags));
    Window* w = Live(window);
    if (!w || Failing(Operation::SetWindowPos)) return false;
    if (!(flags & win::kSwpNoMove))
        w->rect = Moved(w->rect, std::int64_t{x} - w->rect.left, std::int64_t{y} - w->rect.top);
    if (!(flags & win::kSwpNoSize)) w->rect = Sized(w->rect.left, w->rect.top, cx, cy);
    return true;
}

bool SimDesktop::CloseWindow(WindowHandle window) {
    trace_.Call("CloseWindow " + NameOf(window));
    Window* w = Live(window);
    if (!w || Failing(Operation::CloseWindow)) return false;
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

bool SimDesktop::ShowWindow(WindowHandle window, std::int32_t command) {
    trace_.Call("ShowWindow " + NameOf(window) + " " + std::to_string(command));
    Window* w = Live(window);
    if (!w || Failing(Operation::ShowWindow)) return false;
    const bool wasVisible = true;
    if (command == win::kSwShowNormal) {
        w->minimized = false;
        Activate(window);
    }
    return wasVisible;
}

bool SimDesktop::SetForegroundWindow(WindowHandle window) {
    trace_.Call("SetForegroundWindow " + NameOf(window));
    if (!Live(window) || Failing(Operation::SetForegroundWindow)) return false;
    Activate(window);
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

// Every window here is a top-level one: its own root.
WindowHandle SimDesktop::GetAncestor(WindowHandle window, std::uint32_t) {
    const WindowHandle root = Live(window) ? window : kNoWindow;
    trace_.Read([&] { return "GetAncestor " + NameOf(window) + " -> " + NameOf(root); });
    return root;
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
        name = w->program           ? "TremoluxWindow"
               : w->declared        ? "SimWindow"
               : window == taskbar_ ? "Shell_TrayWnd"
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
