#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <random>

#include "curve_builders.h"
#include "geometry/one_page.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::PointsOf;
using Pts = std::vector<Point>;

// JoinNear as a plain reading of the rule: scan the later curves, join,
// erase, rescan from the curve after p.
void ReferenceJoinNear(COnePage& page, std::int64_t t, Edition edition) {
    auto& cs = page.curves;
    if (edition == Edition::TwoHead && cs.size() > 8000) return;
    auto near = [t](Point a, Point b) {
        return std::llabs(std::int64_t{a.x} - b.x) <= t && std::llabs(std::int64_t{a.y} - b.y) <= t;
    };
    auto closed = [&](const CCurve& c) { return c.points.size() > 3 && near(c.points.front(), c.points.back()); };
    for (std::size_t i = 0; i < cs.size(); ++i) {
        if (cs[i].points.empty() || cs[i].IsNotch() || closed(cs[i])) continue;
        Point a = cs[i].points.front(), b = cs[i].points.back();
        for (std::size_t j = i + 1; j < cs.size();) {
            CCurve& p = cs[i];
            CCurve& s = cs[j];
            if (s.points.empty() || s.IsNotch() || s.kind != p.kind || closed(s)) {
                ++j;
                continue;
            }
            const Point S = s.points.front(), E = s.points.back();
            int how = near(b, S) ? 0 : near(a, S) ? 1 : near(b, E) ? 2 : near(a, E) ? 3 : -1;
            if (how < 0) {
                ++j;
                continue;
            }
            if (how == 1 || how == 3) p.Reverse();
            if (how == 2 || how == 3) s.Reverse();
            p.points.insert(p.points.end(), s.points.begin() + 1, s.points.end());
            cs.erase(cs.begin() + static_cast<std::ptrdiff_t>(j));
            a = cs[i].points.front();
            b = cs[i].points.back();
            j = i + 1;
        }
    }
}

TEST(JoinTouchingTest, JoinsOnlyListNeighboursOfOneKindWhoseEndsCoincide) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {10, 0}}));
    page.curves.push_back(MakeCurve({{10, 0}, {10, 10}}));
    page.curves.push_back(MakeCurve({{10, 10}, {0, 10}}));
    page.curves.push_back(MakeCurve({{0, 10}, {0, 20}}, kFullCut));   // other kind
    page.curves.push_back(MakeCurve({{0, 21}, {0, 30}}, kFullCut));   // one unit off
    page.curves.push_back(MakeCurve({{50, 50}, {60, 60}}));
    page.curves.push_back(MakeCurve({{0, 30}, {0, 40}}, kFullCut));   // touches, but not a neighbour
    page.JoinTouching();
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {10, 0}, {10, 10}, {0, 10}},
                                                {{0, 10}, {0, 20}},
                                                {{0, 21}, {0, 30}},
                                                {{50, 50}, {60, 60}},
                                                {{0, 30}, {0, 40}}}));
}

TEST(JoinTouchingTest, NeverJoinsNotches) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {10, 0}}));
    page.curves.push_back(MakeCurve({{10, 0}, {10, 10}}));
    page.curves.back().isINotch = 1;
    page.curves.push_back(MakeCurve({{10, 10}, {20, 10}}));
    page.JoinTouching();
    EXPECT_EQ(page.curves.size(), 3u);
}

struct JoinCase {
    const char* name;
    Pts p, s;
    std::int32_t t;
    std::vector<Pts> out;
    friend void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.name; }
};

class JoinNearTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinNearTest, Joins) {
    COnePage page;
    page.curves.push_back(MakeCurve(GetParam().p));
    page.curves.push_back(MakeCurve(GetParam().s));
    page.JoinNear(GetParam().t);
    EXPECT_EQ(PointsOf(page), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinNearTest,
    ::testing::Values(
        JoinCase{"end_to_start", {{0, 0}, {100, 0}}, {{101, 1}, {200, 0}}, 1, {{{0, 0}, {100, 0}, {200, 0}}}},
        JoinCase{"start_to_start", {{0, 0}, {100, 0}}, {{0, 1}, {0, 100}}, 1, {{{100, 0}, {0, 0}, {0, 100}}}},
        JoinCase{"end_to_end", {{0, 0}, {100, 0}}, {{200, 50}, {100, 1}}, 1, {{{0, 0}, {100, 0}, {200, 50}}}},
        JoinCase{"start_to_end", {{0, 0}, {100, 0}}, {{0, 100}, {1, 1}}, 1, {{{100, 0}, {0, 0}, {0, 100}}}},
        JoinCase{"nine_apart_joins", {{0, 0}, {100, 0}}, {{109, 9}, {200, 0}}, 9, {{{0, 0}, {100, 0}, {200, 0}}}},
        JoinCase{"ten_apart_stays", {{0, 0}, {100, 0}}, {{110, 10}, {200, 0}}, 9, {{{0, 0}, {100, 0}}, {{110, 10}, {200, 0}}}},
        JoinCase{"ten_apart_in_x_only", {{0, 0}, {100, 0}}, {{110, 0}, {200, 0}}, 9, {{{0, 0}, {100, 0}}, {{110, 0}, {200, 0}}}},
        // Ends 1 apart, more than 3 points: closed, never extended.
        JoinCase{"closed_outline_not_extended",
                 {{0, 0}, {400, 0}, {400, 400}, {1, 1}},
                 {{1, 0}, {-300, 0}},
                 1,
                 {{{0, 0}, {400, 0}, {400, 400}, {1, 1}}, {{1, 0}, {-300, 0}}}},
        // Three points with near ends are not closed and may grow.
        JoinCase{"three_points_not_closed",
                 {{0, 0}, {400, 400}, {1, 1}},
                 {{2, 2}, {-300, 0}},
                 1,
                 {{{0, 0}, {400, 400}, {1, 1}, {-300, 0}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinNearTest, SkipsNotchesOtherKindsAndClosedCandidates) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {100, 0}}));
    page.curves.push_back(MakeCurve({{100, 0}, {200, 0}}));
    page.curves.back().isTNotch = 1;
    page.curves.push_back(MakeCurve({{100, 0}, {200, 0}}, kFullCut));
    page.curves.push_back(MakeCurve({{100, 0}, {200, 0}, {200, 100}, {100, 1}}));   // closed
    page.curves.push_back(MakeCurve({{100, 0}, {100, 50}}));
    page.JoinNear(1);
    ASSERT_EQ(page.curves.size(), 4u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {100, 0}, {100, 50}}));
}

