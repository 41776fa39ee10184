// Manual paging across the paper: a drawing wider than the paper (its Y
// extent) is cut into strips of the paper's width that are laid side by side
// along the feed, with join marks along each cut so the operator can glue the
// strips together again.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "geometry/one_page.h"

namespace pv {

namespace {

// Join marks per strip edge for a page of length maxX (at least 4000).
std::int64_t MarkCurveCount(std::int64_t maxX) {
    const std::int64_t dashes = maxX / 400 + 1;
    const std::int64_t crosses = maxX / 4000 + (maxX % 4000 > 400 ? 1 : 0);
    return 2 * dashes + 4 * crosses;
}

CCurve MarkCurve(std::initializer_list<Point> pts) {
    CCurve c;   // kind 1, line type 0
    c.points = pts;
    return c;
}

Point At(std::int64_t x, std::int64_t y) { return {ClampToInt32(x), ClampToInt32(y)}; }

// One straight piece while paging; the curve fields come from `src`, a curve
// of the page as it was when the pieces were made.  A piece the paging had
// to create (a segment of a longer curve, the upper part of a cut) starts
// from the source's copyable fields only, as a copied curve does; a
// two-point curve moves as itself and keeps its notch and closed flags.
struct Piece {
    Point a, b;
    std::uint32_t src;
    bool fresh;
};

// Upper bounds of the work and of the pieces a paging into strips of height
// h makes of a segment from y1 to y2: it is visited once per strip it starts
// above, and cut once per strip edge it crosses.
void AddEstimate(std::int64_t y1, std::int64_t y2, std::int64_t h, std::int64_t& visits,
                 std::int64_t& pieces) {
    visits += std::max<std::int64_t>(0, std::max(y1, y2)) / h + 2;
    pieces += std::llabs(y2 - y1) / h + 2;
}

Piece Shifted(const Piece& p, std::int64_t dx, std::int64_t h, bool fresh) {
    return {At(p.a.x + dx, p.a.y - h), At(p.b.x + dx, p.b.y - h), p.src, fresh};
}

// The pieces one segment leaves in the strips.  Each pass keeps a piece
// lying at or below h, moves one lying above h a strip on, and cuts one
// crossing h there, keeping the lower part and moving the upper part; what
// is kept in pass k lands in group k - 1, what is still moving after the
// last pass in group `passes`.
template <typename Emit>
void PageSegment(Piece cur, std::int32_t h, std::int32_t passes, std::int64_t stripShift, Emit&& emit) {
    for (std::int32_t pass = 0; pass < passes; ++pass) {
        const std::int32_t y1 = cur.a.y, y2 = cur.b.y;
        if (y1 <= h && y2 <= h) {
            emit(pass, cur);
            return;
        }
        if (y1 >= h && y2 >= h) {
            cur = Shifted(cur, stripShift, h, cur.fresh);
            continue;
        }
        const double xs = cur.a.x + (static_cast<double>(cur.b.x) - cur.a.x) *
                                        (static_cast<double>(h) - y1) / (static_cast<double>(y2) - y1);
        const Point cut{TruncToInt32(xs), h};
        if (y1 < h) {
            emit(pass, Piece{cur.a, cut, cur.src, cur.fresh});
            cur = Shifted({cut, cur.b, cur.src, true}, stripShift, h, true);
        } else {
            emit(pass, Piece{cut, cur.b, cur.src, cur.fresh});
            cur = Shifted({cur.a, cut, cur.src, true}, stripShift, h, true);
        }
    }
    emit(passes, cur);
}

// The passes over the whole list, as the strips come out of them: every
// pass keeps the pieces it keeps where they are and appends the moved ones
// in list order, so the final list is group 0, then group 1, and so on,
// each group in the order of the segments it came from.
std::vector<Piece> PageSegments(const std::vector<Piece>& segments, std::int32_t h, std::int32_t passes,
                                std::int64_t stripShift) {
    std::vector<std::pair<std::int32_t, Piece>> tagged;
    tagged.reserve(segments.size() + segments.size() / 2);
    for (const Piece& seg : segments)
        PageSegment(seg, h, passes, stripShift, [&](std::int32_t group, const Piece& p) { tagged.push_back({group, p}); });

    std::vector<Piece> out(tagged.size());
    const std::size_t groups = static_cast<std::size_t>(passes) + 1;
    if (groups <= 4 * tagged.size() + 1024) {
        std::vector<std::size_t> start(groups + 1, 0);   // counting sort by group, stable
        for (const auto& [g, p] : tagged) ++start[static_cast<std::size_t>(g) + 1];
        for (std::size_t g = 1; g <= groups; ++g) start[g] += start[g - 1];
        for (const auto& [g, p] : tagged) out[start[static_cast<std::size_t>(g)]++] = p;
    } else {
        std::stable_sort(tagged.begin(), tagged.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
        for (std::size_t i = 0; i < tagged.size(); ++i) out[i] = tagged[i].second;
    }
    return out;
}

// Turns the pieces back into curves, joining list neighbours of one kind
// whose ends meet (notches stay on their own).
std::vector<CCurve> JoinPieces(const std::vector<Piece>& pieces, const std::vector<CCurve>& src) {
    std::vector<CCurve> out;
    bool lastNotch = false;
    for (const Piece& p : pieces) {
        const CCurve& from = src[p.src];
        const bool notch = !p.fresh && from.IsNotch();
        if (!out.empty() && out.back().kind == from.kind && !lastNotch && !notch &&
            out.back().points.back() == p.a) {
            out.back().points.push_back(p.b);
            continue;
        }
        CCurve c;
        if (p.fresh) {
            c.CopyFieldsFrom(from);
        } else {
            c.CopyFieldsFrom(from);
            c.isTNotch = from.isTNotch;
            c.isINotch = from.isINotch;
            c.closed = from.closed;
            c.length = from.length;
        }
        c.points = {p.a, p.b};
        out.push_back(std::move(c));
        lastNotch = notch;
    }
    return out;
}

}  // namespace

int COnePage::AddJoinMarks(std::int32_t y) {
    if (maxX < 4000) return kPagingNothingToDo;
    if (MarkCurveCount(maxX) > kMaxJoinMarkCurves) return kPagingTooLarge;
    const std::int64_t yy = y;
    curves.reserve(curves.size() + static_cast<std::size_t>(MarkCurveCount(maxX)));
    // Two dashes 300 units long every 400 units, one unit apart.
    for (std::int64_t d = 0; d <= std::int64_t{400} * (maxX / 400); d += 400) {
        curves.push_back(MarkCurve({At(d, yy), At(d + 300, yy)}));
        curves.push_back(MarkCurve({At(d, yy + 1), At(d + 300, yy + 1)}));
    }
    // A cross of four arms every 4000 units (100 mm) about C.
    const std::int64_t m = maxX / 4000 + (maxX % 4000 > 400 ? 1 : 0);
    for (std::int64_t k = 0; k < m; ++k) {
        const std::int64_t f = 400 + 4000 * k;
        const Point c = At(f - 200, yy);
        curves.push_back(MarkCurve({At(f, yy - 200), c, At(f - 400, yy - 200)}));
        curves.push_back(MarkCurve({c, At(f - 200, yy - 400)}));
        curves.push_back(MarkCurve({At(f - 400, yy + 200), c, At(f, yy + 200)}));
        curves.push_back(MarkCurve({c, At(f - 200, yy + 400)}));
    }
    return kPagingDone;
}

int COnePage::ManualYPaging(std::int32_t h) {
    if (curves.empty()) return kPagingNothingToDo;
    if (h <= 0) return kPagingBadHeight;
    CalcBounds();
    if (h >= maxY) return kPagingNothingToDo;
    const std::int32_t n = maxY / h;
    const std::int64_t stripShift = std::int64_t{maxX} + 1200;   // W + 30 mm
    // Every strip must land inside the coordinate range; this also bounds the
    // strip count (below 1.8 million) before any work is done for it.
    if (std::int64_t{n} * stripShift > std::int64_t{std::numeric_limits<std::int32_t>::max()} - maxX)
        return kPagingTooLarge;

    if (maxX >= 4000 && MarkCurveCount(maxX) * n > kMaxPagingSegments) return kPagingTooLarge;
    const std::size_t originalCount = curves.size();
    for (std::int32_t i = 1; i <= n; ++i) AddJoinMarks(static_cast<std::int32_t>(std::int64_t{i} * h));

    // The pieces are kept as bare segments naming their source curve, which
    // gives the same list as exploding the page into two-point curves and
    // moving those, without a curve object per segment.
    std::int64_t visits = 0, pieceBound = 0;
    for (const CCurve& c : curves)
        for (std::size_t i = 1; i < c.points.size(); ++i)
            AddEstimate(c.points[i - 1].y, c.points[i].y, h, visits, pieceBound);
    if (pieceBound > kMaxPagingSegments || visits > 10 * kMaxPagingSegments) {
        curves.resize(originalCount);
        return kPagingTooLarge;
    }
    std::vector<Piece> pieces;
    pieces.reserve(static_cast<std::size_t>(std::min<std::int64_t>(pieceBound, 1 << 22)));
    for (std::size_t ci = 0; ci < curves.size(); ++ci) {
        const auto& pts = curves[ci].points;
        const bool fresh = pts.size() > 2;
        for (std::size_t i = 1; i < pts.size(); ++i)
            pieces.push_back({pts[i - 1], pts[i], static_cast<std::uint32_t>(ci), fresh});
    }

    curves = JoinPieces(PageSegments(pieces, h, n, stripShift), curves);
    CalcBounds();
    return kPagingDone;
}

}  // namespace pv
