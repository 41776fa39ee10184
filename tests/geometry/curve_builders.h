#pragma once
// Small builders for curves and pages, and a printer so that failed
// comparisons show the points.
#include <initializer_list>
#include <ostream>
#include <vector>

#include "geometry/curve.h"
#include "geometry/one_page.h"

namespace pv {

inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace test {

inline CCurve MakeCurve(std::initializer_list<Point> pts, std::int32_t kind = kDrawn) {
    CCurve c;
    c.points = pts;
    c.kind = kind;
    c.CalcBounds();
    return c;
}

inline CCurve MakeCurve(const std::vector<Point>& pts, std::int32_t kind = kDrawn) {
    CCurve c;
    c.points = pts;
    c.kind = kind;
    c.CalcBounds();
    return c;
}

// Every field a curve carries, for whole-page comparisons.
inline bool SameCurve(const CCurve& a, const CCurve& b) {
    return a.points == b.points && a.kind == b.kind && a.lineType == b.lineType &&
           a.role == b.role && a.selected == b.selected && a.isTNotch == b.isTNotch &&
           a.isINotch == b.isINotch && a.closed == b.closed;
}

inline std::vector<std::vector<Point>> PointsOf(const COnePage& page) {
    std::vector<std::vector<Point>> out;
    for (const CCurve& c : page.curves) out.push_back(c.points);
    return out;
}

}  // namespace test
}  // namespace pv
