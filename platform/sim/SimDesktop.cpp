// The simulated desktop's bookkeeping: its windows by handle and name,
// their threads and processes, the operations a scenario makes fail, and
// the dump of its state.

#include "platform/sim/SimDesktop.h"

#include <utility>

namespace tremolux::sim {

Rect Sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return {left, top, Saturate(std::int64_t{left} + width), Saturate(std::int64_t{top} + height)};
}

Rect Moved(const Rect& r, std::int64_t dx, std::int64_t dy) {
    return {Saturate(r.left + dx), Saturate(r.top + dy), Saturate(r.right + dx),
            Saturate(r.bottom + dy)};
}

SimDesktop::SimDesktop(Trace& trace) : trace_(trace) {
    taskbar_ = AddWindow("taskbar", false);
    shellDesktop_ = AddWindow("desktop", false);
}

static_assert(std::size(kOperationNames) ==
                  static_cast<std::size_t>(SimDesktop::Operation::SetWindowPlacement) + 1,
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
    return const_cast<Window*>(std::as_const(*this).Live(window));
}

const SimDesktop::Window* SimDesktop::Live(WindowHandle window) const {
    if (window == kNoWindow || window > windows_.size()) return nullptr;
    const Window& w = windows_[window - 1];
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

// A document window belongs to its frame's thread and process.
std::uint32_t SimDesktop::ThreadOf(WindowHandle window) const {
    const Window* w = Live(window);
    if (!w) return 0;
    if (w->frame != kNoWindow) return ThreadOf(w->frame);
    if (w->program) return kProgramThread;
    return w->declared ? kOtherThreads + window : kShellThread;
}

std::uint32_t SimDesktop::ProcessOf(WindowHandle window) const {
    const std::uint32_t thread = ThreadOf(window);
    if (thread == kProgramThread) return kProgramProcess;
    if (thread == kShellThread) return kShellProcess;
    return thread == 0 ? 0 : kOtherProcesses + (thread - kOtherThreads);
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
        trace_.Call("window " + w.name + " " + Spaced(Shown(w)) +
                    (w.minimized   ? " minimized"
                     : w.maximized ? " maximized"
                                   : " normal") +
                    (w.enabled ? " enabled" : " disabled"));
    }
    trace_.Call("foreground " +
                (foreground_ == kNoWindow ? std::string("none") : NameOf(foreground_)));
}

}  // namespace tremolux::sim
