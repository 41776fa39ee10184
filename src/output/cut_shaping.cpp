#include "output/cut_shaping.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/point.h"
#include "output/saturating_trunc.h"

namespace pv {

namespace {

constexpr std::size_t kMaxMidHeightCrossings = 20;

// Records where the ring meets the line y = c, inserting the crossing point
// of each segment that passes the line strictly.  At most 20 indices.
std::vector<std::size_t> MarkMidHeightCrossings(std::vector<Point>& pts, std::int64_t c) {
    std::vector<std::size_t> marks;
    std::size_t i = 0;
    while (i + 1 < pts.size() && marks.size() < kMaxMidHeightCrossings) {
        const std::size_t j = i + 1;
        const std::int64_t yi = pts[i].y, yj = pts[j].y;
        if (yi == c) {
            marks.push_back(i);
            i = j;
        } else if (yj == c) {
            marks.push_back(j);   // the segment leaving P_j would record it again
            i = j + 1;
        } else if ((yi < c && c < yj) || (yj < c && c < yi)) {
            const std::int64_t xi = pts[i].x, xj = pts[j].x;
            const std::int64_t x = (c - yi) * (xj - xi) / (yj - yi) + xi;
            pts.insert(pts.begin() + static_cast<std::ptrdiff_t>(j),
                       Point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(c)});
            marks.push_back(j);
            i = j + 1;
        } else {
            i = j;
        }
    }
    return marks;
}

void RunTowardSmallerX(CCurve& c) {
    if (c.points.front().x < c.points.back().x) c.Reverse();
}

Point MovedAlong(const Point& p, double angle, double d) {
    return Point{TruncToInt32(p.x + d * std::cos(angle)), TruncToInt32(p.y + d * std::sin(angle))};
}

// Four-head over-cut: both ends prolonged by d along their segments.
void ExtendBothEnds(CCurve& c, double d) {
    if (c.points.size() < 2) return;
    c.CalcLength();
    if (c.length < 400.0) return;
    auto& p = c.points;
    const std::size_t n = p.size();
    const Point first = p[0], second = p[1], last = p[n - 1], beforeLast = p[n - 2];
    if (!(first == second)) p[0] = MovedAlong(first, Direction(second, first), d);
    if (!(last == beforeLast)) p[n - 1] = MovedAlong(last, Direction(beforeLast, last), d);
}

// Direction of the last segment of non-zero length, or `fallback`.
double LastHeading(const CCurve& c, double fallback) {
    const auto& p = c.points;
    for (std::size_t i = p.size(); i >= 2; --i) {
        if (!(p[i - 1] == p[i - 2])) return Direction(p[i - 2], p[i - 1]);
    }
    return fallback;
}

}  // namespace

bool SplitClosedCurveAtMidHeight(CCurve& curve, CCurve& first, CCurve& second) {
    if (curve.TestClosed() == 0) return false;
    curve.CalcBounds();
    const std::int64_t c = (std::int64_t{curve.minY} + curve.maxY) / 2;
    std::vector<Point> pts = curve.points;
    const std::vector<std::size_t> marks = MarkMidHeightCrossings(pts, c);
    if (marks.size() < 2) return false;
    const std::size_t u = marks[0], v = marks[1];

    std::vector<Point> a(pts.begin() + static_cast<std::ptrdiff_t>(u), pts.begin() + static_cast<std::ptrdiff_t>(v) + 1);
    std::vector<Point> b(pts.begin() + static_cast<std::ptrdiff_t>(v), pts.end());
    // The first point repeats the last one of a closed ring: skip it.
    for (std::size_t k = 1; k <= u; ++k) b.push_back(pts[k]);
    if (a.size() < 2 || b.size() < 2) return false;

    first.CopyFrom(curve);
    first.points = std::move(a);
    second.CopyFrom(curve);
    second.points = std::move(b);
    RunTowardSmallerX(first);
    RunTowardSmallerX(second);
    first.CalcBounds();
    second.CalcBounds();
    return true;
}

void SplitClosedAtMidHeight(COnePage& page) {
    std::vector<CCurve> out;
    out.reserve(page.curves.size());
    for (CCurve& curve : page.curves) {
        CCurve first, second;
        if (curve.IsCut() && SplitClosedCurveAtMidHeight(curve, first, second)) {
            out.push_back(std::move(first));
            out.push_back(std::move(second));
        } else {
            out.push_back(std::move(curve));
        }
    }
    page.curves = std::move(out);
}

void BreakAtCorners(COnePage& page, double degrees) {
    const double limit = degrees * kPi / 180.0;
    std::vector<CCurve> out;
    out.reserve(page.curves.size());
    for (CCurve& curve : page.curves) {
        const std::size_t n = curve.points.size();
        if (!curve.IsCut() || n < 3) {
            out.push_back(std::move(curve));
            continue;
        }
        // Corners of the whole curve; each piece starts at the previous one.
        std::vector<std::size_t> corners;
        for (std::size_t v = 1; v + 1 < n; ++v) {
            const auto& p = curve.points;
            const double turn = FoldAngle(Direction(p[v], p[v + 1]) - Direction(p[v - 1], p[v]));
            if (std::fabs(turn) > limit) corners.push_back(v);
        }
        if (corners.empty()) {
            out.push_back(std::move(curve));
            continue;
        }
        // The curve keeps the points up to its first corner; each further
        // piece is a copy of it running from one corner to the next.
        const std::vector<Point> all = std::move(curve.points);
        corners.push_back(n - 1);
        CCurve pattern;
        pattern.CopyFrom(curve);
        std::size_t start = 0;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            CCurve piece;
            if (k == 0) piece = std::move(curve);
            else piece.CopyFrom(pattern);
            piece.points.assign(all.begin() + static_cast<std::ptrdiff_t>(start),
                                all.begin() + static_cast<std::ptrdiff_t>(corners[k]) + 1);
            piece.CalcBounds();
            out.push_back(std::move(piece));
            start = corners[k];
        }
    }
    page.curves = std::move(out);
}

void ExtendCutEnds(COnePage& page, double d, Edition edition) {
    for (CCurve& c : page.curves) {
        if (c.kind == kDrawn) continue;
        if (IsFourHead(edition)) ExtendBothEnds(c, d);
        else c.ExtendEnd(d);
    }
}

void AddLeadIns(COnePage& page, double r, Edition edition) {
    if (IsFourHead(edition) || !page.HasCutAfterFirst()) return;
    CCurve start;
    start.kind = kFullCut;
    start.points = {Point{0, 0}, Point{0, 40}};
    start.CalcBounds();
    // The blade points the way the start cut ran (+Y).
    double heading = Direction(start.points[0], start.points[1]);
    page.curves.insert(page.curves.begin(), std::move(start));

    for (std::size_t i = 1; i < page.curves.size(); ++i) {
        CCurve& c = page.curves[i];
        if (c.kind == kDrawn) continue;
        c.AddKnifeLeadIn(r, heading);
        heading = LastHeading(c, heading);
    }
    std::vector<CCurve> out;
    out.reserve(page.curves.size());
    for (CCurve& c : page.curves) {
        c.RemoveDuplicates();
        if (c.points.size() >= 2) out.push_back(std::move(c));
    }
    page.curves = std::move(out);
}

}  // namespace pv