TEST(JoinNearTest, TheGrowingCurveKeepsJoiningFromTheFirstLaterCurve) {
    // A chain listed backwards: every join restarts the scan after p.
    COnePage page;
    for (int k = 0; k < 5; ++k) page.curves.push_back(MakeCurve({{100 * k, 0}, {100 * k + 100, 0}}));
    std::reverse(page.curves.begin(), page.curves.end());
    page.JoinNear(1);
    EXPECT_EQ(PointsOf(page),
              (std::vector<Pts>{{{500, 0}, {400, 0}, {300, 0}, {200, 0}, {100, 0}, {0, 0}}}));
}

TEST(JoinNearTest, TwoHeadLeavesPagesOfMoreThan8000CurvesAlone) {
    COnePage page;
    for (int k = 0; k < 8001; ++k) page.curves.push_back(MakeCurve({{k, 0}, {k + 1, 0}}));
    COnePage four = page;
    page.JoinNear(1, Edition::TwoHead);
    EXPECT_EQ(page.curves.size(), 8001u);
    four.JoinNear(1, Edition::FourHead);
    ASSERT_EQ(four.curves.size(), 1u);
    EXPECT_EQ(four.curves[0].points.size(), 8002u);

    page.curves.pop_back();
    page.JoinNear(1, Edition::TwoHead);
    EXPECT_EQ(page.curves.size(), 1u);
}

TEST(JoinNearTest, NegativeToleranceJoinsNothing) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {10, 0}}));
    page.curves.push_back(MakeCurve({{10, 0}, {20, 0}}));
    page.JoinNear(-1);
    EXPECT_EQ(page.curves.size(), 2u);
}

// Random pages of short strokes on a coarse grid, so that ends meet often,
// in every orientation and across both kinds, with some notches, closed
// rings, single points and empty curves.
COnePage RandomStrokes(std::mt19937& rng, int count, std::int32_t grid, std::int32_t jitter) {
    COnePage page;
    auto coord = [&] {
        return static_cast<std::int32_t>(rng() % 8) * grid + static_cast<std::int32_t>(rng() % (2 * jitter + 1)) - jitter;
    };
    for (int k = 0; k < count; ++k) {
        CCurve c;
        const int r = static_cast<int>(rng() % 20);
        const int n = r == 0 ? 0 : r == 1 ? 1 : 2 + static_cast<int>(rng() % 4);
        for (int i = 0; i < n; ++i) c.points.push_back({coord(), coord()});
        if (r == 2 && n >= 4) c.points.back() = c.points.front();
        c.kind = rng() % 4 == 0 ? kFullCut : kDrawn;
        if (rng() % 25 == 0) c.isINotch = 1;
        if (rng() % 40 == 0) c.isTNotch = 1;
        page.curves.push_back(std::move(c));
    }
    return page;
}

TEST(JoinNearTest, MatchesThePlainScanOnRandomPages) {
    std::mt19937 rng(12345);
    std::size_t joined = 0;
    for (int round = 0; round < 400; ++round) {
        const std::int32_t t = round % 3 == 0 ? 9 : round % 3 == 1 ? 1 : 0;
        const Edition e = round % 2 ? Edition::FourHead : Edition::TwoHead;
        COnePage page = RandomStrokes(rng, 1 + static_cast<int>(rng() % 60), 20, t + 1);
        COnePage expected = page;
        ReferenceJoinNear(expected, t, e);
        joined += page.curves.size() - expected.curves.size();
        page.JoinNear(t, e);
        ASSERT_EQ(page.curves.size(), expected.curves.size()) << "round " << round;
        for (std::size_t i = 0; i < page.curves.size(); ++i)
            ASSERT_TRUE(test::SameCurve(page.curves[i], expected.curves[i])) << "round " << round << " curve " << i;
    }
    EXPECT_GT(joined, 1000u);   // the pages did exercise the joins
}

TEST(JoinNearTest, CoordinatesAtTheEdgeOfTheRangeDoNotWrap) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {kMax, kMax}}));
    page.curves.push_back(MakeCurve({{kMin, kMin}, {50, 50}}));   // far apart, would be near if wrapped
    page.curves.push_back(MakeCurve({{kMax - 9, kMax}, {0, 7}}));
    page.JoinNear(9);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {kMax, kMax}, {0, 7}}, {{kMin, kMin}, {50, 50}}}));
}

}  // namespace
}  // namespace pv
