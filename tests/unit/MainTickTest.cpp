#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "platform/sim/SimDesktop.h"

namespace tremolux {
namespace {

struct Desk {
    Desk() {
        desktop.DeclareWindow("A", {100, 50, 900, 650}, {});
        desktop.Activate("A");
    }
    std::int64_t clock = 0;
    sim::Trace trace{nullptr, clock};
    sim::SimDesktop desktop{trace};
    ProgramState state;
};

// A drag to the right edge: drag-bump places at once, slide mode only notes
// where the pointer touched the edge, and neither waits. The mode is 0
// until start-up reads it, then 1 or 2.
TEST(MainTick, DispatchesOnTheOperationMode) {
    struct Case {
        std::int32_t mode;
        bool slide;
    } cases[] = {{0, false}, {1, false}, {2, true}};
    for (const Case& c : cases) {
        Desk d;
        d.state.OperationMode = c.mode;
        d.desktop.Grab("A", 400, 60, sim::SimDesktop::GrabKind::TitleBar);
        d.desktop.MoveCursor(1023, 300);
        MainTick(d.state, d.desktop);
        EXPECT_EQ(d.trace.Find("Sleep 500"), nullptr) << "mode " << c.mode;
        EXPECT_EQ(d.trace.Find("SetWindowPos A -1 513 0 511 738 0x4") != nullptr, !c.slide)
            << "mode " << c.mode;
    }
}

TEST(MainTick, MakesANewShellObjectForEveryToggleAndEmptiesTheSlot) {
    Desk d;
    d.desktop.MoveCursor(1020, 750);
    MainTick(d.state, d.desktop);  // peek start: the sim's Sleep returns at once
    EXPECT_EQ(d.state.PeekActive, 1);
    EXPECT_EQ(d.state.ShellObject, nullptr);
    d.desktop.MoveCursor(500, 300);
    MainTick(d.state, d.desktop);
    EXPECT_EQ(d.state.PeekActive, 0);
    EXPECT_EQ(d.state.ShellObject, nullptr);
    EXPECT_EQ(d.desktop.CreatedAutomationObjects(), 2);
    EXPECT_EQ(d.desktop.LiveAutomationObjects(), 0);
    EXPECT_EQ(d.trace.Count("ToggleDesktop"), 2u);
}

TEST(MainTick, IdleTickMakesNoWindowCall) {
    Desk d;
    d.desktop.MoveCursor(500, 300);
    for (int i = 0; i < 5; ++i) MainTick(d.state, d.desktop);
    EXPECT_EQ(d.trace.Lines(), 0u);
}

TEST(Strip, ClickTogglesTheLatch) {
    Desk d;
    StripClick(d.state, d.desktop);
    EXPECT_EQ(d.state.StripLatch, 1);
    StripClick(d.state, d.desktop);
    EXPECT_EQ(d.state.StripLatch, 0);
}

TEST(Strip, DeactivatedGivesTheFocusBackToTheStrip) {
    Desk d;
    d.desktop.LoadWindow(ProgramWindow::Strip, false);
    StripDeactivated(d.state, d.desktop);
    EXPECT_NE(d.trace.Find("SetFocus strip"), nullptr);
}

}  // namespace
}  // namespace tremolux
