// The units of the program's windows as child windows: the strip's picture
// button, and the help window's label and link boxes.
#pragma once

#include <windows.h>

#include "engine/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

void RegisterUnitClasses(HINSTANCE instance);
HWND CreateLabel(HINSTANCE instance, HWND parent, const UnitDeclaration& unit);
// A click opens the link's target through the port.
HWND CreateLinkBox(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, DesktopPort& port);
// Shows the first picture, the second while pressed, and reports a click to
// its parent as a button would (WM_COMMAND, BN_CLICKED, id). It never takes
// the focus, so a click on it activates nothing; the pictures must outlive
// it.
HWND CreatePictureButton(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, UINT_PTR id,
                         const HBITMAP (&pictures)[2]);

}  // namespace tremolux::win32
