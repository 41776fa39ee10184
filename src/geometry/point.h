#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace pv {

// A vertex in plotter units (1/40 mm): x along the paper feed, y across the
// paper (the carriage direction).
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Angle differences are folded into (-pi, pi] with these exact constants so
// that results match the machine data produced elsewhere bit for bit.
inline constexpr double kPi = 3.14159265359;
inline constexpr double kTwoPi = 6.28318530718;

inline double FoldAngle(double a) {
    if (a > kPi) a -= kTwoPi;
    else if (a <= -kPi) a += kTwoPi;
    return a;
}

// Coordinates are 32-bit; sums and products are formed in 64 bits or double
// and brought back by saturating at the int32 limits, so a drawing pushed
// past the coordinate range piles up at its edge instead of wrapping round.
inline std::int32_t ClampToInt32(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Truncation toward zero into a coordinate, saturating; NaN becomes 0.
inline std::int32_t TruncToInt32(double v) {
    if (!(v == v)) return 0;
    if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

// Direction of the segment a->b in radians from +X, counter-clockwise.
inline double Direction(const Point& a, const Point& b) {
    return std::atan2(static_cast<double>(b.y) - static_cast<double>(a.y),
                      static_cast<double>(b.x) - static_cast<double>(a.x));
}

inline double Distance(const Point& a, const Point& b) {
    const double dx = static_cast<double>(b.x) - static_cast<double>(a.x);
    const double dy = static_cast<double>(b.y) - static_cast<double>(a.y);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace pv
