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

inline bool Greater(double a, double b) { return a - b > 1e-7; }
inline bool Less(double a, double b) { return a - b < -1e-7; }
inline bool Equal(double a, double b) { return a - b <= 1e-7 && b - a <= 1e-7; }

}  // namespace tremolux
