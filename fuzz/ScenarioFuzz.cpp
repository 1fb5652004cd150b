// libFuzzer target: any bytes as a scenario file, parsed and, when it
// parses, run on the simulated desktop. The parser must refuse what it
// cannot read, and a run must end (the tighter bounds below keep each input
// quick) without touching memory it does not own or leaving undefined
// behaviour behind; both sanitizers watch.
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/sim/Replay.h"
#include "platform/sim/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    tremolux::sim::ParseError error{};
    const auto scenario = tremolux::sim::ParseScenario(in, error);
    if (!scenario) {
        if (error.line <= 0 || error.message.empty()) __builtin_trap();
        return 0;
    }
    tremolux::sim::RunBounds bounds;
    bounds.trace = {20'000, 1u << 20};
    bounds.timerTime = 10 * 60'000;
    bounds.modalDepth = 16;
    std::ostringstream err;
    tremolux::sim::Replay replay(*scenario, nullptr, err, bounds);
    const int code = replay.Run();
    if (code != 0 && code != 1) __builtin_trap();
    return 0;
}
