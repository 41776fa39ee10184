#pragma once
#include <cstdint>

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

}  // namespace pv
