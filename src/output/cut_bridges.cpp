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

bool TooShort(const CCurve& c, std::int32_t a, std::int32_t b, const BreakStyle& style) {
    const std::int64_t len = TruncToInt64(c.length);
    if (style.dots) return len < b;
    return len < TruncToInt64(1.2 * a);
}

// Cuts one piece of b off `cur` where its length first exceeds a: `cur`
// keeps the part before the piece, `piece` and `rest` receive the piece and
// everything after it.  False when the line never gets longer than a (or
// the piece would not move along the line).
bool CutOffPiece(CCurve& cur, std::int32_t a, std::int32_t b, const BreakStyle& style, CCurve& piece,
                 CCurve& rest) {
    auto& p = cur.points;
    std::int64_t s = 0;   // length before the segment, truncated segment by segment
    std::size_t i = 1;
    double segLen = 0.0;
    for (; i < p.size(); ++i) {
        segLen = Distance(p[i - 1], p[i]);
        const double t = static_cast<double>(s) + segLen;
        if (TruncToInt64(t) > a) break;
        s = TruncToInt64(t);
    }
    if (i >= p.size()) return false;

    const Point q = p[i - 1];
    const double o = static_cast<double>(a) - static_cast<double>(s) - b;
    double reach = static_cast<double>(a) - static_cast<double>(s);
    Point p1 = q;
    if (o > 0) p1 = Along(q, p[i], o, segLen);
    else reach = b;
    const Point p2 = TruncToInt64(segLen) >= reach ? Along(q, p[i], reach, segLen) : p[i];
    if (p2 == q) return false;

    piece = CCurve{};
    piece.kind = style.pieceKind;
    piece.points = {p1, p2};
    rest = CCurve{};
    rest.kind = style.restKind;
    rest.points.reserve(p.size() - i + 1);
    rest.points.push_back(p2);
    rest.points.insert(rest.points.end(), p.begin() + static_cast<std::ptrdiff_t>(i), p.end());
    p.resize(i);
    p.push_back(p1);
    return true;
}

void Break(COnePage& page, std::int32_t a, std::int32_t b, const BreakStyle& style) {
    if (a <= 0 || b <= 0) return;
    std::vector<CCurve> out;
    out.reserve(page.curves.size());
    for (CCurve& curve : page.curves) {
        if (curve.kind != kFullCut) {
            out.push_back(std::move(curve));
            continue;
        }
        CCurve cur = std::move(curve);
        for (;;) {
            cur.CalcLength();
            if (TooShort(cur, a, b, style)) break;
            if (style.dots) cur.kind = kDotGap;
            CCurve piece, rest;
            if (!CutOffPiece(cur, a, b, style, piece, rest)) break;
            cur.CalcBounds();
            piece.CalcBounds();
            out.push_back(std::move(cur));
            out.push_back(std::move(piece));
            cur = std::move(rest);
        }
        if (!cur.points.empty()) cur.CalcBounds();
        out.push_back(std::move(cur));
    }
    page.curves = std::move(out);
}

}  // namespace

void MakeBridges(COnePage& page, std::int32_t a, std::int32_t b) { Break(page, a, b, kBridges); }

void MakeDotted(COnePage& page, std::int32_t a, std::int32_t b) { Break(page, a, b, kDots); }

}  // namespace pv
