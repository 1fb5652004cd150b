// The gesture engine's procedures: plain procedures over the shared state
// and the desktop port, called on the UI thread by timers and events.
#pragma once

#include "engine/ProgramState.h"
#include "port/DesktopPort.h"

namespace tremolux {

// True only for the state 0x8001: down now and pressed since the previous
// query. The query itself clears the press bit.
bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey);

// Window actions on the current foreground window. The shell's windows
// (the taskbar, the desktop) and the program's own are never laid out.
void PlaceLeftHalf(ProgramState& state, DesktopPort& port);
void PlaceRightHalf(ProgramState& state, DesktopPort& port);
void PlaceMaximized(ProgramState& state, DesktopPort& port);
void PlaceMinimized(ProgramState& state, DesktopPort& port);

// The same actions by name, with the rectangle the record keeps: null for
// the window's rectangle at the action, as above.
enum class WindowAction { LeftHalf, RightHalf, Maximized, Minimized };
void RunWindowAction(ProgramState& state, DesktopPort& port, WindowAction action,
                     const Rect* savedRect);

// A window's move/size loop has started: the user drags it by its title
// bar or a border. Its rectangle now is where a drag-bump's restore puts it.
void MoveSizeStarted(ProgramState& state, DesktopPort& port, WindowHandle window);
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
