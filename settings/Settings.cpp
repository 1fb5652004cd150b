#include "settings/Settings.h"

namespace tremolux {

namespace {
constexpr const char* kNoMaxRead = "software\\kestrelia\\tremolux\\nomax";
constexpr const char* kNoMinRead = "software\\kestrelia\\tremolux\\nomin";
}  // namespace

RegistryLocation SplitLocation(std::string_view path) {
    const auto cut = path.rfind('\\');
    if (cut == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, cut)), std::string(path.substr(cut + 1))};
}

std::uint32_t ReadNumber(DesktopPort& port, RegistryKey root, std::string_view path,
                         std::uint32_t fallback) {
    const RegistryLocation location = SplitLocation(path);
    RegistryKey key = 0;
    if (port.RegOpenKeyExA(root, location.key.c_str(), win::kKeyRead, &key) != win::kErrorSuccess)
        return fallback;
    std::uint32_t type = 0;
    std::uint8_t data[4] = {};
    std::uint32_t size = sizeof data;
    const std::int32_t status =
        port.RegQueryValueExA(key, location.valueName.c_str(), &type, data, &size);
    port.RegCloseKey(key);
    if (status != win::kErrorSuccess || type != win::kRegDword || size != sizeof data)
        return fallback;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

bool EffectSwitchedOff(DesktopPort& port, Effect effect) {
    const char* path = effect == Effect::Maximize ? kNoMaxRead : kNoMinRead;
    return ReadNumber(port, win::kHkeyLocalMachine, path) != 0;
}

}  // namespace tremolux
