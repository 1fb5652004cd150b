// The help window's units as child windows: the label and the link boxes.
#pragma once

#include <windows.h>

#include "engine/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

void RegisterUnitClasses(HINSTANCE instance);
HWND CreateLabel(HINSTANCE instance, HWND parent, const UnitDeclaration& unit);
// A click opens the link's target through the port.
HWND CreateLinkBox(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, DesktopPort& port);

}  // namespace tremolux::win32
