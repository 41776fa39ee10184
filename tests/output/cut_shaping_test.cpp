#include "output/cut_shaping.h"

#include <gtest/gtest.h>

#include "cut_test_util.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::MakePage;

TEST(SplitAtMidHeight, RectangleBecomesTwoHalvesRunningTowardSmallerX) {
    COnePage page = MakePage({MakeCurve(kDrawn, {{0, 0}, {9, 9}}),
                              MakeCurve(kFullCut, {{0, 0}, {1000, 0}, {1000, 400}, {0, 400}, {0, 0}}, 1),
                              MakeCurve(kFullCut, {{0, 0}, {50, 50}})});
    SplitClosedAtMidHeight(page);
    ASSERT_EQ(page.curves.size(), 4u);
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{1000, 200}, {1000, 400}, {0, 400}, {0, 200}}));
    EXPECT_EQ(page.curves[2].points, (std::vector<Point>{{1000, 200}, {1000, 0}, {0, 0}, {0, 200}}));
    EXPECT_EQ(page.curves[2].kind, kFullCut);
    EXPECT_EQ(page.curves[2].lineType, 1);
    EXPECT_EQ(page.curves[3].points.size(), 2u);
}

TEST(SplitAtMidHeight, CrossingPointIsTruncatedTowardZero) {
    // Triangle with its apex at Y 301: middle line Y 150; the slanted side
    // meets it at X 1000 - 249.17, kept as 751.
    CCurve c = MakeCurve(kFullCut, {{0, 0}, {1000, 0}, {500, 301}, {0, 0}});
    CCurve a, b;
    ASSERT_TRUE(SplitClosedCurveAtMidHeight(c, a, b));
    EXPECT_EQ(a.points.front(), (Point{751, 150}));
    EXPECT_EQ(a.points.back(), (Point{250, 150}));
}

TEST(SplitAtMidHeight, VertexOnTheLineIsRecordedOnce) {
    // A diamond whose left and right vertices lie on the middle line.
    CCurve c = MakeCurve(kFullCut, {{500, 0}, {1000, 500}, {500, 1000}, {0, 500}, {500, 0}});
    CCurve a, b;
    ASSERT_TRUE(SplitClosedCurveAtMidHeight(c, a, b));
    EXPECT_EQ(a.points, (std::vector<Point>{{1000, 500}, {500, 1000}, {0, 500}}));
    EXPECT_EQ(b.points, (std::vector<Point>{{1000, 500}, {500, 0}, {0, 500}}));
}

TEST(SplitAtMidHeight, OpenOrInkedCurvesStay) {
    const std::vector<Point> open{{0, 0}, {1000, 0}, {1000, 400}, {0, 400}, {0, 100}};
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {1000, 0}, {1000, 400}, {0, 400}, {0, 100}}),
                              MakeCurve(kDrawn, {{0, 0}, {1000, 0}, {1000, 400}, {0, 400}, {0, 0}}),
                              MakeCurve(kFullCut, {{0, 0}, {1000, 400}, {0, 0}})});
    SplitClosedAtMidHeight(page);
    ASSERT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[0].points, open);
}

// A corner of 25 degrees lies between the turns of these two lines
// (atan(466/1000) = 24.98 degrees, atan(467/1000) = 25.03 degrees).
TEST(BreakAtCorners, OnlyTurnsSharperThanTheAngleSplit) {
    struct Case {
        std::int32_t rise;
        std::size_t pieces;
    };
    for (const Case c : {Case{466, 1u}, Case{467, 2u}, Case{-467, 2u}}) {
        COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {1000, 0}, {2000, c.rise}})});
        BreakAtCorners(page, 25);
        EXPECT_EQ(page.curves.size(), c.pieces) << c.rise;
    }
}

TEST(BreakAtCorners, PiecesShareTheirCornersAndKeepTheKind) {
    COnePage page = MakePage({MakeCurve(kDrawn, {{0, 0}, {100, 0}, {100, 100}}),
                              MakeCurve(kHalfCut, {{0, 0}, {100, 0}, {200, 0}, {200, 100}, {300, 100}, {300, 0}}, 1),
                              MakeCurve(kFullCut, {{0, 0}, {5, 0}})});
    BreakAtCorners(page, 25);
    ASSERT_EQ(page.curves.size(), 6u);
    EXPECT_EQ(page.curves[0].points.size(), 3u);   // ink is never broken
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{0, 0}, {100, 0}, {200, 0}}));
    EXPECT_EQ(page.curves[2].points, (std::vector<Point>{{200, 0}, {200, 100}}));
    EXPECT_EQ(page.curves[3].points, (std::vector<Point>{{200, 100}, {300, 100}}));
    EXPECT_EQ(page.curves[4].points, (std::vector<Point>{{300, 100}, {300, 0}}));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(page.curves[i].kind, kHalfCut);
        EXPECT_EQ(page.curves[i].lineType, 1);
    }
    EXPECT_EQ(page.curves[4].maxY, 100);   // fresh bounds
}

