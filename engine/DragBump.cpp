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
    double x = CursorX(port);
    if (Equal(x, ScreenWidth(port) - 1) && FreshPress(port)) {
        PlaceRightHalf(state, port);
        return;
    }
    if (CursorX(port) == 0 && CursorY(port) > 2 && FreshPress(port)) {
        PlaceLeftHalf(state, port);
        return;
    }
    if (CursorY(port) == 0 && CursorX(port) > 2 && FreshPress(port)) {
        PlaceMaximized(state, port);
        return;
    }
    double y = CursorY(port);
    if (Equal(y, ScreenHeight(port) - 1) && FreshPress(port)) {
        PlaceMinimized(state, port);
        return;
    }
    x = CursorX(port);
    if (!Greater(x, ScreenWidth(port) - 3)) return;
    y = CursorY(port);
    if (Greater(y, ScreenHeight(port) - 10)) CornerRequest(state, port);
}

}  // namespace tremolux
