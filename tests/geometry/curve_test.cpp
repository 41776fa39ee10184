#include "geometry/curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "curve_builders.h"

namespace pv {
namespace {

using test::MakeCurve;
using Pts = std::vector<Point>;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CurveTest, CopyFromTakesShapeAndClassButNotNotchClosedOrLength) {
    CCurve src = MakeCurve({{1, 2}, {3, 4}}, kFullCut);
    src.selected = 1;
    src.lineType = 1;
    src.role = kRoleOutline;
    src.isTNotch = 1;
    src.isINotch = 1;
    src.closed = 1;
    src.length = 99.0;
    CCurve dst;
    dst.CopyFrom(src);
    EXPECT_EQ(dst.points, src.points);
    EXPECT_EQ(dst.kind, kFullCut);
    EXPECT_EQ(dst.selected, 1);
    EXPECT_EQ(dst.lineType, 1);
    EXPECT_EQ(dst.role, kRoleOutline);
    EXPECT_EQ(dst.maxX, 3);
    EXPECT_EQ(dst.maxY, 4);
    EXPECT_EQ(dst.isTNotch, 0);
    EXPECT_EQ(dst.isINotch, 0);
    EXPECT_EQ(dst.closed, 0);
    EXPECT_EQ(dst.length, 0.0);
}

TEST(CurveTest, ScaleTruncatesTowardZero) {
    CCurve c = MakeCurve({{5, -5}, {7, -7}, {kMax, kMin}});
    c.Scale(0.4, 0.4);
    EXPECT_EQ(c.points[0], (Point{2, -2}));   // 2.0 and -2.0
    EXPECT_EQ(c.points[1], (Point{2, -2}));   // 2.8 and -2.8, not -3
    c = MakeCurve({{kMax, kMin}});
    c.Scale(2.0, 2.0);   // saturates at the coordinate range
    EXPECT_EQ(c.points[0], (Point{kMax, kMin}));
}

TEST(CurveTest, OffsetAndMirrorSaturateInsteadOfWrapping) {
    CCurve c = MakeCurve({{kMax - 5, 0}, {0, kMin + 5}});
    c.Offset(10, -10);
    EXPECT_EQ(c.points[0], (Point{kMax, -10}));
    EXPECT_EQ(c.points[1], (Point{10, kMin}));
    EXPECT_EQ(c.maxX, kMax);
    EXPECT_EQ(c.minY, kMin);
    c.MirrorY(kMax);
    EXPECT_EQ(c.points[1].y, kMax);   // kMax - kMin is out of range
}

struct CollinearCase {
    const char* name;
    Pts in;
    Pts out;
    friend void PrintTo(const CollinearCase& c, std::ostream* os) { *os << c.name; }
};

class RemoveCollinearTest : public ::testing::TestWithParam<CollinearCase> {};

TEST_P(RemoveCollinearTest, Removes) {
    CCurve c = MakeCurve(GetParam().in);
    c.RemoveCollinear();
    EXPECT_EQ(c.points, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveCollinearTest,
    ::testing::Values(
        CollinearCase{"straight", {{0, 0}, {10, 0}, {20, 0}}, {{0, 0}, {20, 0}}},
        CollinearCase{"run_then_corner", {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {30, 10}}, {{0, 0}, {30, 0}, {30, 10}}},
        CollinearCase{"turning_back_is_kept", {{0, 0}, {10, 0}, {5, 0}}, {{0, 0}, {10, 0}, {5, 0}}},
        CollinearCase{"corner_kept", {{0, 0}, {10, 0}, {10, 10}}, {{0, 0}, {10, 0}, {10, 10}}},
        // Directions one bit apart as doubles: the vertex stays.
        CollinearCase{"last_bit_apart",
                      {{0, -1237489108}, {263, 0}, {526, 1237489109}},
                      {{0, -1237489108}, {263, 0}, {526, 1237489109}}},
        // Not quite collinear, yet the two arc tangents are the same double.
        CollinearCase{"equal_as_doubles", {{0, -1250521233}, {301, 0}, {602, 1250521232}}, {{0, -1250521233}, {602, 1250521232}}},
        CollinearCase{"two_points", {{0, 0}, {0, 0}}, {{0, 0}, {0, 0}}},
        CollinearCase{"empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The removal as the plain loop reads: erase and look at the same index
// again, comparing arc tangents.
Pts ReferenceRemoveCollinear(Pts p) {
    for (std::size_t i = 1; i + 1 < p.size();) {
        if (Direction(p[i - 1], p[i]) == Direction(p[i], p[i + 1])) p.erase(p.begin() + i);
        else ++i;
    }
    return p;
}

TEST(CurveTest, RemoveCollinearMatchesThePlainLoopOnRandomPolylines) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        Pts pts;
        Point p{static_cast<std::int32_t>(rng() % 1000), 0};
        const int n = 2 + static_cast<int>(rng() % 40);
        const std::int32_t big = round % 2 ? 1 : 50'000'000;
        for (int i = 0; i < n; ++i) {
            pts.push_back(p);
            // Mostly repeated steps (collinear runs), some turns, some
            // doubled or halved steps along the same line.
            const int r = static_cast<int>(rng() % 6);
            std::int32_t dx = static_cast<std::int32_t>(rng() % 5) - 2, dy = static_cast<std::int32_t>(rng() % 5) - 2;
            if (r < 3 && i > 0) dx = pts[i].x - pts[i - 1].x, dy = pts[i].y - pts[i - 1].y;
            if (r == 3) dx *= 2, dy *= 2;
            p = {p.x + dx * (r < 3 && i > 0 ? 1 : big), p.y + dy * (r < 3 && i > 0 ? 1 : big)};
            if (std::abs(p.x) > 1'000'000'000 || std::abs(p.y) > 1'000'000'000) p = {0, 0};
        }
        CCurve c = MakeCurve(pts);
        c.RemoveCollinear();
        ASSERT_EQ(c.points, ReferenceRemoveCollinear(pts)) << "round " << round;
    }
}

TEST(CurveTest, TidyDropsDuplicatesThenCollinearPoints) {
    CCurve c = MakeCurve({{0, 0}, {0, 0}, {10, 0}, {10, 0}, {20, 0}, {20, 5}, {20, 5}});
    c.Tidy();
    EXPECT_EQ(c.points, (Pts{{0, 0}, {20, 0}, {20, 5}}));
}

struct ClosedCase {
    const char* name;
    Pts pts;
    int closed;
};

void PrintTo(const ClosedCase& c, std::ostream* os) { *os << c.name; }

class TestClosedTest : public ::testing::TestWithParam<ClosedCase> {};

TEST_P(TestClosedTest, Decides) {
    CCurve c = MakeCurve(GetParam().pts);
    c.closed = 1;
    EXPECT_EQ(c.TestClosed(), GetParam().closed);
    EXPECT_EQ(c.closed, GetParam().closed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TestClosedTest,
    ::testing::Values(ClosedCase{"three_points_ends_equal", {{0, 0}, {100, 0}, {0, 0}}, 0},
                      ClosedCase{"ends_exactly_20_apart", {{0, 0}, {100, 0}, {100, 100}, {12, 16}}, 1},
                      ClosedCase{"ends_20_02_apart", {{0, 0}, {100, 0}, {100, 100}, {20, 1}}, 0},
                      ClosedCase{"ends_equal", {{0, 0}, {100, 0}, {100, 100}, {0, 0}}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurveTest, SplitLongSpansHalvesUntilNoXExtentExceeds1000mm) {
    CCurve c = MakeCurve({{0, 0}, {100000, 400}});
    ASSERT_TRUE(c.SplitLongSpans());
    EXPECT_EQ(c.points, (Pts{{0, 0}, {25000, 100}, {50000, 200}, {75000, 300}, {100000, 400}}));

    c = MakeCurve({{0, 0}, {40000, 0}, {40000, 900000}, {-1, 7}});   // only X extents count
    c.SplitLongSpans();
    EXPECT_EQ(c.points, (Pts{{0, 0}, {40000, 0}, {40000, 900000}, {19999, 450003}, {-1, 7}}));

    c = MakeCurve({{-40001, 0}, {0, -7}});   // halves truncate toward zero
    c.SplitLongSpans();
    EXPECT_EQ(c.points, (Pts{{-40001, 0}, {-20000, -3}, {0, -7}}));
}

TEST(CurveTest, SplitLongSpansSurvivesTheWholeCoordinateRange) {
    CCurve c = MakeCurve({{kMin, 0}, {kMax, 0}});
    ASSERT_TRUE(c.SplitLongSpans());
    ASSERT_GT(c.points.size(), 2u);
    for (std::size_t i = 1; i < c.points.size(); ++i) {
        ASSERT_GT(c.points[i].x, c.points[i - 1].x);
        ASSERT_LE(std::int64_t{c.points[i].x} - c.points[i - 1].x, 40000);
    }
    EXPECT_EQ(c.points.back(), (Point{kMax, 0}));
}

TEST(CurveTest, ContainsPointUsesTheRingWithoutItsClosingSegment) {
    const CCurve square = MakeCurve({{0, 0}, {400, 0}, {400, 400}, {0, 400}, {0, 0}});
    EXPECT_TRUE(square.ContainsPoint(200, 200));
    EXPECT_FALSE(square.ContainsPoint(500, 200));
    EXPECT_FALSE(square.ContainsPoint(-100, 200));
    EXPECT_FALSE(square.ContainsPoint(200, 400));   // top edge: py < y2 is strict
    // Left open, the missing left side no longer cancels the right one.
    const CCurve open = MakeCurve({{0, 0}, {400, 0}, {400, 400}, {0, 400}});
    EXPECT_TRUE(open.ContainsPoint(-100, 200));
    EXPECT_FALSE(MakeCurve({{0, 0}}).ContainsPoint(0, 0));
}

struct ExtendCase {
    const char* name;
    Pts in;
    double d;
    Pts out;
    friend void PrintTo(const ExtendCase& c, std::ostream* os) { *os << c.name; }
};

class ExtendEndTest : public ::testing::TestWithParam<ExtendCase> {};

TEST_P(ExtendEndTest, Extends) {
    CCurve c = MakeCurve(GetParam().in);
    c.ExtendEnd(GetParam().d);
    EXPECT_EQ(c.points, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtendEndTest,
    ::testing::Values(
        ExtendCase{"8mm_not_extended", {{0, 0}, {320, 0}}, 40, {{0, 0}, {320, 0}}},
        ExtendCase{"10mm_extended", {{0, 0}, {400, 0}}, 40, {{0, 0}, {440, 0}}},
        ExtendCase{"length_counts_all_segments", {{0, 0}, {200, 0}, {200, 200}}, 40, {{0, 0}, {200, 0}, {200, 240}}},
        ExtendCase{"diagonal_truncated", {{0, 0}, {300, 300}}, 100, {{0, 0}, {370, 370}}},
        ExtendCase{"negative_truncates_toward_zero", {{0, 0}, {-400, 0}}, 10.5, {{0, 0}, {-410, 0}}},
        ExtendCase{"single_point", {{0, 0}}, 40, {{0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurveTest, LeadInWithoutTurnStillInsertsStartAndEndOfTheArc) {
    CCurve c = MakeCurve({{0, 0}, {1000, 0}, {1000, 1000}}, kFullCut);
    c.AddKnifeLeadIn(40, 0.0);
    EXPECT_EQ(c.points, (Pts{{40, 0}, {40, 0}, {1000, 0}, {1000, 1000}}));
}

TEST(CurveTest, LeadInLongerThanFirstSegmentDropsBothFirstPoints) {
    CCurve c = MakeCurve({{0, 0}, {10, 0}, {10, 500}}, kFullCut);
    c.AddKnifeLeadIn(40, 0.0);
    EXPECT_EQ(c.points, (Pts{{40, 0}, {40, 0}, {10, 500}}));
    // A two-point curve keeps only the arc.
    c = MakeCurve({{0, 0}, {10, 0}}, kFullCut);
    c.AddKnifeLeadIn(40, 0.0);
    EXPECT_EQ(c.points, (Pts{{40, 0}, {40, 0}}));
}

TEST(CurveTest, LeadInQuarterTurnStepsEveryFiveDegrees) {
    CCurve c = MakeCurve({{1000, 1000}, {2000, 1000}}, kFullCut);
    c.AddKnifeLeadIn(400, 1.5707963267948966);   // blade along +Y, cut along +X
    // 90 degrees: trunc(18 + 0.9) = 18 steps, 19 arc points, then (2000,1000).
    ASSERT_EQ(c.points.size(), 20u);
    EXPECT_EQ(c.points.front(), (Point{1000, 1400}));
    EXPECT_EQ(c.points[18], (Point{1400, 1000}));
    EXPECT_EQ(c.points[9], (Point{1282, 1282}));   // 45 degrees: 1000 + 282.84
    EXPECT_EQ(c.points.back(), (Point{2000, 1000}));
}

TEST(CurveTest, LeadInTurnsTheShortWayAcrossMinusPi) {
    // Blade at 3.0 rad; the cut heads to -3.0 rad.  The short way is +0.283
    // rad through pi, four steps; the long way would be 69 steps.
    const Point s{0, 0};
    const Point t{TruncToInt32(10000 * std::cos(-3.0)), TruncToInt32(10000 * std::sin(-3.0))};
    CCurve c = MakeCurve({s, t}, kFullCut);
    c.AddKnifeLeadIn(1000, 3.0);
    ASSERT_EQ(c.points.size(), 6u);
    EXPECT_EQ(c.points.back(), t);
    for (int i = 0; i < 5; ++i) {
        const Point p = c.points[i];
        EXPECT_NEAR(std::hypot(p.x, p.y), 1000.0, 1.5);
        EXPECT_LT(p.x, -980);   // stays near the -X axis
    }
    EXPECT_GT(c.points[0].y, 0);
    EXPECT_LT(c.points[4].y, 0);
}

TEST(CurveTest, LeadInSurvivesWildInput) {
    CCurve c = MakeCurve({{0, 0}, {100, 0}}, kFullCut);
    c.AddKnifeLeadIn(40, 1e300);
    EXPECT_LE(c.points.size(), 3602u);
    c = MakeCurve({{0, 0}, {100, 0}}, kFullCut);
    c.AddKnifeLeadIn(std::nan(""), std::nan(""));
    EXPECT_FALSE(c.points.empty());
    CCurve one = MakeCurve({{5, 5}});
    one.AddKnifeLeadIn(40, 0.0);
    EXPECT_EQ(one.points, (Pts{{5, 5}}));
}

}  // namespace
}  // namespace pv
