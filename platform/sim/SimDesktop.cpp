#include "platform/sim/SimDesktop.h"

#include <algorithm>
#include <cstring>

#include "shell/Declarations.h"

namespace tremolux::sim {

namespace {

int AutomationToken;  // the address stands for a live "Shell.Application" object

// Threads and processes: the program's own, the shell's (the taskbar and the
// desktop), and one each for every other window, numbered from its handle.
constexpr std::uint32_t kProgramThread = 10;
constexpr std::uint32_t kShellThread = 20;
constexpr std::uint32_t kProgramProcess = 100;
constexpr std::uint32_t kShellProcess = 200;
constexpr std::uint32_t kOtherThreads = 1000;
constexpr std::uint32_t kOtherProcesses = 5000;

// A system cursor's shared handle, from its id.
constexpr CursorHandle kCursorHandles = 0x10000;

// Window rectangles at the ends of the 32-bit range stay there rather than
// wrap.
Rect Moved(const Rect& r, std::int64_t dx, std::int64_t dy) {
    return {Saturate(r.left + dx), Saturate(r.top + dy), Saturate(r.right + dx),
            Saturate(r.bottom + dy)};
}

// The A functions see texts through a code page that has ASCII only, as on a
// Windows whose ANSI code page lacks the program's characters: each
// non-ASCII UTF-8 sequence reads as one '?'.
std::string AnsiView(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        out += '?';
        while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
    }
    return out;
}

bool IsText(std::uint32_t type) { return type == win::kRegSz || type == win::kRegExpandSz; }

std::string TypeName(std::uint32_t type) {
    switch (type) {
        case win::kRegSz: return "sz";
        case win::kRegExpandSz: return "expandsz";
        case win::kRegDword: return "dword";
        default: return "type" + std::to_string(type);
    }
}

// The stored bytes as the trace shows them: texts up to their first zero,
// numbers in decimal, anything else in hex.
std::string DataTrace(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    if (IsText(type)) {
        const auto end = std::find(data.begin(), data.end(), 0);
        return Quoted(std::string(data.begin(), end));
    }
    if (type == win::kRegDword && data.size() == 4) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | data[i];
        return std::to_string(value);
    }
    std::string out;
    for (std::uint8_t byte : data) {
        static const char digits[] = "0123456789abcdef";
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out.empty() ? "-" : out;
}

// A fixed environment for REG_EXPAND_SZ values.
struct EnvironmentVariable {
    std::string_view name;
    std::string_view value;
};
constexpr EnvironmentVariable kEnvironment[] = {
    {"SystemRoot", "C:\\Windows"},
    {"windir", "C:\\Windows"},
    {"SystemDrive", "C:"},
    {"ProgramFiles", "C:\\Program Files"},
    {"USERPROFILE", "C:\\Users\\user"},
    {"TEMP", "C:\\Users\\user\\AppData\\Local\\Temp"},
};

std::string Expand(std::string_view source) {
    std::string out;
    while (!source.empty()) {
        const auto open = source.find('%');
        const auto close = open == std::string_view::npos ? open : source.find('%', open + 1);
        if (close == std::string_view::npos) break;
        out += source.substr(0, open);
        const std::string_view name = source.substr(open + 1, close - open - 1);
        auto it =
            std::find_if(std::begin(kEnvironment), std::end(kEnvironment),
                         [&](const EnvironmentVariable& v) { return SameName(v.name, name); });
        if (it == std::end(kEnvironment)) {
            out += source.substr(open, close - open);
            source.remove_prefix(close);
        } else {
            out += it->value;
            source.remove_prefix(close + 1);
        }
    }
    out += source;
    return out;
}

}  // namespace

Rect Sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return {left, top, Saturate(std::int64_t{left} + width), Saturate(std::int64_t{top} + height)};
}

SimDesktop::SimDesktop(Trace& trace) : trace_(trace) {
    taskbar_ = AddWindow("taskbar", false);
    shellDesktop_ = AddWindow("desktop", false);
}

