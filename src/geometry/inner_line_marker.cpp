#include "geometry/inner_line_marker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "geometry/recognition.h"

namespace pv {

namespace {

// Beyond this size the rounding of the winding test's products could decide
// points outside a box; such pages are compared pair by pair.
constexpr std::int64_t kPruneLimit = std::int64_t{1} << 23;
// A box covering more grid cells than this is offered to every outline.
constexpr std::int64_t kMaxCellsPerBox = 256;
constexpr std::int64_t kMaxCells = std::int64_t{1} << 22;

// The three points that stand for a curve: its first three, or for a line
// its two ends and their midpoint (integer halves).
std::array<Point, 3> Samples(const CCurve& c) {
    const std::vector<Point>& p = c.points;
    if (p.size() == 2) {
        return {p[0], p[1],
                Point{static_cast<std::int32_t>((std::int64_t{p[0].x} + p[1].x) / 2),
                      static_cast<std::int32_t>((std::int64_t{p[0].y} + p[1].y) / 2)}};
    }
    return {p[0], p[1], p[2]};
}

Point BoxCentre(const CCurve& c) {
    return {static_cast<std::int32_t>((std::int64_t{c.minX} + c.maxX) / 2),
            static_cast<std::int32_t>((std::int64_t{c.minY} + c.maxY) / 2)};
}

// a's box lies within b's box widened by 4 units on every side.
bool BoxWithin(const CCurve& a, const CCurve& b) {
    return std::int64_t{a.minX} >= std::int64_t{b.minX} - 4 && std::int64_t{a.maxX} <= std::int64_t{b.maxX} + 4 &&
           std::int64_t{a.minY} >= std::int64_t{b.minY} - 4 && std::int64_t{a.maxY} <= std::int64_t{b.maxY} + 4;
}

bool Compared(const CCurve& c) { return c.points.size() >= 2; }

}  // namespace

void MarkInnerLines(COnePage& page) { InnerLineMarker(page).Run(); }

bool InnerLineMarker::Inside(std::size_t curve, const Point& pt) const {
    if (pruned_) {
        const Reach& r = reach_[curve];
        const bool inBox = pt.x >= r.minX && pt.x <= r.maxX && pt.y >= r.minY && pt.y <= r.maxY;
        const bool inGap = pt.x < r.minX && pt.y >= r.gapLo && pt.y < r.gapHi;
        if (!inBox && !inGap) return false;
    }
    return page_.curves[curve].ContainsPoint(pt.x, pt.y);
}

InnerLineMarker::Relation InnerLineMarker::Relate(std::size_t p, std::size_t q) const {
    const CCurve& pc = page_.curves[p];
    const CCurve& qc = page_.curves[q];
    const std::array<Point, 3> s = Samples(qc);
    const bool qInP = qc.points.size() > 4 ? Inside(p, s[0]) && Inside(p, s[1]) && Inside(p, s[2])
                                           : Inside(p, s[0]) || Inside(p, s[1]) || Inside(p, s[2]);
    if (qInP) return Relation::QInP;
    const bool qCut = qc.kind == kFullCut;
    if (qCut && Inside(q, pc.points[0]) && Inside(q, pc.points[1]) && Inside(q, pc.points[2])) return Relation::PInQ;
    if (qCut && BoxWithin(pc, qc) &&
        (Inside(q, BoxCentre(pc)) || Inside(q, pc.points[pc.points.size() / 2]))) {
        return Relation::PInQ;
    }
    if (BoxWithin(qc, pc) && (Inside(p, BoxCentre(qc)) || Inside(p, qc.points[qc.points.size() / 2]))) {
        return Relation::QInP;
    }
    return Relation::Unrelated;
}

void InnerLineMarker::Run() {
    std::vector<CCurve>& curves = page_.curves;
    const std::size_t n = curves.size();
    if (n > std::numeric_limits<std::uint32_t>::max() - 1) return;
    reach_.assign(n, Reach{});
    pruned_ = true;
    for (std::size_t i = 0; i < n; ++i) {
        CCurve& c = curves[i];
        if (!Compared(c)) continue;
        c.CalcBounds();
        const std::int32_t y0 = c.points.front().y, y1 = c.points.back().y;
        reach_[i] = {c.minX, c.maxX, c.minY, c.maxY, std::min(y0, y1), std::max(y0, y1)};
        for (std::int64_t v : {std::int64_t{c.minX}, std::int64_t{c.maxX}, std::int64_t{c.minY}, std::int64_t{c.maxY}}) {
            if (v <= -kPruneLimit || v >= kPruneLimit) pruned_ = false;
        }
    }
    if (pruned_) BuildIndex();

    std::vector<std::size_t> candidates;
    for (std::size_t p = 0; p < n; ++p) {
        if (curves[p].kind != kFullCut || curves[p].points.size() <= 3) continue;
        Candidates(p, candidates);
        for (std::size_t q : candidates) {
            if (q == p || curves[q].role == kRoleInner || !Compared(curves[q])) continue;
            const Relation r = Relate(p, q);
            if (r == Relation::QInP) {
                curves[q].role = kRoleInner;
                curves[q].kind = kDrawn;
            } else if (r == Relation::PInQ) {
                curves[p].role = kRoleInner;
                curves[p].kind = kDrawn;
                break;
            }
        }
    }
}

void InnerLineMarker::BuildIndex() {
    const std::vector<CCurve>& curves = page_.curves;
    std::int64_t x0 = std::numeric_limits<std::int64_t>::max(), y0 = x0;
    std::int64_t x1 = std::numeric_limits<std::int64_t>::min(), y1 = x1;
    std::size_t filed = 0;
    for (const CCurve& c : curves) {
        if (!Compared(c)) continue;
        x0 = std::min<std::int64_t>(x0, c.minX);
        y0 = std::min<std::int64_t>(y0, c.minY);
        x1 = std::max<std::int64_t>(x1, c.maxX);
        y1 = std::max<std::int64_t>(y1, c.maxY);
        ++filed;
    }
    stamp_.assign(curves.size(), 0);
    stampNow_ = 0;
    if (filed == 0) return;

    // Square cells giving about two cells per curve.
    const double area = static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1);
    cell_ = std::max<std::int64_t>(16, static_cast<std::int64_t>(std::ceil(std::sqrt(area / (2.0 * filed)))));
    for (;;) {
        cols_ = (x1 - x0) / cell_ + 1;
        rows_ = (y1 - y0) / cell_ + 1;
        if (cols_ * rows_ <= kMaxCells) break;
        cell_ *= 2;
    }
    gridX0_ = x0;
    gridY0_ = y0;
    cells_.assign(static_cast<std::size_t>(cols_ * rows_), {});
    oversize_.clear();
    samples_.clear();
    bands_.clear();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const CCurve& c = curves[i];
        if (!Compared(c)) continue;
        const auto idx = static_cast<std::uint32_t>(i);
        const std::int64_t cx0 = (c.minX - x0) / cell_, cx1 = (c.maxX - x0) / cell_;
        const std::int64_t cy0 = (c.minY - y0) / cell_, cy1 = (c.maxY - y0) / cell_;
        if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > kMaxCellsPerBox) {
            oversize_.push_back(idx);
        } else {
            for (std::int64_t cx = cx0; cx <= cx1; ++cx)
                for (std::int64_t cy = cy0; cy <= cy1; ++cy) cells_[static_cast<std::size_t>(cy * cols_ + cx)].push_back(idx);
        }
        for (const Point& s : Samples(c)) samples_.push_back({s.y, s.x, idx});
        const Reach& r = reach_[i];
        if (c.kind == kFullCut && r.gapLo < r.gapHi) bands_.push_back({r.gapLo, r.gapHi, r.minX, idx});
    }
    std::sort(samples_.begin(), samples_.end(), [](const Sample& a, const Sample& b) { return a.y < b.y; });
    std::sort(bands_.begin(), bands_.end(), [](const Band& a, const Band& b) { return a.lo < b.lo; });
}

