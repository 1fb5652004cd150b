// Start-up, exit and the tray menu's commands.
#pragma once

#include "engine/ProgramState.h"
#include "port/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux {

// The process entry's part before and after the message loop: load the main
// window (its created event runs StartUp), and tear the state down.
void StartProcess(ProgramState& state, DesktopPort& port);
void EndProcess(ProgramState& state, DesktopPort& port);

void StartUp(ProgramState& state, DesktopPort& port);
// Puts the tray icon up; while the shell refuses it, tries again every
// second. RestoreTrayIcon puts a running instance's icon back on a new
// taskbar.
void ShowTrayIcon(ProgramState& state, DesktopPort& port);
void RestoreTrayIcon(ProgramState& state, DesktopPort& port);
// Removes the tray icon and ends the process with exit code 0.
void ExitProgram(ProgramState& state, DesktopPort& port);

void ShowTrayMenu(ProgramState& state, DesktopPort& port, const TrayNotification& notification);
// After the tray menu: the window that had the foreground before gets it
// back, unless a window has come forward meanwhile.
void ReturnForeground(ProgramState& state, DesktopPort& port);
void ChooseDragBumpMode(ProgramState& state, DesktopPort& port);
void ChooseSlideMode(ProgramState& state, DesktopPort& port);
void ToggleNoMax(ProgramState& state, DesktopPort& port);
void ToggleNoMin(ProgramState& state, DesktopPort& port);
void ToggleStartWithWindows(ProgramState& state, DesktopPort& port);
void OpenHelpWindow(ProgramState& state, DesktopPort& port);
// Asks, then removes every value the program has written, and says whether
// anything is left.
void CleanUpSettings(ProgramState& state, DesktopPort& port);

}  // namespace tremolux