static_assert(std::size(kOperationNames) ==
                  static_cast<std::size_t>(SimDesktop::Operation::WinExec) + 1,
              "each operation has its name, in order");

std::optional<SimDesktop::Operation> SimDesktop::OperationNamed(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kOperationNames); ++i)
        if (kOperationNames[i] == name) return static_cast<Operation>(i);
    return std::nullopt;
}

void SimDesktop::Fail(std::string_view operation) {
    if (const auto named = OperationNamed(operation))
        failing_.set(static_cast<std::size_t>(*named));
}

void SimDesktop::Heal(std::string_view operation) {
    if (const auto named = OperationNamed(operation))
        failing_.reset(static_cast<std::size_t>(*named));
}

WindowHandle SimDesktop::AddWindow(std::string name, bool declared) {
    Window window;
    window.name = std::move(name);
    window.declared = declared;
    windows_.push_back(window);
    return static_cast<WindowHandle>(windows_.size());
}

SimDesktop::Window* SimDesktop::Live(WindowHandle window) {
    if (window == kNoWindow || window > windows_.size()) return nullptr;
    Window& w = windows_[window - 1];
    return w.alive ? &w : nullptr;
}

WindowHandle SimDesktop::Lookup(std::string_view name) const {
    for (std::size_t i = windows_.size(); i > 0; --i)
        if (windows_[i - 1].name == name && windows_[i - 1].alive)
            return static_cast<WindowHandle>(i);
    return kNoWindow;
}

std::string SimDesktop::NameOf(WindowHandle window) const {
    if (window == kNoWindow) return "0";
    if (window == kTopmostWindow) return "-1";
    if (window > windows_.size()) return Hex(window);
    return windows_[window - 1].name;
}

std::uint32_t SimDesktop::ThreadOf(WindowHandle window) const {
    if (window == kNoWindow || window > windows_.size()) return 0;
    const Window& w = windows_[window - 1];
    if (!w.alive) return 0;
    if (w.program) return kProgramThread;
    return w.declared ? kOtherThreads + window : kShellThread;
}

std::uint32_t SimDesktop::ProcessOf(WindowHandle window) const {
    const std::uint32_t thread = ThreadOf(window);
    if (thread == kProgramThread) return kProgramProcess;
    if (thread == kShellThread) return kShellProcess;
    return thread == 0 ? 0 : kOtherProcesses + window;
}

// ---- outside changes ----

void SimDesktop::SetScreen(std::int32_t width, std::int32_t height) {
    screenWidth_ = width;
    screenHeight_ = height;
}

void SimDesktop::RemoveMonitor(const Rect& area) {
    monitors_.erase(std::remove_if(monitors_.begin(), monitors_.end(),
                                   [&](const Rect& r) {
                                       return r.left == area.left && r.top == area.top &&
                                              r.right == area.right && r.bottom == area.bottom;
                                   }),
                    monitors_.end());
}

void SimDesktop::MoveCursor(std::int32_t x, std::int32_t y) {
    if (Window* w = Live(grabbed_); w && !resizing_)
        w->rect = Moved(w->rect, std::int64_t{x} - cursor_.x, std::int64_t{y} - cursor_.y);
    cursor_ = {x, y};
}

void SimDesktop::KeyDown(std::int32_t virtualKey) {
    KeyState& key = keys_[virtualKey & 0xFF];
    if (!key.down) key.pressed = true;
    key.down = true;
}

void SimDesktop::KeyUp(std::int32_t virtualKey) {
    keys_[virtualKey & 0xFF].down = false;
    if (virtualKey == win::kVkLButton) grabbed_ = kNoWindow;
}

