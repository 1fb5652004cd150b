// Fresh reads of the desktop, one platform call each, in the engine's
// double-precision number domain.
#pragma once

#include "engine/DesktopPort.h"
#include "engine/ProgramState.h"

namespace tremolux {

// The cursor's x or y, each from a GetCursorPos call of its own; kNoSample
// when the call fails.
double CursorX(DesktopPort& port);
double CursorY(DesktopPort& port);

double ScreenWidth(DesktopPort& port);
double ScreenHeight(DesktopPort& port);

// SystemParametersInfoA(SPI_GETWORKAREA) into the shared WorkArea; a failed
// call leaves the previous values.
void RefreshWorkArea(ProgramState& state, DesktopPort& port);

}  // namespace tremolux
