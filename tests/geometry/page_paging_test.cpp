#include <gtest/gtest.h>

#include <random>

#include "curve_builders.h"
#include "geometry/one_page.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::PointsOf;
using Pts = std::vector<Point>;

void ReferenceJoinTouching(COnePage& page) {
    auto& cs = page.curves;
    for (std::size_t k = 0; k + 1 < cs.size(); ++k) {
        while (k + 1 < cs.size() && cs[k].kind == cs[k + 1].kind && !cs[k].IsNotch() && !cs[k + 1].IsNotch() &&
               cs[k].points.back() == cs[k + 1].points.front()) {
            cs[k].points.insert(cs[k].points.end(), cs[k + 1].points.begin() + 1, cs[k + 1].points.end());
            cs.erase(cs.begin() + static_cast<std::ptrdiff_t>(k + 1));
        }
    }
}

// Paging as a plain reading of the rule: explode into two-point curves, and
// n times walk the list, moving what lies above h to the end, one strip on.
void ReferencePaging(COnePage& page, std::int32_t h) {
    if (page.curves.empty()) return;
    page.CalcBounds();
    if (h >= page.maxY) return;
    const std::int32_t n = page.maxY / h;
    const std::int32_t shift = page.maxX + 1200;
    for (std::int32_t i = 1; i <= n; ++i) page.AddJoinMarks(i * h);
    page.ExplodeSegments();
    auto& cs = page.curves;
    auto moved = [&](Point p) { return Point{p.x + shift, p.y - h}; };
    for (std::int32_t pass = 0; pass < n; ++pass) {
        const std::size_t count = cs.size();
        std::size_t i = 0;
        for (std::size_t seen = 0; seen < count; ++seen) {
            const Point p1 = cs[i].points[0], p2 = cs[i].points[1];
            if (p1.y <= h && p2.y <= h) {
                ++i;
            } else if (p1.y >= h && p2.y >= h) {
                CCurve c = std::move(cs[i]);
                cs.erase(cs.begin() + static_cast<std::ptrdiff_t>(i));
                c.points = {moved(p1), moved(p2)};
                cs.push_back(std::move(c));
            } else {
                const Point x{static_cast<std::int32_t>(p1.x + double(p2.x - p1.x) * (h - p1.y) / double(p2.y - p1.y)), h};
                CCurve up;
                up.CopyFrom(cs[i]);
                if (p1.y < h) {
                    cs[i].points = {p1, x};
                    up.points = {moved(x), moved(p2)};
                } else {
                    cs[i].points = {x, p2};
                    up.points = {moved(p1), moved(x)};
                }
                ++i;
                cs.push_back(std::move(up));
            }
        }
    }
    ReferenceJoinTouching(page);
    page.CalcBounds();
}

void ExpectSamePages(const COnePage& got, const COnePage& want) {
    ASSERT_EQ(got.curves.size(), want.curves.size());
    for (std::size_t i = 0; i < got.curves.size(); ++i)
        ASSERT_TRUE(test::SameCurve(got.curves[i], want.curves[i])) << "curve " << i;
    EXPECT_EQ(got.maxX, want.maxX);
    EXPECT_EQ(got.maxY, want.maxY);
}

TEST(JoinMarksTest, NoneOnPagesShorterThan100mm) {
    COnePage page;
    page.maxX = 3999;
    EXPECT_EQ(page.AddJoinMarks(1000), kPagingNothingToDo);
    EXPECT_TRUE(page.curves.empty());
}

TEST(JoinMarksTest, DoubleDashesEvery10mmAndACrossEvery100mm) {
    struct Case {
        std::int32_t maxX;
        std::size_t dashes, crosses;
    };
    for (const Case k : {Case{4000, 11, 1}, Case{4400, 12, 1}, Case{4401, 12, 2}, Case{8399, 21, 2}}) {
        COnePage page;
        page.maxX = k.maxX;
        ASSERT_EQ(page.AddJoinMarks(1000), kPagingDone);
        ASSERT_EQ(page.curves.size(), 2 * k.dashes + 4 * k.crosses) << k.maxX;
        for (const CCurve& c : page.curves) {
            EXPECT_EQ(c.kind, kDrawn);
            EXPECT_EQ(c.lineType, 0);
        }
        EXPECT_EQ(page.curves[2 * k.dashes - 2].points, (Pts{{400 * int(k.dashes - 1), 1000}, {400 * int(k.dashes - 1) + 300, 1000}}));
        EXPECT_EQ(page.curves[2 * k.dashes - 1].points, (Pts{{400 * int(k.dashes - 1), 1001}, {400 * int(k.dashes - 1) + 300, 1001}}));
    }
    COnePage page;
    page.maxX = 4000;
    page.AddJoinMarks(1000);
    const std::vector<Pts> all = PointsOf(page);
    const std::vector<Pts> cross(all.end() - 4, all.end());
    EXPECT_EQ(cross, (std::vector<Pts>{{{400, 800}, {200, 1000}, {0, 800}},
                                       {{200, 1000}, {200, 600}},
                                       {{0, 1200}, {200, 1000}, {400, 1200}},
                                       {{200, 1000}, {200, 1400}}}));
}

