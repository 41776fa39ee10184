#include "output/cut_bridges.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/curve.h"
#include "geometry/point.h"
#include "output/saturating_trunc.h"

namespace pv {

namespace {

struct BreakStyle {
    std::int32_t pieceKind;   // the short piece: bridge or dot
    std::int32_t restKind;    // the rest of the line: full cut or gap
    bool dots;
};

constexpr BreakStyle kBridges{kHalfCut, kFullCut, false};
constexpr BreakStyle kDots{kDot, kDotGap, true};

// The point `dist` units from q toward p (|qp| = len > 0), each coordinate
// truncated.
Point Along(const Point& q, const Point& p, double dist, double len) {
    return Point{TruncToInt32(q.x + (static_cast<double>(p.x) - q.x) * dist / len),
                 TruncToInt32(q.y + (static_cast<double>(p.y) - q.y) * dist / len)};
}

// The part of a line still to be broken: `first`, then the line's points
// from `from` on.  Kept as a place in the line instead of a copy, so a long
// line with thousands of bridges is walked once, not once per bridge.
struct Rest {
    Point first;
    std::size_t from;
};

class LineWalk {
public:
    explicit LineWalk(const std::vector<Point>& pts) : pts_(pts) {}

    std::size_t Count(const Rest& r) const { return 1 + pts_.size() - r.from; }
    const Point& At(const Rest& r, std::size_t j) const { return j == 0 ? r.first : pts_[r.from + j - 1]; }

    // Whether the rest, measured as one curve (segment lengths summed from
    // its start), truncates to less than `limit`.  The running sum never
    // falls, so the walk stops as soon as it reaches the limit.
    bool ShorterThan(const Rest& r, std::int64_t limit) const {
        double length = 0.0;
        const std::size_t n = Count(r);
        for (std::size_t j = 1; j < n; ++j) {
            length += Distance(At(r, j - 1), At(r, j));
            if (TruncToInt64(length) >= limit) return false;
        }
        return TruncToInt64(length) < limit;
    }

    // Cuts one piece of b off the rest where its length first exceeds a:
    // `before` receives the part before the piece (ending at the piece's
    // start p1), the piece runs p1 → p2, and the rest becomes p2 and
    // everything after it.  False when the line never gets longer than a (or
    // the piece would not move along the line).
    bool CutOffPiece(Rest& r, std::int32_t a, std::int32_t b, std::vector<Point>& before, Point& p1,
                     Point& p2) const {
        const std::size_t n = Count(r);
        std::int64_t s = 0;   // length before the segment, truncated segment by segment
        std::size_t i = 1;
        double segLen = 0.0;
        for (; i < n; ++i) {
            segLen = Distance(At(r, i - 1), At(r, i));
            const double t = static_cast<double>(s) + segLen;
            if (TruncToInt64(t) > a) break;
            s = TruncToInt64(t);
        }
        if (i >= n) return false;

        const Point q = At(r, i - 1);
        const Point pi = At(r, i);
        const double o = static_cast<double>(a) - static_cast<double>(s) - b;
        double reach = static_cast<double>(a) - static_cast<double>(s);
        p1 = q;
        if (o > 0) p1 = Along(q, pi, o, segLen);
        else reach = b;
        p2 = TruncToInt64(segLen) >= reach ? Along(q, pi, reach, segLen) : pi;
        if (p2 == q) return false;

        before.clear();
        before.reserve(i + 1);
        for (std::size_t j = 0; j < i; ++j) before.push_back(At(r, j));
        before.push_back(p1);
        r = Rest{p2, r.from + i - 1};
        return true;
    }

    std::vector<Point> Points(const Rest& r) const {
        std::vector<Point> out;
        out.reserve(Count(r));
        out.push_back(r.first);
        out.insert(out.end(), pts_.begin() + static_cast<std::ptrdiff_t>(r.from), pts_.end());
        return out;
    }

private:
    const std::vector<Point>& pts_;
};

CCurve Finished(CCurve c, std::vector<Point> points) {
    c.points = std::move(points);
    c.CalcLength();
    c.CalcBounds();
    return c;
}

// One full cut: pieces are cut off while the rest is long enough.  The
// first part keeps the curve's own fields; the later parts and pieces are
// new curves of the style's kinds.
void BreakLine(CCurve curve, std::int32_t a, std::int32_t b, const BreakStyle& style, std::vector<CCurve>& out) {
    const std::vector<Point> pts = std::move(curve.points);
    curve.points.clear();
    if (pts.empty()) {
        out.push_back(std::move(curve));
        return;
    }
    const LineWalk walk(pts);
    const std::int64_t limit = style.dots ? std::int64_t{b} : TruncToInt64(1.2 * a);
    Rest rest{pts.front(), 1};
    CCurve part = std::move(curve);   // the fields of the part being cut now
    std::vector<Point> before;
    for (;;) {
        if (walk.ShorterThan(rest, limit)) break;
        if (style.dots) part.kind = kDotGap;
        Point p1, p2;
        if (!walk.CutOffPiece(rest, a, b, before, p1, p2)) break;
        out.push_back(Finished(std::move(part), std::move(before)));
        CCurve piece;
        piece.kind = style.pieceKind;
        out.push_back(Finished(std::move(piece), {p1, p2}));
        part = CCurve{};
        part.kind = style.restKind;
        before = {};
    }
    out.push_back(Finished(std::move(part), walk.Points(rest)));
}

void Break(COnePage& page, std::int32_t a, std::int32_t b, const BreakStyle& style) {
    if (a <= 0 || b <= 0) return;
    std::vector<CCurve> out;
    out.reserve(page.curves.size());
    for (CCurve& curve : page.curves) {
        if (curve.kind != kFullCut) out.push_back(std::move(curve));
        else BreakLine(std::move(curve), a, b, style, out);
    }
    page.curves = std::move(out);
}

}  // namespace

void MakeBridges(COnePage& page, std::int32_t a, std::int32_t b) { Break(page, a, b, kBridges); }

void MakeDotted(COnePage& page, std::int32_t a, std::int32_t b) { Break(page, a, b, kDots); }

}  // namespace pv
