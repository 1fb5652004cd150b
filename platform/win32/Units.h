// The units of the program's windows as child windows: the strip's picture
// button, and the help window's label and link boxes.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/DpiLayout.h"
#include "port/DesktopPort.h"
#include "shell/Declarations.h"

namespace tremolux::win32 {

void RegisterUnitClasses(HINSTANCE instance);
// The label and the link boxes draw with the font they are given
// (WM_SETFONT), which the caller owns and keeps alive while they show it;
// with none, the label draws in the system font and a link box in the
// default GUI font.

// Each shows its text in the language the program speaks.
HWND CreateLabel(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, const Texts& texts);
// A click opens the link's target through the port.
HWND CreateLinkBox(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, const Texts& texts,
                   DesktopPort& port);
// Shows the first picture, the second while pressed, and reports a click to
// its parent as a button would (WM_COMMAND, BN_CLICKED, id). It never takes
// the focus, so a click on it activates nothing; the pictures must outlive
// it.
HWND CreatePictureButton(HINSTANCE instance, HWND parent, const UnitDeclaration& unit, UINT_PTR id,
                         const HBITMAP (&pictures)[2]);

// How the label lays its text out in the font at the given client width:
// the whole text's height and, for each unit that sits on a line, the
// bottom of that line. Nothing when there is no device context to measure
// with.
std::optional<TextLayout> MeasureLabelText(HFONT font, int width,
                                           std::span<const UnitDeclaration> units,
                                           const Texts& texts);

// Whether the user has high contrast on.
bool HighContrast();

}  // namespace tremolux::win32
