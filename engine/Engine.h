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

}  // namespace tremolux
