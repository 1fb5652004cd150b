// The gesture engine's procedures: plain procedures over the shared state
// and the desktop port, called on the UI thread by timers and events.
#pragma once

#include "engine/DesktopPort.h"
#include "engine/ProgramState.h"

namespace tremolux {

// True only for the state 0x8001: down now and pressed since the previous
// query. The query itself clears the press bit.
bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey);

// Window actions on the current foreground window.
void PlaceLeftHalf(ProgramState& state, DesktopPort& port);
void PlaceRightHalf(ProgramState& state, DesktopPort& port);
void PlaceMaximized(ProgramState& state, DesktopPort& port);
void PlaceMinimized(ProgramState& state, DesktopPort& port);

void DragBumpDetector(ProgramState& state, DesktopPort& port);
void SlideDetector(ProgramState& state, DesktopPort& port);

// The main timer's tick, with the desktop peek and the mode dispatch.
void MainTick(ProgramState& state, DesktopPort& port);

// The show-desktop strip: placement, its timer's tick, its picture button's
// click and its deactivated event.
void PlaceStrip(ProgramState& state, DesktopPort& port);
void StripTimerTick(ProgramState& state, DesktopPort& port);
void StripClick(ProgramState& state, DesktopPort& port);
void StripDeactivated(ProgramState& state, DesktopPort& port);

// The hotkey timer's tick (Shift+F1, polled) and the restore it triggers.
void HotkeyTick(ProgramState& state, DesktopPort& port);
void RestoreLastWindow(ProgramState& state, DesktopPort& port);

}  // namespace tremolux
