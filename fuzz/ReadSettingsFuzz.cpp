// libFuzzer target: arbitrary registry value bytes and types, and arbitrary
// executable paths, read through the settings operations over the simulated
// registry. The reads must never overrun, and must give what the rules say.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "settings/Settings.h"

namespace {

using namespace tremolux;

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

bool Ascii(const std::vector<std::uint8_t>& bytes) {
    for (std::uint8_t b : bytes)
        if (b >= 0x80) return false;
    return true;
}

void ReadValue(std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
    std::int64_t clock = 0;
    sim::Trace trace(nullptr, clock);
    sim::SimDesktop desktop(trace);
    desktop.Registry().Put(win::kHkeyLocalMachine, "Software\\Kestrelia\\Tremolux", "opmode", type,
                           bytes);

    const std::uint32_t number =
        ReadNumber(desktop, win::kHkeyLocalMachine, paths::kOperationMode, 0x12345678);
    if (type != win::kRegDword || bytes.size() != 4) Check(number == 0x12345678);
    if (type == win::kRegDword && bytes.size() == 4) {
        std::uint32_t stored;
        std::memcpy(&stored, bytes.data(), 4);
        Check(number == stored);
    }

    const std::string text =
        ReadText(desktop, win::kHkeyLocalMachine, paths::kOperationMode, "fallback");
    Check(text.find('\0') == std::string::npos);
    if (type != win::kRegSz && type != win::kRegExpandSz) Check(text == "fallback");
    if (type == win::kRegSz && Ascii(bytes)) {
        const auto end = std::find(bytes.begin(), bytes.end(), 0);
        Check(text == std::string(bytes.begin(), end));
    }
}

void ReadPath(const std::vector<std::uint8_t>& bytes) {
    std::int64_t clock = 0;
    sim::Trace trace(nullptr, clock);
    sim::SimDesktop desktop(trace);
    const std::string path(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
    desktop.SetProgramPath(path);
    const std::optional<std::string> read = ProgramPath(desktop);
    // every path up to the longest Windows hands out is read whole
    if (path.empty()) {
        Check(!read || read->empty());
    } else if (path.size() < kMaxProgramPathBytes) {
        Check(read == path);
    } else {
        Check(!read);
    }
    const std::optional<std::string> run = RunValueText(desktop);
    if (run && !path.empty()) Check(run->find(ProgramFileName(path)) != std::string::npos);
}

}  // namespace

// The first byte chooses: below 0x80 a registry value whose type is the
// second byte, otherwise an executable path; the rest is the data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::vector<std::uint8_t> rest(data + 2, data + size);
    if (data[0] < 0x80) {
        ReadValue(data[1] % 12, rest);
    } else {
        ReadPath(std::vector<std::uint8_t>(data + 1, data + size));
    }
    return 0;
}