TEST(ExtendCutEnds, OverCutsOnlyLinesOfTenMillimetres) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {80, 0}}), MakeCurve(kFullCut, {{0, 0}, {400, 0}}),
                              MakeCurve(kDrawn, {{0, 0}, {400, 0}}), MakeCurve(kDot, {{0, 0}, {0, 400}})});
    ExtendCutEnds(page, 20, Edition::TwoHead);
    EXPECT_EQ(page.curves[0].points.back(), (Point{80, 0}));
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{0, 0}, {420, 0}}));
    EXPECT_EQ(page.curves[2].points.back(), (Point{400, 0}));
    EXPECT_EQ(page.curves[3].points.back(), (Point{0, 420}));
}

TEST(ExtendCutEnds, FourHeadLengthensBothEnds) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{100, 0}, {500, 0}, {500, 300}}),
                              MakeCurve(kFullCut, {{0, 0}, {399, 0}})});
    ExtendCutEnds(page, 20, Edition::FourHead);
    EXPECT_EQ(page.curves[0].points, (std::vector<Point>{{80, 0}, {500, 0}, {500, 320}}));
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{0, 0}, {399, 0}}));
}

TEST(AddLeadIns, ShortCutGetsStartCutAndArcButNoOverCut) {
    // A 2 mm cut with knife tip compensation 0.5 mm (r = 20): the blade,
    // left pointing +Y by the start cut, turns 90 degrees onto the line.
    COnePage page = MakePage({MakeCurve(kDrawn, {{0, 0}, {10, 10}}),
                              MakeCurve(kFullCut, {{1000, 1000}, {1080, 1000}})});
    ExtendCutEnds(page, 20, Edition::TwoHead);
    AddLeadIns(page, 20, Edition::TwoHead);
    ASSERT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[0].kind, kFullCut);
    EXPECT_EQ(page.curves[0].points, (std::vector<Point>{{0, 0}, {0, 40}}));
    const auto& p = page.curves[2].points;
    ASSERT_EQ(p.size(), 20u);   // 19 arc points (one per 5 degrees) and the end
    EXPECT_EQ(p.front(), (Point{1000, 1020}));
    EXPECT_EQ(p[18], (Point{1020, 1000}));
    EXPECT_EQ(p.back(), (Point{1080, 1000}));
}

TEST(AddLeadIns, EachArcStartsFromTheDirectionThePreviousCutLeft) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 1000}, {0, 2000}}),
                              MakeCurve(kFullCut, {{1000, 1000}, {1000, 2000}})});
    AddLeadIns(page, 20, Edition::TwoHead);
    ASSERT_EQ(page.curves.size(), 3u);
    // Both cuts run +Y like the start cut: no turn, a zero-length arc of two
    // points (deduplicated to one) on the line 20 units in.
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{0, 1020}, {0, 2000}}));
    EXPECT_EQ(page.curves[2].points, (std::vector<Point>{{1000, 1020}, {1000, 2000}}));
}

TEST(AddLeadIns, NothingWithoutCutsAfterTheFirstCurveOrOnFourHeads) {
    COnePage onlyFirst = MakePage({MakeCurve(kFullCut, {{0, 0}, {500, 0}}), MakeCurve(kDrawn, {{0, 0}, {5, 5}})});
    AddLeadIns(onlyFirst, 20, Edition::TwoHead);
    EXPECT_EQ(onlyFirst.curves.size(), 2u);
    EXPECT_EQ(onlyFirst.curves[0].points.front(), (Point{0, 0}));

    COnePage four = MakePage({MakeCurve(kDrawn, {{0, 0}, {5, 5}}), MakeCurve(kFullCut, {{100, 0}, {500, 0}})});
    AddLeadIns(four, 20, Edition::FourHead);
    EXPECT_EQ(four.curves.size(), 2u);
    EXPECT_EQ(four.curves[1].points.front(), (Point{100, 0}));
}

TEST(AddLeadIns, CurvesLeftWithoutASegmentAreDropped) {
    // r beyond the only segment removes both of its points; the arc stays.
    COnePage page = MakePage({MakeCurve(kDrawn, {{0, 0}, {5, 5}}), MakeCurve(kFullCut, {{500, 500}, {510, 500}}),
                              MakeCurve(kFullCut, {{7, 7}})});
    AddLeadIns(page, 20, Edition::TwoHead);
    for (const CCurve& c : page.curves) EXPECT_GE(c.points.size(), 2u);
    EXPECT_EQ(page.curves.size(), 3u);   // start cut, ink, the arc of the short cut
}

}  // namespace
}  // namespace pv
