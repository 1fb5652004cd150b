// The simulated desktop's window framework: the program's own windows as
// declared, their timers and events, the named event and the end of the
// process.

#include "platform/sim/SimDesktop.h"
#include "shell/Declarations.h"
#include "shell/Framework.h"

namespace tremolux::sim {

namespace {

const char* WindowName(ProgramWindow window) {
    switch (window) {
        case ProgramWindow::Main: return "main";
        case ProgramWindow::Strip: return "strip";
        case ProgramWindow::Help: return "help";
    }
    return "?";
}

}  // namespace

// ---- the named event ----

KernelHandle SimDesktop::OpenEventA(std::uint32_t, bool, const char* name) {
    const bool running = otherInstance_ == OtherInstance::Running;
    const KernelHandle event = running && !Failing(Operation::OpenEventA) ? 2 : 0;
    lastError_ = otherInstance_ == OtherInstance::Elevated ? win::kErrorAccessDenied
                 : event == 0                              ? win::kErrorFileNotFound
                                                           : 0;
    trace_.Read([&] { return "OpenEventA " + Quoted(name ? name : "") + " -> " + Hex(event); });
    return event;
}

// Another instance that starts at the same moment creates the event between
// this one's OpenEventA and CreateEventA; one run as administrator has
// created it with a label this one may not open.
KernelHandle SimDesktop::CreateEventA(bool, bool, const char* name) {
    trace_.Call("CreateEventA " + Quoted(name ? name : ""));
    if (otherInstance_ == OtherInstance::Elevated) {
        lastError_ = win::kErrorAccessDenied;
        return 0;
    }
    if (Failing(Operation::CreateEventA)) return 0;
    lastError_ = otherInstance_ == OtherInstance::Racing ? win::kErrorAlreadyExists : 0;
    return 1;
}

// ---- the program's windows ----

WindowHandle SimDesktop::ProgramHandle(ProgramWindow window) const {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i].program && windows_[i].alive && windows_[i].id == window)
            return static_cast<WindowHandle>(i + 1);
    return kNoWindow;
}

bool SimDesktop::ProgramWindowLoaded(ProgramWindow window) const {
    return ProgramHandle(window) != kNoWindow;
}

WindowHandle SimDesktop::ProgramWindowHandle(ProgramWindow window) { return ProgramHandle(window); }

// Creates the window hidden and centred, with its units and timers, then
// raises its created event.
void SimDesktop::LoadWindow(ProgramWindow window, bool) {
    if (ProgramWindowLoaded(window)) return;
    const WindowDeclaration& declaration = DeclarationOf(window);
    const WindowHandle handle = AddWindow(WindowName(window), false);
    Window& w = windows_[handle - 1];
    w.program = true;
    w.id = window;
    w.rect = CentredOnScreen(declaration.width, declaration.height, screenWidth_, screenHeight_);
    if (window == ProgramWindow::Main) {
        menuChecks_.clear();
        for (const MenuItemDeclaration& item : TrayMenu())
            if (item.commandId != 0) menuChecks_.emplace_back(item.commandId, item.checked);
    }
    if (thread_)
        for (const TimerDeclaration& timer : declaration.timers)
            if (timer.startsWithWindow) thread_->StartTimer(handle, timer.id, timer.interval);
    Deliver(handle, {.kind = EventKind::Created});
}

void SimDesktop::ShowProgramWindow(ProgramWindow window) {
    const WindowHandle handle = ProgramHandle(window);
    Window* w = Live(handle);
    if (!w) return;
    if (window == ProgramWindow::Help) {
        ShowHelpWindow(handle);
        return;
    }
    if (w->visible) return;
    w->visible = true;
    Deliver(handle, {.kind = EventKind::Shown});
}

