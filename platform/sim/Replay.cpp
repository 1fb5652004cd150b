#include "platform/sim/Replay.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

#include "engine/Engine.h"
#include "platform/sim/Procedures.h"
#include "shell/Commands.h"
#include "shell/Declarations.h"

namespace tremolux::sim {

namespace {

// Thrown to end the run from wherever it stands.
struct ExpectFailed {};
struct ScenarioOver {};
// The run would go on past a bound: its message says which.
struct RunBounded {
    std::string message;
};

RegistryKey RootOf(const std::string& path) {
    const std::string root = path.substr(0, 4);
    if (SameName(root, "HKCR")) return win::kHkeyClassesRoot;
    if (SameName(root, "HKCU")) return win::kHkeyCurrentUser;
    return win::kHkeyLocalMachine;
}

// What reaches the main window from outside, as the program's events: Esc
// and Alt+F4 are both the user's close.
constexpr std::pair<std::string_view, EventKind> kMainWindowInputs[] = {
    {"escape", EventKind::CloseAsked},
    {"altf4", EventKind::CloseAsked},
    {"close", EventKind::Closed},
    {"logoff", EventKind::SessionEnded},
    {"uninstaller", EventKind::ExitRequested},
};

}  // namespace

Replay::Replay(const Scenario& scenario, std::ostream* out, std::ostream& err, RunBounds bounds)
    : scenario_(scenario),
      err_(err),
      bounds_(bounds),
      trace_(out, clock_, bounds.trace),
      desktop_(trace_) {
    desktop_.Attach(this);
    desktop_.AttachState(&state_);
}

int Replay::Run() {
    for (const Command& command : scenario_.setup) Apply(command);
    for (;;) {
        try {
            Loop([] { return false; }, false);
            return 0;
        } catch (const ProcessExited&) {
            // The process is gone: its messages and timers with it. Outside
            // changes and expectations go on.
            exited_ = true;
            running_ = false;
            queue_.clear();
            timers_.clear();
            desktop_.EndOfProcess();
        } catch (const ScenarioOver&) {
            return 0;
        } catch (const ExpectFailed&) {
            return 1;
        } catch (const TraceFull&) {
            err_ << "the trace would grow past " << bounds_.trace.lines << " lines or "
                 << bounds_.trace.bytes << " bytes at time " << clock_ << "; the run ends there\n";
            return 1;
        } catch (const RunBounded& bounded) {
            err_ << bounded.message << " at time " << clock_ << "; the run ends there\n";
            return 1;
        } catch (const ScenarioError& error) {
            err_ << "line " << current_ << ": " << error.message << '\n';
            return 1;
        }
    }
}

// Timed commands due now come first, then posted messages, then timer ticks;
// an expectation waits until the loop is idle at its time.
void Replay::Loop(const std::function<bool()>& done, bool nested) {
    const std::vector<Step>& steps = scenario_.steps;
    const std::int64_t end = steps.empty() ? 0 : steps.back().time;
    while (!done()) {
        if (ApplyDueCommands()) continue;
        // Past the last step nothing more is delivered: a handler that keeps
        // the thread busy, such as slide mode's wait on an edge, would
        // otherwise always leave a tick due.
        if (next_ == steps.size() && clock_ > end) {
            if (nested) throw ScenarioOver{};
            return;
        }
        if (!queue_.empty()) {
            const std::function<void()> message = std::move(queue_.front());
            queue_.pop_front();
            message();
            continue;
        }
        if (Timer* timer = PendingTimer()) {
            timer->pending = false;
            desktop_.Deliver(timer->window, {.kind = EventKind::TimerTick, .id = timer->id});
            continue;
        }
        if (next_ < steps.size() && steps[next_].time <= clock_) {
            Check(steps[next_++]);
            continue;
        }
        if (next_ == steps.size()) {
            if (nested) throw ScenarioOver{};
            return;
        }
        std::int64_t next = steps[next_].time;
        for (const Timer& timer : timers_) next = std::min(next, timer.nextDue);
        Advance(next);
    }
}

// The clock moves on; the time the program's timers run is bounded, so that
// a scenario that asks for centuries of it ends in seconds.
void Replay::Advance(std::int64_t to) {
    if (!timers_.empty() && to > clock_) {
        timerTime_ += to - clock_;
        if (timerTime_ > bounds_.timerTime)
            throw RunBounded{"the program's timers would run past " +
                             std::to_string(bounds_.timerTime / 60'000) + " minutes"};
    }
    clock_ = std::max(clock_, to);
    MarkDueTimers();
}

bool Replay::ApplyDueCommands() {
    const std::vector<Step>& steps = scenario_.steps;
    bool applied = false;
    while (next_ < steps.size() && steps[next_].kind == Step::Timed &&
           steps[next_].time <= clock_) {
        Apply(steps[next_++].command);
        applied = true;
    }
    return applied;
}

// The thread is blocked: outside changes fall due, messages wait. An
// expectation at the very end of the wait is left for the loop, after the
// blocked handler has gone on.
void Replay::Block(std::int64_t milliseconds) {
    const std::vector<Step>& steps = scenario_.steps;
    const std::int64_t until = clock_ + milliseconds;
    while (next_ < steps.size() && steps[next_].time <= until) {
        const Step& step = steps[next_];
        if (step.kind != Step::Timed && step.time == until) break;
        Advance(step.time);
        ++next_;
        if (step.kind == Step::Timed) {
            Apply(step.command);
        } else {
            Check(step);
        }
    }
    Advance(until);
}

// Each nested loop is a frame of the real stack, so their depth is bounded:
// a message box whose loop runs the next call that opens one, and so on.
void Replay::RunModal(const std::function<bool()>& done) {
    if (modalDepth_ >= bounds_.modalDepth)
        throw RunBounded{"more than " + std::to_string(bounds_.modalDepth) +
                         " message loops would be nested"};
    ++modalDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{modalDepth_};
    Loop(done, true);
}

void Replay::StartTimer(WindowHandle window, std::uint32_t id, std::uint32_t interval) {
    StopTimer(window, id);
    timers_.push_back({window, id, interval, clock_ + interval});
}

void Replay::Post(WindowHandle window, const ProgramEvent& event) {
    queue_.push_back([=, this] { desktop_.Deliver(window, event); });
}

void Replay::RaiseWinEvent(const ProgramEvent& event) {
    if (exited_) return;
    queue_.push_back([=, this] { RaiseEvent(state_, desktop_, event); });
}

void Replay::StopTimer(WindowHandle window, std::uint32_t id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.window == window && t.id == id; }),
                  timers_.end());
}

