#include "geometry/curve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pv {

namespace {

// True when the direction of u equals that of v exactly as doubles from the
// two-argument arc tangent.  Directions that are plainly apart (their sine
// more than 1e-9) cannot round to the same double, so the arc tangents are
// only formed for the nearly parallel pairs; the answer is the same.
bool SameDirection(double ux, double uy, double vx, double vy) {
    const double cross = ux * vy - uy * vx;
    const double mag = std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy));
    if (std::fabs(cross) > 1e-9 * mag) return false;
    return std::atan2(uy, ux) == std::atan2(vy, vx);
}

double Dx(const Point& a, const Point& b) { return static_cast<double>(b.x) - static_cast<double>(a.x); }
double Dy(const Point& a, const Point& b) { return static_cast<double>(b.y) - static_cast<double>(a.y); }

Point Midpoint(const Point& a, const Point& b) {
    // Integer halves truncated toward zero, formed in 64 bits.
    return {static_cast<std::int32_t>((std::int64_t{a.x} + b.x) / 2),
            static_cast<std::int32_t>((std::int64_t{a.y} + b.y) / 2)};
}

bool SpanTooLong(const Point& a, const Point& b) {
    return std::llabs(std::int64_t{b.x} - a.x) > 40000;
}

// Number of pieces the halving makes of one segment.
std::size_t SplitPieces(const Point& a, const Point& b) {
    if (!SpanTooLong(a, b)) return 1;
    const Point m = Midpoint(a, b);
    return SplitPieces(a, m) + SplitPieces(m, b);
}

// Appends the points after a of the halved segment a->b, in order.
void AppendSplit(const Point& a, const Point& b, std::vector<Point>& out) {
    if (!SpanTooLong(a, b)) {
        out.push_back(b);
        return;
    }
    const Point m = Midpoint(a, b);
    AppendSplit(a, m, out);
    AppendSplit(m, b, out);
}

}  // namespace

void CCurve::CopyFrom(const CCurve& other) {
    if (this == &other) return;
    CopyFieldsFrom(other);
    points = other.points;
}

void CCurve::CopyFieldsFrom(const CCurve& other) {
    selected = other.selected;
    kind = other.kind;
    lineType = other.lineType;
    minX = other.minX;
    maxX = other.maxX;
    minY = other.minY;
    maxY = other.maxY;
    role = other.role;
}

void CCurve::CalcBounds() {
    if (points.empty()) return;
    minX = maxX = points.front().x;
    minY = maxY = points.front().y;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
}

void CCurve::CalcLength() {
    length = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i) length += Distance(points[i - 1], points[i]);
}

void CCurve::Offset(std::int32_t dx, std::int32_t dy) {
    for (Point& p : points) {
        p.x = ClampToInt32(std::int64_t{p.x} + dx);
        p.y = ClampToInt32(std::int64_t{p.y} + dy);
    }
    minX = ClampToInt32(std::int64_t{minX} + dx);
    maxX = ClampToInt32(std::int64_t{maxX} + dx);
    minY = ClampToInt32(std::int64_t{minY} + dy);
    maxY = ClampToInt32(std::int64_t{maxY} + dy);
}

void CCurve::Scale(double sx, double sy) {
    for (Point& p : points) {
        p.x = TruncToInt32(p.x * sx);
        p.y = TruncToInt32(p.y * sy);
    }
}

void CCurve::MirrorY(std::int32_t h) {
    for (Point& p : points) p.y = ClampToInt32(std::int64_t{h} - p.y);
}

void CCurve::Reverse() { std::reverse(points.begin(), points.end()); }

void CCurve::RemoveDuplicates() {
    points.erase(std::unique(points.begin(), points.end()), points.end());
}

void CCurve::RemoveCollinear() {
    const std::size_t n = points.size();
    if (n < 3) return;
    // One pass that compacts in place: the point before the candidate is the
    // last one kept, exactly as when the candidate's predecessor is re-read
    // after each removal.
    std::size_t w = 1;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const Point& prev = points[w - 1];
        const Point& cur = points[i];
        const Point& next = points[i + 1];
        if (!SameDirection(Dx(prev, cur), Dy(prev, cur), Dx(cur, next), Dy(cur, next)))
            points[w++] = cur;
    }
    points[w++] = points[n - 1];
    points.resize(w);
}

void CCurve::Tidy() {
    RemoveDuplicates();
    RemoveCollinear();
}

int CCurve::TestClosed() {
    closed = 0;
    if (points.size() < 4) return 0;
    if (Distance(points.front(), points.back()) <= 20.0) closed = 1;
    return closed;
}

bool CCurve::SplitLongSpans() {
    if (points.size() < 2) return true;
    std::size_t total = 1;
    bool any = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const std::size_t pieces = SplitPieces(points[i - 1], points[i]);
        any = any || pieces > 1;
        total += pieces;
        if (total > kMaxSplitPoints) return false;
    }
    if (!any) return true;
    std::vector<Point> out;
    out.reserve(total);
    out.push_back(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) AppendSplit(points[i - 1], points[i], out);
    points = std::move(out);
    return true;
}

bool CCurve::ContainsPoint(std::int32_t px, std::int32_t py) const {
    if (points.size() < 2) return false;
    int winding = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        // Cross product in mm, both factors scaled by 1/40.
        const double c = (Dx(a, b) / 40.0) * ((static_cast<double>(py) - a.y) / 40.0) -
                         ((static_cast<double>(px) - a.x) / 40.0) * (Dy(a, b) / 40.0);
        if (a.y <= py && py < b.y) {
            if (c > 0) ++winding;
        } else if (b.y <= py && py < a.y) {
            if (c < 0) --winding;
        }
    }
    return winding != 0;
}

void CCurve::ExtendEnd(double d) {
    CalcLength();
    if (points.size() < 2 || length < 400.0) return;
    Point& p = points.back();
    const Point& q = points[points.size() - 2];
    const double theta = Direction(q, p);
    p = {TruncToInt32(p.x + d * std::cos(theta)), TruncToInt32(p.y + d * std::sin(theta))};
}

void CCurve::AddKnifeLeadIn(double r, double heading) {
    if (points.size() < 2) return;
    const Point s = points[0];
    const Point t = points[1];
    const double f = Distance(s, t);
    const double g = Direction(s, t);

    const std::size_t drop = r > f ? 2 : 1;
    const double turn = FoldAngle(heading - g);
    // One step per 5 degrees of turn, rounded up from a tenth of a step.
    double steps = std::trunc(std::fabs(turn) * 180.0 / kPi / 5.0 + 0.9);
    if (!(steps >= 1.0)) steps = 1.0;   // also catches a NaN heading
    if (steps > 3600.0) steps = 3600.0; // a half turn needs 36; guards a wild heading
    const int n = static_cast<int>(steps);

    std::vector<Point> out;
    out.reserve(points.size() - drop + n + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = heading - i * turn / n;
        out.push_back({TruncToInt32(s.x + r * std::cos(a)), TruncToInt32(s.y + r * std::sin(a))});
    }
    out.insert(out.end(), points.begin() + static_cast<std::ptrdiff_t>(drop), points.end());
    points = std::move(out);
}

}  // namespace pv