// The help window is modal: the program's other windows are disabled while
// its loop runs, timers ticking, and get their enabled state back when it
// closes. Shown again while open, it only comes to the front.
void SimDesktop::ShowHelpWindow(WindowHandle help) {
    if (helpModal_) {
        trace_.Call("HelpWindow front");
        windows_[help - 1].minimized = false;
        Activate(help);
        return;
    }
    const auto enabledOf = [&](ProgramWindow window) -> std::optional<bool> {
        const Window* w = Live(ProgramHandle(window));
        if (!w) return std::nullopt;
        return w->enabled;
    };
    const auto setEnabled = [&](ProgramWindow window, bool enable) {
        Live(ProgramHandle(window))->enabled = enable;
    };
    WithOtherWindowsDisabled(ProgramWindow::Help, enabledOf, setEnabled, [&] {
        windows_[help - 1].visible = true;
        Activate(help);
        trace_.Call("HelpWindow shown");
        helpModal_ = true;
        struct Done {
            bool& modal;
            ~Done() { modal = false; }
        } done{helpModal_};
        if (thread_) thread_->RunModal([&] { return !Live(help); });
        trace_.Call("HelpWindow closed");
    });
}

void SimDesktop::CloseHelpWindow() {
    const WindowHandle help = ProgramHandle(ProgramWindow::Help);
    if (!helpModal_ || help == kNoWindow) throw ScenarioError{"no help window is open"};
    if (thread_) thread_->Post(help, {.kind = EventKind::CloseAsked});
}

void SimDesktop::CloseMainWindow() {
    trace_.Call("CloseMainWindow");
    if (thread_) thread_->Post(ProgramHandle(ProgramWindow::Main), {.kind = EventKind::Closed});
}

void SimDesktop::DestroyProgramWindow(WindowHandle window) {
    Window* w = Live(window);
    if (!w) return;
    w->alive = false;
    if (thread_) thread_->StopTimers(window);
    if (foreground_ == window) foreground_ = kNoWindow;
}

// An event reaches a live window of the program; a disabled window takes
// no clicks. A close the program leaves to the platform destroys the
// window; once the main window is gone no window of the program is left.
void SimDesktop::Deliver(WindowHandle window, ProgramEvent event) {
    Window* w = Live(window);
    if (!w || !w->program || !state_) return;
    if (event.kind == EventKind::ButtonClicked && !w->enabled) return;
    // when the program wakes, among the reads
    if (event.kind == EventKind::TimerTick)
        trace_.Read([&] { return "WM_TIMER " + NameOf(window) + " " + std::to_string(event.id); });
    event.window = w->id;
    const bool handled = RaiseEvent(*state_, *this, event);
    if (!handled && (event.kind == EventKind::Closed || event.kind == EventKind::CloseAsked))
        DestroyProgramWindow(window);
}

bool SimDesktop::PostToMainWindow(EventKind kind) {
    const WindowHandle main = ProgramHandle(ProgramWindow::Main);
    if (!thread_ || main == kNoWindow) return false;
    thread_->Post(main, {.kind = kind});
    return true;
}

void SimDesktop::EndOfProcess() {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i].program) DestroyProgramWindow(static_cast<WindowHandle>(i + 1));
    trayIcon_ = false;
    helpModal_ = false;
    boxes_.clear();
    menuOpen_ = false;
}

bool SimDesktop::ClickStrip() {
    const WindowHandle strip = ProgramHandle(ProgramWindow::Strip);
    if (!thread_ || strip == kNoWindow) return false;
    thread_->Post(strip, {.kind = EventKind::ButtonClicked});
    return true;
}

void SimDesktop::SetStripRect(std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height) {
    trace_.Call("StripRect " + std::to_string(left) + " " + std::to_string(top) + " " +
                std::to_string(width) + " " + std::to_string(height));
    if (Window* w = Live(ProgramHandle(ProgramWindow::Strip)))
        w->rect = Sized(left, top, width, height);
}

void SimDesktop::SetStripTopmost() { trace_.Call("StripTopmost"); }

// Traced only when the strip's visibility changes.
void SimDesktop::SetStripVisible(bool visible) {
    Window* w = Live(ProgramHandle(ProgramWindow::Strip));
    if (!w || w->visible == visible) return;
    w->visible = visible;
    trace_.Call(visible ? "StripShow" : "StripHide");
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
