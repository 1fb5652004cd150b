// The simulated desktop's input: the pointer, the keys and their press bits,
// the user's drags by a title bar or a border, and the move/size loops they
// start.

#include <algorithm>

#include "platform/sim/SimDesktop.h"

namespace tremolux::sim {

namespace {

// A system cursor's shared handle, from its id.
constexpr CursorHandle kCursorHandles = 0x10000;

}  // namespace

// A window in a title-bar drag follows the pointer. A maximized one leaves
// its maximized state at the first move, as on Windows 7 and later: it
// takes its restored size under the pointer, which keeps its distance below
// the top and its share of the width. A document's drag stays inside its
// frame, which does not move.
void SimDesktop::MoveCursor(std::int32_t x, std::int32_t y) {
    Window* w = Live(grabbed_);
    const bool moved = x != cursor_.x || y != cursor_.y;
    if (w && moved && !resizing_ && w->frame == kNoWindow) {
        if (w->maximized && !w->minimized) {
            const Rect shown = Shown(*w);
            const std::int64_t width = std::int64_t{w->rect.right} - w->rect.left;
            const std::int64_t height = std::int64_t{w->rect.bottom} - w->rect.top;
            const double shownWidth = static_cast<double>(shown.right) - shown.left;
            const double share = shownWidth > 0 ? (pressedAt_.x - shown.left) / shownWidth : 0;
            const std::int64_t left = x - static_cast<std::int64_t>(share * width);
            const std::int64_t top = std::int64_t{y} - (std::int64_t{pressedAt_.y} - shown.top);
            w->rect = {Saturate(left), Saturate(top), Saturate(left + width),
                       Saturate(top + height)};
            w->maximized = false;
        } else {
            w->rect = Moved(w->rect, std::int64_t{x} - cursor_.x, std::int64_t{y} - cursor_.y);
        }
        RaiseWinEvent(win::kEventObjectLocationChange, grabbed_);
    }
    cursor_ = {x, y};
    if (!moved) return;
    path_.push_front({cursor_, static_cast<std::uint32_t>(trace_.Now())});
    if (path_.size() > 64) path_.pop_back();
    RaiseCursorMoved();
}

void SimDesktop::EndLoop(WindowHandle window) {
    if (grabbed_ == kNoWindow || (window != kNoWindow && window != grabbed_)) return;
    const WindowHandle ended = grabbed_;
    grabbed_ = kNoWindow;
    RaiseWinEvent(win::kEventSystemMoveSizeEnd, ended);
}

// Each event reaches the program while a hook of its own takes it; the
// loop's start and end, for as long as the program runs, as its main window
// hooks them.
void SimDesktop::RaiseWinEvent(std::uint32_t event, WindowHandle window) {
    if (!winEvents_ || !thread_) return;
    const bool loop = event != win::kEventObjectLocationChange;
    const bool hooked = std::any_of(hooks_.begin(), hooks_.end(), [&](const Hook& hook) {
        return hook.live && hook.first <= event && event <= hook.last &&
               (hook.process == 0 || hook.process == ProcessOf(window));
    });
    if (!loop && !hooked) return;
    if (const auto raised = EventOfWinEvent(event, window, win::kObjIdWindow, win::kChildIdSelf))
        thread_->RaiseWinEvent(*raised);
}

// The cursor's moves reach a hook on every process's location changes.
void SimDesktop::RaiseCursorMoved() {
    if (!winEvents_ || !thread_) return;
    const bool hooked = std::any_of(hooks_.begin(), hooks_.end(), [&](const Hook& hook) {
        return hook.live && hook.first <= win::kEventObjectLocationChange &&
               win::kEventObjectLocationChange <= hook.last && hook.process == 0;
    });
    if (!hooked) return;
    if (const auto raised = EventOfWinEvent(win::kEventObjectLocationChange, kNoWindow,
                                            win::kObjIdCursor, win::kChildIdSelf))
        thread_->RaiseWinEvent(*raised);
}

WinEventHook SimDesktop::SetWinEventHook(std::uint32_t eventMin, std::uint32_t eventMax,
                                         std::uint32_t processId, std::uint32_t, std::uint32_t) {
    auto slot = std::find_if(hooks_.begin(), hooks_.end(), [](const Hook& h) { return !h.live; });
    if (slot == hooks_.end()) slot = hooks_.insert(slot, Hook{});
    *slot = {eventMin, eventMax, processId, true};
    const WinEventHook hook = static_cast<WinEventHook>(slot - hooks_.begin()) + 1;
    trace_.Read([&] {
        return "SetWinEventHook " + Hex(eventMin) + " " + Hex(eventMax) + " " +
               std::to_string(processId) + " -> " + std::to_string(hook);
    });
    return hook;
}

bool SimDesktop::UnhookWinEvent(WinEventHook hook) {
    const bool ok = hook >= 1 && hook <= hooks_.size() && hooks_[hook - 1].live;
    if (ok) hooks_[hook - 1].live = false;
    trace_.Read([&] { return "UnhookWinEvent " + std::to_string(hook) + (ok ? "" : " failed"); });
    return ok;
}

void SimDesktop::KeyDown(std::int32_t virtualKey) {
    KeyState& key = keys_[virtualKey & 0xFF];
    if (!key.down) key.pressed = true;
    key.down = true;
}

void SimDesktop::KeyUp(std::int32_t virtualKey) {
    keys_[virtualKey & 0xFF].down = false;
    if (virtualKey == win::kVkLButton) EndLoop(kNoWindow);
}

// A border pressed shows the sizing cursor of the nearer pair of sides.
void SimDesktop::Grab(std::string_view name, std::int32_t x, std::int32_t y, GrabKind kind) {
    EndLoop(kNoWindow);
    MoveCursor(x, y);
    KeyDown(win::kVkLButton);
    pressedAt_ = {x, y};
    const WindowHandle window = Lookup(name);
    UserInput(window);
    Activate(window);
    const WindowHandle looped = kind == GrabKind::Document ? DocumentOf(window) : window;
    Window* w = Live(window);
    if (w && w->enabled) grabbed_ = looped;
    resizing_ = kind == GrabKind::Border;
    if (w && resizing_) {
        const auto nearest = [](std::int64_t at, std::int64_t low, std::int64_t high) {
            return std::min(at > low ? at - low : low - at, at > high ? at - high : high - at);
        };
        const bool sides =
            nearest(x, w->rect.left, w->rect.right) <= nearest(y, w->rect.top, w->rect.bottom);
        sizingCursor_ = kCursorHandles + (sides ? win::kIdcSizeWe : win::kIdcSizeNs);
    }
    RaiseWinEvent(win::kEventSystemMoveSizeStart, looped);
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

// The virtual clock, which starts with the system.
std::uint32_t SimDesktop::GetTickCount() {
    const auto now = static_cast<std::uint32_t>(trace_.Now());
    trace_.Read([&] { return "GetTickCount -> " + std::to_string(now); });
    return now;
}

std::int32_t SimDesktop::GetMouseMovePointsEx(Point current, MouseMovePoint* points,
                                              std::int32_t count) {
    const bool found =
        !path_.empty() && path_.front().point.x == current.x && path_.front().point.y == current.y;
    const std::int32_t n = found ? std::min(count, static_cast<std::int32_t>(path_.size())) : -1;
    std::copy_n(path_.begin(), std::max(n, 0), points);
    trace_.Read([&] { return "GetMouseMovePointsEx -> " + std::to_string(n); });
    return n;
}

void SimDesktop::Sleep(std::uint32_t milliseconds) {
    trace_.Call("Sleep " + std::to_string(milliseconds));
    if (thread_) thread_->Block(milliseconds);
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

}  // namespace tremolux::sim
