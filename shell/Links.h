// The help window's link boxes: what a click opens.
#pragma once

#include <string>
#include <string_view>

#include "port/DesktopPort.h"

namespace tremolux {

// Opens the target with the shell's "open" verb or, when that fails, with
// the program registered for ".htm" files. True when either road worked:
// the link then shows as visited.
bool OpenLink(DesktopPort& port, const char* target);

// The registered open command cut where the placeholder begins (a quoted
// "%1" first, else a bare %1, else nowhere), then a space and the target,
// in double quotes where the placeholder was.
std::string FallbackCommandLine(std::string_view registered, std::string_view target);

}  // namespace tremolux
