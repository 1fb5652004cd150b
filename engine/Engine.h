// The gesture engine's procedures: plain procedures over the shared state
// and the desktop port, called on the UI thread by timers and events.
#pragma once

#include "engine/ProgramState.h"
#include "engine/Samples.h"
#include "port/DesktopPort.h"

namespace tremolux {

// True only for the state 0x8001: down now and pressed since the previous
// query. The query itself clears the press bit.
bool KeyJustPressed(DesktopPort& port, std::int32_t virtualKey);

// Window actions on the current foreground window, within the work area of
// the monitor under the pointer. The shell's windows (the taskbar, the
// desktop) and the program's own are never laid out.
void PlaceLeftHalf(ProgramState& state, DesktopPort& port);
void PlaceRightHalf(ProgramState& state, DesktopPort& port);
void PlaceMaximized(ProgramState& state, DesktopPort& port);
void PlaceMinimized(ProgramState& state, DesktopPort& port);

// The same actions by name, within the work area of the gesture's monitor.
// With the window whose drag acts (dragged), the record keeps how that
// window stood when its drag began, where the platform reported that start,
// and a window minimized from its drag is minimized from there. False when
// the window in front was left alone, as one the action cannot change; true
// when the action went ahead (whether the window manager took the change or
// not) or the user's switch stopped it.
enum class WindowAction { LeftHalf, RightHalf, Maximized, Minimized };
bool RunWindowAction(ProgramState& state, DesktopPort& port, WindowAction action,
                     WindowHandle dragged, const Monitor& monitor);

// OperationMode 1 is drag-bump mode, and 0 acts as 1; any other is slide
// mode.
bool DragBumpMode(const ProgramState& state);

// A window's move/size loop has started: the user drags it by its title
// bar or a border. Its rectangle now is where a drag-bump's restore puts it.
// In drag-bump mode the drag is followed from then on, at its window's
// location changes and at the drag timer's ticks, until its loop ends.
void MoveSizeStarted(ProgramState& state, DesktopPort& port, WindowHandle window);
void MoveSizeEnded(ProgramState& state, DesktopPort& port, WindowHandle window);
void LocationChanged(ProgramState& state, DesktopPort& port, WindowHandle window);
void DragTimerTick(ProgramState& state, DesktopPort& port);
// The main window's drag timer, within a frame.
constexpr std::uint32_t kDragTimer = 4;
constexpr std::uint32_t kDragTimerInterval = 10;
// In slide mode the pointer is followed at each of its moves, which the
// platform reports while the program hooks them, and where it reports none,
// while it lies on an edge line, at the slide timer's ticks, about once a
// frame; the timer runs only then. Leaving slide mode ends both.
void CursorMoved(ProgramState& state, DesktopPort& port);
void SlideTimerTick(ProgramState& state, DesktopPort& port);
void StopFollowingPointer(ProgramState& state, DesktopPort& port);
constexpr std::uint32_t kSlideTimer = 5;
constexpr std::uint32_t kSlideTimerInterval = 16;
// The detectors on the monitor under the pointer: the tick's, or read when
// called on their own.
void DragBumpDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor);
void DragBumpDetector(ProgramState& state, DesktopPort& port);
void SlideDetector(ProgramState& state, DesktopPort& port, const Monitor& monitor);
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
