// The system's procedures that a scenario can `call`, by name.
#pragma once

#include <string_view>

#include "engine/ProgramState.h"
#include "port/DesktopPort.h"

namespace tremolux::sim {

using Procedure = void (*)(ProgramState&, DesktopPort&);

// Null for a name that is not callable.
Procedure FindProcedure(std::string_view name);

}  // namespace tremolux::sim
