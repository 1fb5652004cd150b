// The settings store: four registry values under HKEY_LOCAL_MACHINE, reached
// through the desktop port's registry operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DesktopPort.h"

namespace tremolux {

// A location's path is split at its last backslash into key and value name;
// a path with no backslash names a value directly under the root.
struct RegistryLocation {
    std::string key;
    std::string valueName;
};
RegistryLocation SplitLocation(std::string_view path);

// The REG_DWORD at the location, or fallback when the key or value is missing
// or the value is not a 4-byte REG_DWORD.
std::uint32_t ReadNumber(DesktopPort& port, RegistryKey root, std::string_view path,
                         std::uint32_t fallback = 0);

enum class Effect { Maximize, Minimize };

// Read afresh before every maximize or minimize: any non-zero switch stops it.
bool EffectSwitchedOff(DesktopPort& port, Effect effect);

}  // namespace tremolux
