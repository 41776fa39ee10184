#include "geometry/view_picking.h"

#include <algorithm>
#include <cmath>

namespace pv {

namespace {

constexpr double kHitReach = 4.0;            // pixels
constexpr double kMinCrossingSegment = 5.0;  // plotter units

bool HitsSegment(double ax, double ay, double bx, double by, double px, double py) {
    const double dx = bx - ax, dy = by - ay;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) return std::fabs(px - ax) <= kHitReach && std::fabs(py - ay) <= kHitReach;
    const double ux = dx / len, uy = dy / len;
    const double along = (px - ax) * ux + (py - ay) * uy;
    const double across = (py - ay) * ux - (px - ax) * uy;
    return along >= -kHitReach && along <= len + kHitReach && std::fabs(across) <= kHitReach;
}

// Sign of the turn a->b->c.  Differences of 32-bit coordinates take 33 bits,
// their products up to 66, so the cross product is formed in 128 bits and
// the sign is exact.
int Orientation(Point a, Point b, Point c) {
    const __int128 v = static_cast<__int128>(std::int64_t{b.x} - a.x) * (std::int64_t{c.y} - a.y) -
                       static_cast<__int128>(std::int64_t{b.y} - a.y) * (std::int64_t{c.x} - a.x);
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

bool ProperlyCross(Point a, Point b, Point c, Point d) {
    const int o1 = Orientation(a, b, c), o2 = Orientation(a, b, d);
    const int o3 = Orientation(c, d, a), o4 = Orientation(c, d, b);
    return o1 != 0 && o2 != 0 && o3 != 0 && o4 != 0 && o1 != o2 && o3 != o4;
}

}  // namespace

bool HitTest(const CCurve& curve, const ViewMapping& view, PixelPoint p) {
    const std::size_t n = curve.points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const PixelPoint a = view.ToPixel(curve.points[i]);
        const PixelPoint b = view.ToPixel(curve.points[i + 1]);
        if (HitsSegment(a.x, a.y, b.x, b.y, p.x, p.y)) return true;
    }
    return false;
}

bool IsInsideRect(const CCurve& curve, const ViewMapping& view, const PixelRect& r) {
    return std::all_of(curve.points.begin(), curve.points.end(),
                       [&](const Point& pt) { return r.Contains(view.ToPixel(pt)); });
}

WorldRect WorldRect::Spanning(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool CrossesRectEdge(const CCurve& curve, const WorldRect& r) {
    const Point corners[4] = {{r.minX, r.minY}, {r.maxX, r.minY}, {r.maxX, r.maxY}, {r.minX, r.maxY}};
    const std::size_t n = curve.points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Point a = curve.points[i], b = curve.points[i + 1];
        if (Distance(a, b) < kMinCrossingSegment) continue;
        for (int e = 0; e < 4; ++e)
            if (ProperlyCross(a, b, corners[e], corners[(e + 1) % 4])) return true;
    }
    return false;
}

std::int32_t PickAt(COnePage& page, const ViewMapping& view, PixelPoint p) {
    for (std::int32_t kind = 0; kind <= 9; ++kind) {
        for (std::size_t i = 0; i < page.curves.size(); ++i) {
            CCurve& c = page.curves[i];
            if (c.kind != kind || !HitTest(c, view, p)) continue;
            c.selected = c.selected != 0 ? 0 : 1;
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

std::int32_t SelectInBand(COnePage& page, const ViewMapping& view, PixelPoint press, PixelPoint release) {
    const PixelRect band = PixelRect::Spanning(press, release);
    const bool crossing = release.x > press.x;
    const WorldRect world = WorldRect::Spanning(view.ToWorld(press), view.ToWorld(release));
    std::int32_t count = 0;
    for (CCurve& c : page.curves) {
        if (c.selected != 0) continue;
        if (IsInsideRect(c, view, band) || (crossing && CrossesRectEdge(c, world))) {
            c.selected = 1;
            ++count;
        }
    }
    return count;
}

void SelectAll(COnePage& page) {
    for (CCurve& c : page.curves) c.selected = 1;
}

void MoveSelection(COnePage& page, std::int32_t dx, std::int32_t dy) {
    page.OffsetSelected(dx, dy);
    page.CalcSelectionBounds();
    if (page.anySelected != 0) {
        const std::int32_t backX = page.selMinX < 0 ? -page.selMinX : 0;
        const std::int32_t backY = page.selMinY < 0 ? -page.selMinY : 0;
        if (backX != 0 || backY != 0) {
            page.OffsetSelected(backX, backY);
            page.CalcSelectionBounds();
        }
    }
    page.CalcBounds();
}

}  // namespace pv