void InnerLineMarker::Candidates(std::size_t p, std::vector<std::size_t>& out) {
    out.clear();
    const std::size_t n = page_.curves.size();
    if (!pruned_) {
        for (std::size_t i = 0; i < n; ++i) out.push_back(i);
        return;
    }
    if (++stampNow_ == 0) {
        std::fill(stamp_.begin(), stamp_.end(), 0);
        stampNow_ = 1;
    }
    auto add = [&](std::uint32_t i) {
        if (stamp_[i] != stampNow_) {
            stamp_[i] = stampNow_;
            out.push_back(i);
        }
    };
    const Reach& r = reach_[p];
    if (!cells_.empty()) {
        // Boxes meeting p's box widened by 4: every containment of a point of
        // one in the other, and both box tests, need that.
        auto clampCol = [&](std::int64_t v) { return std::clamp<std::int64_t>(v, 0, cols_ - 1); };
        auto clampRow = [&](std::int64_t v) { return std::clamp<std::int64_t>(v, 0, rows_ - 1); };
        const std::int64_t cx0 = clampCol((r.minX - 4 - gridX0_) / cell_ - 1), cx1 = clampCol((r.maxX + 4 - gridX0_) / cell_);
        const std::int64_t cy0 = clampRow((r.minY - 4 - gridY0_) / cell_ - 1), cy1 = clampRow((r.maxY + 4 - gridY0_) / cell_);
        for (std::int64_t cx = cx0; cx <= cx1; ++cx)
            for (std::int64_t cy = cy0; cy <= cy1; ++cy)
                for (std::uint32_t i : cells_[static_cast<std::size_t>(cy * cols_ + cx)]) add(i);
    }
    for (std::uint32_t i : oversize_) add(i);
    // Curves with a sample point in the open band left of p.
    if (r.gapLo < r.gapHi) {
        auto it = std::lower_bound(samples_.begin(), samples_.end(), r.gapLo,
                                   [](const Sample& s, std::int32_t y) { return s.y < y; });
        for (; it != samples_.end() && it->y < r.gapHi; ++it) {
            if (it->x < r.minX) add(it->curve);
        }
    }
    // Cut curves whose open band holds p's first point.
    const Point& p0 = page_.curves[p].points[0];
    for (const Band& b : bands_) {
        if (b.lo > p0.y) break;
        if (p0.y < b.hi && p0.x < b.minX) add(b.curve);
    }
    std::sort(out.begin(), out.end());
}

}  // namespace pv