void Replay::StopTimers(WindowHandle window) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.window == window; }),
                  timers_.end());
}

// A tick that fell due while the thread was busy is delivered once; the
// ticks missed meanwhile are not queued up.
void Replay::MarkDueTimers() {
    for (Timer& timer : timers_) {
        if (timer.nextDue > clock_) continue;
        timer.pending = true;
        while (timer.nextDue <= clock_) timer.nextDue += timer.interval;
    }
}

Replay::Timer* Replay::PendingTimer() {
    for (Timer& timer : timers_)
        if (timer.pending) return &timer;
    return nullptr;
}

void Replay::Check(const Step& step) {
    if (step.kind == Step::Expect && !trace_.Find(step.expected)) {
        err_ << "line " << step.line << ": expected \"" << step.expected
             << "\" in the trace; not found by time " << clock_ << '\n';
        throw ExpectFailed{};
    }
    if (step.kind == Step::ExpectCount) {
        const std::size_t found = trace_.Count(step.expected);
        if (found != static_cast<std::size_t>(step.count)) {
            err_ << "line " << step.line << ": expected \"" << step.expected << "\" " << step.count
                 << " times in the trace; found " << found << " by time " << clock_ << '\n';
            throw ExpectFailed{};
        }
    }
    if (step.kind == Step::ExpectNot) {
        if (const Trace::Seen* seen = trace_.Find(step.expected)) {
            err_ << "line " << step.line << ": expected no \"" << step.expected
                 << "\" in the trace; found at time " << seen->firstTime << '\n';
            throw ExpectFailed{};
        }
    }
}

