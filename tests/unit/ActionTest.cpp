#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "platform/sim/SimDesktop.h"

namespace tremolux {
namespace {

// A desktop whose foreground moves to B right after the n-th
// GetForegroundWindow call, as when the user clicks another window while an
// action runs.
class ForegroundMovesDesktop : public sim::SimDesktop {
public:
    ForegroundMovesDesktop(sim::Trace& trace, int after) : SimDesktop(trace), after_(after) {}
    WindowHandle GetForegroundWindow() override {
        const WindowHandle window = SimDesktop::GetForegroundWindow();
        if (++calls_ == after_) Activate("B");
        return window;
    }
    int calls() const { return calls_; }

private:
    int after_;
    int calls_ = 0;
};

struct Fixture {
    explicit Fixture(int after) : desktop(trace, after) {
        desktop.DeclareWindow("A", {100, 50, 900, 650}, {});
        desktop.DeclareWindow("B", {200, 100, 700, 500}, {});
        desktop.Activate("A");
    }
    bool Traced(const std::string& line) const { return trace.Find(line) != nullptr; }
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    ForegroundMovesDesktop desktop;
    ProgramState state;
};

TEST(WindowAction, LaterCallsReachANewForegroundWindow) {
    // After the check of the window in front, the rectangle read and the
    // record: the disable, the move and the enable's partner all follow the
    // foreground to B...
    Fixture f(3);
    PlaceLeftHalf(f.state, f.desktop);
    EXPECT_EQ(f.desktop.NameOf(f.state.PlacedWindow), "A");
    EXPECT_EQ(f.state.SavedRect.left, 100);
    EXPECT_TRUE(f.Traced("EnableWindow B 0"));
    EXPECT_TRUE(f.Traced("SetWindowPos B -1 0 0 512 738 0x4"));
    EXPECT_TRUE(f.Traced("EnableWindow B 1"));

    // ...and after the disable, only the move goes to B; A, disabled, is
    // the one enabled again.
    Fixture g(4);
    PlaceLeftHalf(g.state, g.desktop);
    EXPECT_TRUE(g.Traced("EnableWindow A 0"));
    EXPECT_TRUE(g.Traced("SetWindowPos B -1 0 0 512 738 0x4"));
    EXPECT_TRUE(g.Traced("EnableWindow A 1"));
    EXPECT_FALSE(g.Traced("EnableWindow B 1"));
}

TEST(WindowAction, TheRecordTakesItsOwnForegroundQuery) {
    // The foreground moves between the rectangle read and the record: the
    // record names B with A's rectangle.
    Fixture f(2);
    PlaceMinimized(f.state, f.desktop);
    EXPECT_EQ(f.desktop.NameOf(f.state.MinimizedWindow), "B");
    EXPECT_EQ(f.state.SavedRect.right, 900);
    EXPECT_EQ(f.state.PlacedWindow, kNoWindow);
}

}  // namespace
}  // namespace tremolux
