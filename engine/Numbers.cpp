#include "engine/Numbers.h"

namespace tremolux {

std::int32_t Truncate(double value) {
    // 2^63 as a double; the range check also rejects NaN.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(value > -kLimit && value < kLimit)) return 0;
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

}  // namespace tremolux