// A border pressed shows the sizing cursor of the nearer pair of sides.
WindowHandle SimDesktop::Grab(std::string_view name, std::int32_t x, std::int32_t y, bool resize) {
    grabbed_ = kNoWindow;
    MoveCursor(x, y);
    KeyDown(win::kVkLButton);
    const WindowHandle window = Lookup(name);
    Activate(window);
    Window* w = Live(window);
    if (w && w->enabled) grabbed_ = window;
    resizing_ = resize;
    if (w && resize) {
        const auto nearest = [](std::int64_t at, std::int64_t low, std::int64_t high) {
            return std::min(at > low ? at - low : low - at, at > high ? at - high : high - at);
        };
        const bool sides =
            nearest(x, w->rect.left, w->rect.right) <= nearest(y, w->rect.top, w->rect.bottom);
        sizingCursor_ = kCursorHandles + (sides ? win::kIdcSizeWe : win::kIdcSizeNs);
    }
    return window;
}

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

void SimDesktop::RemoveTaskbar() {
    if (Window* w = Live(taskbar_)) w->alive = false;
}

void SimDesktop::Dump(const ProgramState& state) {
    auto rect = [](const Rect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    trace_.Call(
        "state OperationMode=" + std::to_string(state.OperationMode) +
        " StripLatch=" + std::to_string(state.StripLatch) +
        " PeekActive=" + std::to_string(state.PeekActive) + " WorkArea=" + rect(state.WorkArea) +
        " PlacedWindow=" + NameOf(state.PlacedWindow) + " SavedRect=" + rect(state.SavedRect) +
        " MinimizedWindow=" + NameOf(state.MinimizedWindow));
    for (const Window& w : windows_) {
        if (!w.declared || !w.alive) continue;
        trace_.Call("window " + w.name + " " + std::to_string(w.rect.left) + " " +
                    std::to_string(w.rect.top) + " " + std::to_string(w.rect.right) + " " +
                    std::to_string(w.rect.bottom) + (w.minimized ? " minimized" : " normal") +
                    (w.enabled ? " enabled" : " disabled"));
    }
    trace_.Call("foreground " +
                (foreground_ == kNoWindow ? std::string("none") : NameOf(foreground_)));
}

void SimDesktop::DumpRegistry() {
    for (const std::string& line : registry_.Describe([](std::uint32_t type, const auto&data) {
             return TypeName(type) + " " + DataTrace(type, data);
         }))
        trace_.Call(line);
}

// ---- desktop state and input ----

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

bool SimDesktop::GetCursorPos(Point* point) {
    const bool ok = point && !Failing(Operation::GetCursorPos);
    if (ok) *point = cursor_;
    trace_.Read([&] {
        return std::string(ok ? "GetCursorPos -> " + std::to_string(cursor_.x) + " " +
                                    std::to_string(cursor_.y)
                              : std::string("GetCursorPos failed"));
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

std::int16_t SimDesktop::GetAsyncKeyState(std::int32_t virtualKey) {
    std::uint16_t state = 0;
    if (!Failing(Operation::GetAsyncKeyState) && virtualKey >= 0 && virtualKey < 256) {
        KeyState& key = keys_[virtualKey];
        state = static_cast<std::uint16_t>((key.down ? 0x8000 : 0) | (key.pressed ? 1 : 0));
        key.pressed = false;
    }
    trace_.Read([&] {
        return std::string("GetAsyncKeyState " + Hex(static_cast<std::uint32_t>(virtualKey)) +
                           " -> " + Hex(state));
    });
    return static_cast<std::int16_t>(state);
}

void SimDesktop::Sleep(std::uint32_t milliseconds) {
    trace_.Call("Sleep " + std::to_string(milliseconds));
    if (thread_) thread_->Block(milliseconds);
}

// The primary screen is monitor 1, with the work area; the others follow in
// their order, each its own work area.
std::vector<MonitorInfo> SimDesktop::Monitors() const {
    std::vector<MonitorInfo> all{{{0, 0, screenWidth_, screenHeight_}, workArea_, 1}};
    for (const Rect& other : monitors_) all.push_back({other, other, 0});
    return all;
}

MonitorHandle SimDesktop::MonitorFromPoint(Point point, std::uint32_t) {
    MonitorHandle monitor = 0;
    if (!Failing(Operation::MonitorFromPoint)) {
        const std::vector<MonitorInfo> all = Monitors();
        for (std::size_t i = 0; i < all.size() && monitor == 0; ++i) {
            const Rect& r = all[i].monitor;
            if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
                monitor = i + 1;
        }
    }
    trace_.Read([&] {
        return "MonitorFromPoint " + std::to_string(point.x) + " " + std::to_string(point.y) +
               " -> " + std::to_string(monitor);
    });
    return monitor;
}

// The monitor with the largest part of the rectangle; failing that, the
// nearest one where asked for.
MonitorHandle SimDesktop::MonitorFromRect(const Rect& rect, std::uint32_t flags) {
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
    const std::vector<MonitorInfo> all = Monitors();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Rect& m = all[i].monitor;
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
    const MonitorHandle monitor = best != 0                                ? best
                                  : flags == win::kMonitorDefaultToNearest ? near
                                  : flags == win::kMonitorDefaultToPrimary ? 1
                                                                           : 0;
    trace_.Read([&] {
        return "MonitorFromRect " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
               " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom) + " " +
               std::to_string(flags) + " -> " + std::to_string(monitor);
    });
    return monitor;
}

bool SimDesktop::GetMonitorInfoW(MonitorHandle monitor, MonitorInfo* info) {
    const std::vector<MonitorInfo> all = Monitors();
    const bool ok = info && monitor >= 1 && monitor <= all.size();
    if (ok) *info = all[monitor - 1];
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

// ---- windows ----

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

// A thread is in a move/size loop while one of its windows is grabbed.
bool SimDesktop::GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo* info) {
    const bool ok = info && threadId != 0 && !Failing(Operation::GetGUIThreadInfo);
    if (ok) {
        *info = GuiThreadInfo{};
        if (Live(grabbed_) && ThreadOf(grabbed_) == threadId) {
            info->flags = win::kGuiInMoveSize;
            info->moveSize = grabbed_;
        }
    }
    trace_.Read([&] {
        return ok ? "GetGUIThreadInfo " + std::to_string(threadId) + " -> " + Hex(info->flags) +
                        " " + NameOf(info->moveSize)
                  : "GetGUIThreadInfo " + std::to_string(threadId) + " failed";
    });
    return ok;
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

// The one desktop window answers both.
WindowHandle SimDesktop::GetShellWindow() {
    trace_.Read([&] { return "GetShellWindow -> " + NameOf(shellDesktop_); });
    return shellDesktop_;
}

WindowHandle SimDesktop::GetDesktopWindow() {
    trace_.Read([&] { return "GetDesktopWindow -> " + NameOf(shellDesktop_); });
    return shellDesktop_;
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

// A border dragged shows its sizing cursor; otherwise the arrow.
bool SimDesktop::GetCursorInfo(CursorHandle* cursor) {
    const bool ok = cursor && !Failing(Operation::GetCursorInfo);
    const CursorHandle shown =
        Live(grabbed_) && resizing_ ? sizingCursor_ : kCursorHandles + win::kIdcArrow;
    if (ok) *cursor = shown;
    trace_.Read([&] {
        return ok ? "GetCursorInfo -> " + Hex(shown) : std::string("GetCursorInfo failed");
    });
    return ok;
}

CursorHandle SimDesktop::LoadCursorW(std::uint32_t systemCursorId) {
    return kCursorHandles + systemCursorId;
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

// ---- shell automation ----

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

// Runs a nested loop, timers ticking, until the scenario answers the box.
std::int32_t SimDesktop::MessageBoxA(const char* text, const char* caption, std::uint32_t type) {
    if (!thread_) return 0;
    OpenBox box{type};
    boxes_.push_back(&box);
    struct Pop {
        std::vector<OpenBox*>& boxes;
        ~Pop() { boxes.pop_back(); }
    } pop{boxes_};
    thread_->RunModal([&] { return box.answer != Answer::None; });
    static const char* const names[] = {"none", "yes", "no", "ok"};
    trace_.Call("MessageBoxA " + Quoted(text ? text : "") + " " + Quoted(caption ? caption : "") +
                " " + Hex(type) + " -> " + names[static_cast<int>(box.answer)]);
    switch (box.answer) {
        case Answer::Yes: return win::kIdYes;
        case Answer::No: return win::kIdNo;
        default: return win::kIdOk;
    }
}

void SimDesktop::AnswerMessageBox(Answer answer) {
    if (boxes_.empty()) throw ScenarioError{"no message box is open"};
    OpenBox& box = *boxes_.back();
    const bool yesNo = (box.type & 0xF) == win::kMbYesNo;
    const bool fits = yesNo ? answer == Answer::Yes || answer == Answer::No : answer == Answer::Ok;
    if (!fits)
        throw ScenarioError{yesNo ? "the message box has Yes and No"
                                  : "the message box has only OK"};
    box.answer = answer;
}

// ---- registry ----

std::string SimDesktop::RegistryTrace(RegistryKey key, const char* valueName) const {
    std::string path = registry_.PathOf(key);
    if (valueName) path += std::string("\\") + valueName;
    return path;
}

// A standard user under UAC may read HKEY_LOCAL_MACHINE but not change it.
bool SimDesktop::MachineReadOnly(RegistryKey key) const {
    return standardUser_ && registry_.RootOf(key) == win::kHkeyLocalMachine;
}

std::int32_t SimDesktop::RegOpenKeyExA(RegistryKey root, const char* subKey,
                                       std::uint32_t desiredAccess, RegistryKey* key) {
    const bool writing = (desiredAccess & win::kKeyWrite & ~win::kKeyRead) != 0;
    std::int32_t status = win::kErrorSuccess;
    if (writing && Failing(Operation::RegWrite)) {
        status = win::kErrorAccessDenied;
    } else if (Failing(Operation::RegRead)) {
        status = win::kErrorAccessDenied;
    } else if (writing && MachineReadOnly(root)) {
        // the key is found first, then the access checked
        status = registry_.KeyExists(root, subKey ? subKey : "") ? win::kErrorAccessDenied
                                                                 : win::kErrorFileNotFound;
    } else {
        status = registry_.Open(root, subKey ? subKey : "", key);
    }
    trace_.Read([&] {
        return std::string("RegOpenKeyExA " + registry_.PathOf(root) +
                           (subKey && *subKey ? "\\" : "") + (subKey ? subKey : "") + " -> " +
                           std::to_string(status));
    });
    return status;
}

std::int32_t SimDesktop::RegQueryValueExA(RegistryKey key, const char* valueName,
                                          std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) {
    const SimRegistry::Value* value = nullptr;
    std::int32_t status = registry_.Query(key, valueName ? valueName : "", &value);
    if (status == win::kErrorSuccess) {
        std::vector<std::uint8_t> bytes = value->data;
        if (IsText(value->type)) {
            const std::string ansi = AnsiView(std::string(bytes.begin(), bytes.end()));
            bytes.assign(ansi.begin(), ansi.end());
        }
        if (type) *type = value->type;
        const auto needed = static_cast<std::uint32_t>(bytes.size());
        if (!size) {
            status = data ? win::kErrorInvalidParameter : win::kErrorSuccess;
        } else if (!data) {
            *size = needed;
        } else if (*size < needed) {
            *size = needed;
            status = win::kErrorMoreData;
        } else {
            std::copy(bytes.begin(), bytes.end(), data);
            *size = needed;
        }
    }
    trace_.Read([&] {
        return std::string("RegQueryValueExA " + RegistryTrace(key, valueName) + " -> " +
                           std::to_string(status));
    });
    return status;
}

std::int32_t SimDesktop::RegSetKeyValueA(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size) {
    std::vector<std::uint8_t> bytes;
    if (data) bytes.assign(data, data + size);
    return SetKeyValue(root, subKey, valueName, type, std::move(bytes));
}

// The sim stores texts as UTF-8 whichever API wrote them.
std::int32_t SimDesktop::RegSetKeyValueW(RegistryKey root, const char* subKey,
                                         const char* valueName, std::uint32_t type,
                                         const char* text) {
    const std::string_view value = text ? text : "";
    std::vector<std::uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);
    return SetKeyValue(root, subKey, valueName, type, std::move(bytes));
}

// One line a write, also a refused one.
std::int32_t SimDesktop::SetKeyValue(RegistryKey root, const char* subKey, const char* valueName,
                                     std::uint32_t type, std::vector<std::uint8_t> bytes) {
    std::string path = registry_.PathOf(root);
    if (subKey && *subKey) path += std::string("\\") + subKey;
    path += std::string("\\") + (valueName ? valueName : "");
    RegistryKey key = 0;
    std::int32_t status = Failing(Operation::RegWrite) || MachineReadOnly(root)
                              ? win::kErrorAccessDenied
                              : registry_.Create(root, subKey ? subKey : "", &key);
    if (status == win::kErrorSuccess) {
        status = registry_.Set(key, valueName ? valueName : "", type, bytes);
        registry_.Close(key);
    }
    trace_.Call("RegWrite " + path + " " + TypeName(type) + " " + DataTrace(type, bytes) +
                (status == win::kErrorSuccess ? "" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegDeleteValueA(RegistryKey key, const char* valueName) {
    const std::int32_t status = Failing(Operation::RegDelete) || MachineReadOnly(key)
                                    ? win::kErrorAccessDenied
                                    : registry_.DeleteValue(key, valueName ? valueName : "");
    trace_.Call("RegDelete " + RegistryTrace(key, valueName) +
                (status == win::kErrorSuccess ? " value" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegDeleteKeyA(RegistryKey root, const char* subKey) {
    std::int32_t status = win::kErrorAccessDenied;
    if (!Failing(Operation::RegDelete)) {
        if (!MachineReadOnly(root)) {
            status = registry_.DeleteKey(root, subKey ? subKey : "");
        } else if (!registry_.KeyExists(root, subKey ? subKey : "")) {
            status = win::kErrorFileNotFound;
        }
    }
    trace_.Call("RegDelete " + RegistryTrace(root, subKey) +
                (status == win::kErrorSuccess ? " key" : " failed"));
    return status;
}

std::int32_t SimDesktop::RegCloseKey(RegistryKey key) { return registry_.Close(key); }

std::uint32_t SimDesktop::ExpandEnvironmentStringsA(const char* source, char* destination,
                                                    std::uint32_t size) {
    if (!source || Failing(Operation::ExpandEnvironmentStringsA)) return 0;
    const std::string expanded = Expand(source);
    const auto needed = static_cast<std::uint32_t>(expanded.size() + 1);
    // Like the platform, a short buffer is filled as far as it goes, with no
    // promise of a terminating zero.
    if (destination) std::memcpy(destination, expanded.c_str(), std::min(size, needed));
    return needed;
}

std::uint32_t SimDesktop::GetModuleFileNameW(char* buffer, std::uint32_t size) {
    if (!buffer || size == 0 || Failing(Operation::GetModuleFileNameW)) return 0;
    const auto length = static_cast<std::uint32_t>(programPath_.size());
    // A buffer too small gets as much as fits and no terminating zero, as on
    // Windows XP; the result then equals the size.
    if (length >= size) {
        std::memcpy(buffer, programPath_.data(), size);
        return size;
    }
    std::memcpy(buffer, programPath_.c_str(), length + 1);
    return length;
}

bool SimDesktop::SetTimer(WindowHandle window, std::uint32_t timerId, std::uint32_t milliseconds) {
    if (!Live(window) || !thread_) return false;
    thread_->StartTimer(window, timerId, milliseconds);
    return true;
}

bool SimDesktop::KillTimer(WindowHandle window, std::uint32_t timerId) {
    if (!Live(window) || !thread_) return false;
    thread_->StopTimer(window, timerId);
    return true;
}

void SimDesktop::ExitProcess(std::uint32_t exitCode) {
    trace_.Call("ExitProcess " + std::to_string(exitCode));
    throw ProcessExited{exitCode};
}

}  // namespace tremolux::sim
