#pragma once
// Curves for the recognition tests, in plotter units (40 per mm).
#include <initializer_list>
#include <vector>

#include "geometry/curve.h"
#include "geometry/one_page.h"

namespace pv::rectest {

inline CCurve MakeCurve(std::initializer_list<Point> pts, std::int32_t kind = kDrawn) {
    CCurve c;
    c.points = pts;
    c.kind = kind;
    return c;
}

// A rectangle of w x h units from (x, y), counter-clockwise, whose last point
// stops `gap` units short of the first (along the last side).
inline CCurve Rect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::int32_t gap = 0,
                   std::int32_t kind = kDrawn) {
    return MakeCurve({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y + gap}}, kind);
}

inline constexpr std::int32_t Mm(double mm) { return static_cast<std::int32_t>(mm * 40.0 + (mm >= 0 ? 0.5 : -0.5)); }

}  // namespace pv::rectest
