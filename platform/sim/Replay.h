// Runs a parsed scenario on the simulated desktop: one UI thread with a
// message queue, window timers and nested modal loops, on a virtual clock.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "engine/ProgramState.h"
#include "platform/sim/Scenario.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/Trace.h"

namespace tremolux::sim {

// How far a run may go before it ends with exit 1 and a message: the
// trace's size, the virtual time the program's timers run, and the depth of
// nested message loops.
struct RunBounds {
    TraceBounds trace;
    std::int64_t timerTime = 6 * 3'600'000;
    int modalDepth = 64;
};

class Replay : public UiThread {
public:
    // The trace is echoed to out; failed expectations are reported on err.
    Replay(const Scenario& scenario, std::ostream* out, std::ostream& err, RunBounds bounds = {});

    // 0 when every expect held, 1 when one failed.
    int Run();

    void SetReads(bool on) { trace_.SetReads(on); }
    const Trace& TraceLines() const { return trace_; }
    ProgramState& State() { return state_; }
    SimDesktop& Desktop() { return desktop_; }

    // UiThread
    void Block(std::int64_t milliseconds) override;
    void RunModal(const std::function<bool()>& done) override;
    void StartTimer(WindowHandle window, std::uint32_t id, std::uint32_t interval) override;
    void Post(WindowHandle window, const ProgramEvent& event) override;
    void RaiseWinEvent(const ProgramEvent& event) override;
    void StopTimer(WindowHandle window, std::uint32_t id) override;
    void StopTimers(WindowHandle window) override;

private:
    struct Timer {
        WindowHandle window;
        std::uint32_t id;
        std::int64_t interval;
        std::int64_t nextDue;
        bool pending = false;
    };

    void Loop(const std::function<bool()>& done, bool nested);
    void Advance(std::int64_t to);
    bool ApplyDueCommands();
    void Apply(const Command& command);
    void Check(const Step& step);
    void MarkDueTimers();
    Timer* PendingTimer();

    const Scenario& scenario_;
    std::ostream& err_;
    RunBounds bounds_;
    std::int64_t clock_ = 0;
    Trace trace_;
    SimDesktop desktop_;
    ProgramState state_;
    std::deque<std::function<void()>> queue_;
    std::vector<Timer> timers_;
    std::size_t next_ = 0;
    bool running_ = false;  // a process has started and not yet ended
    bool exited_ = false;
    int current_ = 0;             // the line of the command being applied
    std::int64_t timerTime_ = 0;  // virtual time passed with timers running
    int modalDepth_ = 0;
};

}  // namespace tremolux::sim
