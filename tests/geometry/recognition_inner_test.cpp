// The inner-line marking looks only at pairs whose boxes allow a containment;
// its outcome must be that of comparing every outline with every curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "geometry/recognition.h"
#include "recognition_test_util.h"

namespace pv {
namespace {

using rectest::MakeCurve;
using rectest::Rect;

// Every outline against every other curve in list order, as the rule reads.
void MarkInnerLinesPairByPair(COnePage& page) {
    auto& cs = page.curves;
    auto samples = [](const CCurve& c) -> std::array<Point, 3> {
        const auto& p = c.points;
        if (p.size() == 2) return {p[0], p[1], Point{(p[0].x + p[1].x) / 2, (p[0].y + p[1].y) / 2}};
        return {p[0], p[1], p[2]};
    };
    auto within = [](const CCurve& a, const CCurve& b) {
        return a.minX >= b.minX - 4 && a.maxX <= b.maxX + 4 && a.minY >= b.minY - 4 && a.maxY <= b.maxY + 4;
    };
    auto centre = [](const CCurve& c) { return Point{(c.minX + c.maxX) / 2, (c.minY + c.maxY) / 2}; };
    for (std::size_t p = 0; p < cs.size(); ++p) {
        if (cs[p].kind != kFullCut || cs[p].points.size() <= 3) continue;
        for (std::size_t q = 0; q < cs.size(); ++q) {
            if (q == p || cs[q].role == kRoleInner || cs[q].points.size() < 2) continue;
            CCurve& pc = cs[p];
            CCurve& qc = cs[q];
            const auto s = samples(qc);
            int in = 0;
            for (const Point& pt : s) in += pc.ContainsPoint(pt.x, pt.y) ? 1 : 0;
            if (qc.points.size() > 4 ? in == 3 : in > 0) {
                qc.role = kRoleInner;
                qc.kind = kDrawn;
                continue;
            }
            bool pInQ = qc.kind == kFullCut && qc.ContainsPoint(pc.points[0].x, pc.points[0].y) &&
                        qc.ContainsPoint(pc.points[1].x, pc.points[1].y) &&
                        qc.ContainsPoint(pc.points[2].x, pc.points[2].y);
            pc.CalcBounds();
            qc.CalcBounds();
            if (!pInQ && qc.kind == kFullCut && within(pc, qc)) {
                const Point c = centre(pc), m = pc.points[pc.points.size() / 2];
                pInQ = qc.ContainsPoint(c.x, c.y) || qc.ContainsPoint(m.x, m.y);
            }
            if (pInQ) {
                pc.role = kRoleInner;
                pc.kind = kDrawn;
                break;
            }
            if (within(qc, pc)) {
                const Point c = centre(qc), m = qc.points[qc.points.size() / 2];
                if (pc.ContainsPoint(c.x, c.y) || pc.ContainsPoint(m.x, m.y)) {
                    qc.role = kRoleInner;
                    qc.kind = kDrawn;
                }
            }
        }
    }
}

// A page of pieces, some nested, some open by a wide gap on either side (the
// winding test then answers "inside" in a band left of the piece), with
// lines and small contours scattered in and around them.
COnePage RandomPage(std::mt19937& rng, std::int32_t spread) {
    std::uniform_int_distribution<std::int32_t> pos(0, spread), size(200, 6000), small(10, 900), coin(0, 9);
    COnePage page;
    const int pieces = 40;
    for (int i = 0; i < pieces; ++i) {
        const std::int32_t x = pos(rng), y = pos(rng), w = size(rng), h = size(rng);
        const int shape = coin(rng);
        CCurve c = Rect(x, y, w, h, 0, kFullCut);
        if (shape == 0) c.points.back() = {x + small(rng), y + small(rng)};   // open to the left
        if (shape == 1) c.points.pop_back();                                   // a wide gap
        if (shape == 2) std::reverse(c.points.begin(), c.points.end());
        if (shape == 3) c.kind = kDrawn;
        page.curves.push_back(c);
        for (int k = coin(rng); k > 0; --k) {
            const std::int32_t ax = x + small(rng) - 100, ay = y + small(rng) - 100;
            if (coin(rng) < 5) {
                page.curves.push_back(MakeCurve({{ax, ay}, {ax + small(rng), ay + small(rng) - 450}}));
            } else {
                page.curves.push_back(Rect(ax, ay, small(rng), small(rng), coin(rng), coin(rng) < 3 ? kFullCut : kDrawn));
            }
        }
    }
    std::shuffle(page.curves.begin(), page.curves.end(), rng);
    return page;
}

TEST(MarkInnerLines, MatchesThePairByPairComparisonOnRandomPages) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const std::int32_t spread = round % 3 == 0 ? 3000 : 30000;
        COnePage fast = RandomPage(rng, spread);
        COnePage slow = fast;
        MarkInnerLines(fast);
        MarkInnerLinesPairByPair(slow);
        ASSERT_EQ(fast.curves.size(), slow.curves.size());
        for (std::size_t i = 0; i < fast.curves.size(); ++i) {
            ASSERT_EQ(fast.curves[i].role, slow.curves[i].role) << "curve " << i;
            ASSERT_EQ(fast.curves[i].kind, slow.curves[i].kind) << "curve " << i;
        }
    }
}

TEST(MarkInnerLines, AnOpenOutlineClaimsLinesInTheBandItsGapLeavesOpen) {
    // The winding test does not close the ring: an outline whose last point
    // stops 300 units short of its first also "contains" points to its left
    // at the height of the gap.  The pruning must not lose that pair.
    COnePage page;
    page.curves.push_back(MakeCurve({{-5000, 100}, {-4000, 100}}));
    page.curves.push_back(MakeCurve({{0, 0}, {4000, 0}, {4000, 4000}, {0, 4000}, {0, 300}}, kFullCut));
    COnePage slow = page;
    MarkInnerLines(page);
    MarkInnerLinesPairByPair(slow);
    EXPECT_EQ(slow.curves[0].role, kRoleInner);
    EXPECT_EQ(page.curves[0].role, kRoleInner);
}

}  // namespace
}  // namespace pv