TEST(PagingTest, StripHeightAtLeastTheDrawingChangesNothing) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {5000, 2000}}));
    EXPECT_EQ(page.ManualYPaging(2000), kPagingNothingToDo);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {5000, 2000}}}));
    EXPECT_EQ(page.ManualYPaging(0), kPagingBadHeight);
    EXPECT_EQ(page.ManualYPaging(-5), kPagingBadHeight);
    EXPECT_EQ(page.curves.size(), 1u);
    COnePage empty;
    EXPECT_EQ(empty.ManualYPaging(100), kPagingNothingToDo);
}

TEST(PagingTest, TwoAndAHalfStripsLieSideBySide30mmApart) {
    COnePage page;
    page.curves.push_back(MakeCurve({{100, 0}, {100, 2500}}, kFullCut));
    page.curves.push_back(MakeCurve({{0, 0}, {2000, 0}}));
    ASSERT_EQ(page.ManualYPaging(1000), kPagingDone);
    // A short page (under 4000 units) gets no join marks.
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{100, 0}, {100, 1000}},
                                                {{0, 0}, {2000, 0}},
                                                {{3300, 0}, {3300, 1000}},
                                                {{6500, 0}, {6500, 500}}}));
    for (int i : {0, 2, 3}) EXPECT_EQ(page.curves[i].kind, kFullCut);
    EXPECT_EQ(page.maxX, 6500);
    EXPECT_EQ(page.maxY, 1000);
}

TEST(PagingTest, LongPageGetsJoinMarksAtEachStripEdge) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {5000, 2500}}));
    COnePage want = page;
    ASSERT_EQ(page.ManualYPaging(1000), kPagingDone);
    ReferencePaging(want, 1000);
    ExpectSamePages(page, want);
    // The diagonal alone would make three pieces; the marks at 1000 and 2000
    // add many more, and everything ends up within one strip's height.
    EXPECT_GT(page.curves.size(), 30u);
    EXPECT_LE(page.maxY, 1000);
    EXPECT_GE(page.minY, 0);
}

TEST(PagingTest, CutPointTruncatesAndPiecesKeepTheirDirection) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 1500}, {3, 0}}));   // runs downward through h
    ASSERT_EQ(page.ManualYPaging(1000), kPagingDone);
    // x at y = 1000: 0 + 3 * 500 / 1500 = 1.
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{1, 1000}, {3, 0}}, {{1203, 500}, {1204, 0}}}));
}

COnePage RandomPagingPage(std::mt19937& rng, std::int32_t h) {
    COnePage page;
    const int curves = 1 + static_cast<int>(rng() % 12);
    const std::int32_t spanX = rng() % 2 ? 3000 : 9000;
    for (int k = 0; k < curves; ++k) {
        CCurve c;
        const int n = static_cast<int>(rng() % 6);
        for (int i = 0; i < n; ++i) {
            std::int32_t y = static_cast<std::int32_t>(rng() % (4 * h)) - h / 4;
            if (rng() % 5 == 0) y = h * static_cast<std::int32_t>(rng() % 4);   // exactly on an edge
            c.points.push_back({static_cast<std::int32_t>(rng() % spanX), y});
        }
        if (n > 1 && rng() % 3 == 0) c.points[1] = c.points[0];   // zero-length segment
        c.kind = rng() % 2 ? kDrawn : kFullCut;
        c.lineType = static_cast<std::int32_t>(rng() % 2);
        c.role = static_cast<std::int32_t>(rng() % 5);
        if (n == 2 && rng() % 3 == 0) c.isINotch = 1;
        c.closed = static_cast<std::int32_t>(rng() % 2);
        page.curves.push_back(std::move(c));
    }
    return page;
}

TEST(PagingTest, MatchesThePlainPassesOnRandomPages) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        const std::int32_t h = 200 + static_cast<std::int32_t>(rng() % 2000);
        COnePage page = RandomPagingPage(rng, h);
        COnePage want = page;
        page.ManualYPaging(h);
        ReferencePaging(want, h);
        SCOPED_TRACE(round);
        ExpectSamePages(page, want);
        if (HasFatalFailure()) return;
    }
}

TEST(PagingTest, RefusesAbsurdDrawingsAndLeavesThePageAsItWas) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {2'000'000'000, 80'000}}));
    EXPECT_EQ(page.ManualYPaging(100), kPagingTooLarge);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {2'000'000'000, 80'000}}}));

    COnePage tall;   // short in X (no marks) but a million strips high
    tall.curves.push_back(MakeCurve({{0, 0}, {10, 2'000'000'000}}));
    tall.curves.push_back(MakeCurve({{0, 0}, {10, 2'000'000'000}}));
    EXPECT_EQ(tall.ManualYPaging(1), kPagingTooLarge);
    EXPECT_EQ(tall.curves.size(), 2u);

    // Two million strips of a narrow page: few enough segments, but the
    // strips would lie beyond the last X a coordinate can hold.
    COnePage narrow;
    narrow.curves.push_back(MakeCurve({{0, 0}, {10, 2'000'000'000}}));
    EXPECT_EQ(narrow.ManualYPaging(1000), kPagingTooLarge);
    EXPECT_EQ(PointsOf(narrow), (std::vector<Pts>{{{0, 0}, {10, 2'000'000'000}}}));
}

}  // namespace
}  // namespace pv
