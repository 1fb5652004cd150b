// Drag-bump mode: the pointer exactly on an edge line with a fresh left-button
// press. Nothing is remembered between ticks; the platform's press bit is
// what makes a held button act once per press.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

namespace {

constexpr const char* kTaskbarClass = "Shell_TrayWnd";
constexpr std::uintptr_t kCornerHotkeyId = 501;

bool FreshPress(DesktopPort& port) { return KeyJustPressed(port, win::kVkLButton); }

// The window name is the empty text, not null: only an untitled window of
// the class matches.
void CornerRequest(ProgramState& state, DesktopPort& port) {
    state.TaskbarWindow = port.FindWindowA(kTaskbarClass, "");
    port.SendMessageA(state.TaskbarWindow, win::kWmHotkey, kCornerHotkeyId, 0);
}

}  // namespace

// Rows are tried in order and each stops at its first failing part, so the
// button is queried only once the position parts hold. The first row that
// holds owns the call, even when its action is switched off.
void DragBumpDetector(ProgramState& state, DesktopPort& port) {
    if (OnEdge(port, kRightEdge) && FreshPress(port)) {
        PlaceRightHalf(state, port);
        return;
    }
    if (OnEdge(port, kLeftEdge) && CursorY(port) > 2 && FreshPress(port)) {
        PlaceLeftHalf(state, port);
        return;
    }
    if (OnEdge(port, kTopEdge) && CursorX(port) > 2 && FreshPress(port)) {
        PlaceMaximized(state, port);
        return;
    }
    if (OnEdge(port, kBottomEdge) && FreshPress(port)) {
        PlaceMinimized(state, port);
        return;
    }
    const double x = CursorX(port);
    if (!Greater(x, ScreenWidth(port) - 3)) return;
    const double y = CursorY(port);
    if (Greater(y, ScreenHeight(port) - 10) && !FullScreenProgramInFront(port))
        CornerRequest(state, port);
}

}  // namespace tremolux
