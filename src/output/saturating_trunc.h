#pragma once
// Truncation toward zero of a double into a 64-bit count that saturates
// instead of overflowing (NaN becomes 0), for pulse positions computed from
// values the operator or the machine supplied.  Coordinates use
// TruncToInt32 of geometry/point.h.
#include <cmath>
#include <cstdint>

namespace pv {

inline std::int64_t TruncToInt64(double v) {
    if (std::isnan(v)) return 0;
    constexpr double kLimit = 9.2e18;
    if (v >= kLimit) return static_cast<std::int64_t>(kLimit);
    if (v <= -kLimit) return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(v);
}

}  // namespace pv
