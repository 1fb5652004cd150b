// The numeric rules: computed coordinates are worked out in doubles,
// compared with a 1e-7 tolerance and turned back into 32-bit integers by
// truncation toward zero.
#pragma once

#include <cstdint>
#include <limits>

namespace tremolux {

// A cursor coordinate that could not be read. Every tolerance comparison
// with it is false, so a failed read lies on no edge line and in no region.
constexpr double kNoSample = std::numeric_limits<double>::quiet_NaN();

// Toward zero through a signed 64-bit integer, then its low 32 bits. A value
// outside the 64-bit range (or NaN) gives the integer-indefinite pattern
// 0x8000000000000000, whose low 32 bits are 0.
std::int32_t Truncate(double value);

// A 64-bit result brought into the 32-bit range by clamping, where a
// position past the range must stay at its end rather than wrap.
constexpr std::int32_t Saturate(std::int64_t value) {
    return value < std::numeric_limits<std::int32_t>::min()
               ? std::numeric_limits<std::int32_t>::min()
           : value > std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(value);
}

// The next size of a buffer that doubles while its contents do not fit: up
// to bound, and reaching it, so that the last try is at the bound itself.
constexpr std::uint32_t NextBufferSize(std::uint32_t size, std::uint32_t bound) {
    return size >= bound / 2 ? bound : size * 2;
}

inline bool Greater(double a, double b) { return a - b > 1e-7; }
inline bool Less(double a, double b) { return a - b < -1e-7; }
inline bool Equal(double a, double b) { return a - b <= 1e-7 && b - a <= 1e-7; }

}  // namespace tremolux
