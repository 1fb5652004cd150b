// Restore-last-window: replays the record of the latest gesture, from the
// tray menu or from the polled Shift+F1.
#include "engine/Engine.h"
#include "engine/Numbers.h"
#include "engine/Samples.h"

namespace tremolux {

// Shift is queried only when F1 passed; both queries take their press bits,
// so holding the keys restores once, and F1 before Shift does nothing. Keys
// pressed in a full-screen game are the game's.
void HotkeyTick(ProgramState& state, DesktopPort& port) {
    if (!KeyJustPressed(port, win::kVkF1)) return;
    if (!KeyJustPressed(port, win::kVkShift) || FullScreenProgramInFront(port)) return;
    RestoreLastWindow(state, port);
}

// All five calls, always: a null handle makes a call do nothing. The record
// is left as it is, so a second restore repeats the first.
void RestoreLastWindow(ProgramState& state, DesktopPort& port) {
    const WindowHandle placed = state.PlacedWindow;
    const Rect& saved = state.SavedRect;
    port.SetForegroundWindow(placed);
    port.BringWindowToTop(placed);
    port.SetFocus(placed);
    port.SetWindowPos(placed, kTopmostWindow, saved.left, saved.top,
                      Truncate(static_cast<double>(saved.right) - saved.left),
                      Truncate(static_cast<double>(saved.bottom) - saved.top), win::kSwpNoZOrder);
    port.ShowWindow(state.MinimizedWindow, win::kSwShowNormal);
}

}  // namespace tremolux