void Replay::Apply(const Command& c) {
    current_ = c.line;
    auto int32 = [&](int i) { return static_cast<std::int32_t>(c.number[i]); };
    switch (c.verb) {
        case Verb::Screen: desktop_.SetScreen(int32(0), int32(1)); break;
        case Verb::WorkArea: desktop_.SetWorkArea({int32(0), int32(1), int32(2), int32(3)}); break;
        case Verb::Cursor: desktop_.MoveCursor(int32(0), int32(1)); break;
        case Verb::Window:
            desktop_.DeclareWindow(c.name, {int32(0), int32(1), int32(2), int32(3)}, c.attributes);
            break;
        case Verb::ForegroundLock: desktop_.SetForegroundLock(c.name == "on"); break;
        case Verb::Foreground: desktop_.Activate(c.name); break;
        case Verb::Registry: {
            const std::string path = c.name.substr(5);
            const auto cut = path.rfind('\\');
            const std::string key = cut == std::string::npos ? "" : path.substr(0, cut);
            const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
            desktop_.Registry().Put(RootOf(c.name), key, name, c.valueType, c.bytes);
            break;
        }
        case Verb::Unregistry: desktop_.Registry().Remove(RootOf(c.name), c.name.substr(5)); break;
        case Verb::Program: desktop_.SetProgramPath(c.text); break;
        case Verb::NoTaskbar: desktop_.RemoveTaskbar(); break;
        case Verb::FullScreen: desktop_.SetFullScreen(c.name == "on"); break;
        case Verb::Monitor:
            desktop_.AddMonitor({int32(0), int32(1), int32(2), int32(3)},
                                {int32(4), int32(5), int32(6), int32(7)});
            break;
        case Verb::Unplug: desktop_.RemoveMonitor({int32(0), int32(1), int32(2), int32(3)}); break;
        case Verb::Fail: desktop_.Fail(c.name); break;
        case Verb::Heal: desktop_.Heal(c.name); break;
        case Verb::StandardUser: desktop_.SetStandardUser(); break;
        case Verb::TraceReads: trace_.SetReads(true); break;
        case Verb::NoWinEvents: desktop_.SetWinEvents(false); break;
        case Verb::UiLanguage:
            desktop_.SetUiLanguage(static_cast<std::uint16_t>(c.number[0]));
            break;
        case Verb::Folder: desktop_.AddFolder(c.text, c.number[0]); break;
        case Verb::Down: desktop_.KeyDown(int32(0)); break;
        case Verb::Up: desktop_.KeyUp(int32(0)); break;
        case Verb::Grab:
        case Verb::Size:
        case Verb::ChildGrab:
            desktop_.Grab(c.name, int32(0), int32(1),
                          c.verb == Verb::Size        ? SimDesktop::GrabKind::Border
                          : c.verb == Verb::ChildGrab ? SimDesktop::GrabKind::Document
                                                      : SimDesktop::GrabKind::TitleBar);
            break;
        case Verb::Close: desktop_.DestroyWindow(c.name); break;
        case Verb::Pick: desktop_.Pick(c.name); break;
        case Verb::MainWindow:
            for (const auto& [input, kind] : kMainWindowInputs)
                if (c.name == input) desktop_.PostToMainWindow(kind);
            break;
        case Verb::Call:
            if (exited_) break;
            queue_.push_back(
                [this, procedure = FindProcedure(c.name)] { procedure(state_, desktop_); });
            break;
        case Verb::ClickStrip:
            // Before any start no strip exists; the click then reaches its
            // handler directly, so the peek can be driven by calls alone.
            if (exited_ || desktop_.ClickStrip()) break;
            queue_.push_back([this] { StripClick(state_, desktop_); });
            break;
        case Verb::Start:
            if (running_) throw ScenarioError{"the program is already running"};
            running_ = true;
            exited_ = false;
            queue_.push_back([this] { StartProcess(state_, desktop_); });
            break;
        case Verb::Tray:
            desktop_.TrayEvent(
                static_cast<SimDesktop::TrayInput>(c.number[0]),
                c.anchored ? std::optional<Point>(Point{int32(1), int32(2)}) : std::nullopt);
            break;
        case Verb::TrayVersion: desktop_.SetTrayVersion(int32(0)); break;
        case Verb::ShellRestart: desktop_.RestartShell(); break;
        case Verb::Help: desktop_.CloseHelpWindow(); break;
        case Verb::Menu:
            desktop_.ChooseMenuItem(c.name == "none" ? std::nullopt
                                                     : std::optional<std::string>(c.text));
            break;
        case Verb::Instance:
            desktop_.SetOtherInstance(c.name == "running"  ? SimDesktop::OtherInstance::Running
                                      : c.name == "racing" ? SimDesktop::OtherInstance::Racing
                                                           : SimDesktop::OtherInstance::Elevated);
            break;
        case Verb::Answer:
            desktop_.AnswerMessageBox(c.name == "yes"  ? Answer::Yes
                                      : c.name == "no" ? Answer::No
                                                       : Answer::Ok);
            break;
        case Verb::Dump: desktop_.Dump(state_); break;
        case Verb::DumpRegistry: desktop_.DumpRegistry(); break;
        default: break;
    }
}

}  // namespace tremolux::sim
