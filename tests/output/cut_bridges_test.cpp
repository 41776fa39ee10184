#include "output/cut_bridges.h"

#include <gtest/gtest.h>

#include "cut_test_util.h"

namespace pv {
namespace {

using test::KindLength;
using test::KindsAndLengths;
using test::MakeCurve;
using test::MakePage;

TEST(Bridges, LongCutBecomesFullCutsWithBridges) {
    // Full-cut length 30 mm, bridge 0.8 mm: a = 1200, b = 32.
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {4000, 0}}, 1)});
    MakeBridges(page, 1200, 32);
    const std::vector<KindLength> expected{{2, 1168}, {3, 32}, {2, 1168}, {3, 32},
                                           {2, 1168}, {3, 32}, {2, 400}};
    EXPECT_EQ(KindsAndLengths(page), expected);
    // Pieces follow each other along the line.
    for (std::size_t i = 1; i < page.curves.size(); ++i)
        EXPECT_EQ(page.curves[i].points.front(), page.curves[i - 1].points.back()) << i;
    EXPECT_EQ(page.curves.back().points.back(), (Point{4000, 0}));
    // The original piece keeps its line type, the new ones are plain.
    EXPECT_EQ(page.curves[0].lineType, 1);
    EXPECT_EQ(page.curves[1].lineType, 0);
    EXPECT_EQ(page.curves[2].lineType, 0);
}

TEST(Bridges, SplitStartsAtOnePointTwoTimesTheFullCutLength) {
    struct Case {
        std::int32_t length;
        std::size_t pieces;
    };
    for (const Case c : {Case{1440, 3u}, Case{1439, 1u}}) {
        COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {c.length, 0}})});
        MakeBridges(page, 1200, 32);
        EXPECT_EQ(page.curves.size(), c.pieces) << c.length;
    }
}

TEST(Bridges, SplitFallsIntoALaterSegment) {
    // 1000 along X, then 3000 along Y: the first bridge sits 168..200 up the second leg.
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {1000, 0}, {1000, 3000}})});
    MakeBridges(page, 1200, 32);
    ASSERT_GE(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[0].points, (std::vector<Point>{{0, 0}, {1000, 0}, {1000, 168}}));
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{1000, 168}, {1000, 200}}));
    EXPECT_EQ(page.curves[2].points.front(), (Point{1000, 200}));
}

TEST(Bridges, BridgeThatWouldStartBeforeTheSegmentStartsAtItsCorner) {
    // 1190 units before the corner: less than a bridge is left to the full
    // cut length, so the bridge runs from the corner.
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {1190, 0}, {1190, 3000}})});
    MakeBridges(page, 1200, 32);
    ASSERT_GE(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[1].kind, kHalfCut);
    EXPECT_EQ(page.curves[1].points, (std::vector<Point>{{1190, 0}, {1190, 32}}));
}

TEST(Bridges, OnlyFullCutsAreBroken) {
    COnePage page = MakePage({MakeCurve(kDrawn, {{0, 0}, {4000, 0}}), MakeCurve(kHalfCut, {{0, 40}, {4000, 40}}),
                              MakeCurve(kDotGap, {{0, 80}, {4000, 80}})});
    MakeBridges(page, 1200, 32);
    EXPECT_EQ(page.curves.size(), 3u);
}

TEST(Bridges, NonPositiveLengthsChangeNothing) {
    for (auto [a, b] : {std::pair{0, 32}, std::pair{1200, 0}, std::pair{-5, -5}}) {
        COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {4000, 0}})});
        MakeBridges(page, a, b);
        MakeDotted(page, a, b);
        EXPECT_EQ(page.curves.size(), 1u);
        EXPECT_EQ(page.curves[0].kind, kFullCut);
    }
}

TEST(Bridges, DegenerateCurvesDoNotHang) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{5, 5}}), MakeCurve(kFullCut, {{7, 7}, {7, 7}, {7, 7}}),
                              MakeCurve(kFullCut, {})});
    page.curves[2].points.clear();
    MakeBridges(page, 40, 4);
    MakeDotted(page, 40, 4);
    EXPECT_EQ(page.curves.size(), 3u);
}

TEST(Dots, LineBecomesGapsAndDots) {
    // Dot spacing 5.0 mm (a = 200), dots of 0.8 mm (b = 32).
    struct Case {
        std::int32_t length;
        std::vector<KindLength> expected;
    };
    const Case cases[] = {
        {480, {{4, 168}, {5, 32}, {4, 168}, {5, 32}, {4, 80}}},   // 12 mm
        {20, {{2, 20}}},                                          // 0.5 mm stays a full cut
        {120, {{4, 120}}},                                        // 3 mm: a single gap
    };
    for (const Case& c : cases) {
        COnePage page = MakePage({MakeCurve(kFullCut, {{100, 100}, {100 + c.length, 100}})});
        MakeDotted(page, 200, 32);
        EXPECT_EQ(KindsAndLengths(page), c.expected) << c.length;
    }
}

TEST(Dots, FourHeadDotsAreShorter) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {480, 0}})});
    MakeDotted(page, 200, 20);
    const std::vector<KindLength> expected{{4, 180}, {5, 20}, {4, 180}, {5, 20}, {4, 80}};
    EXPECT_EQ(KindsAndLengths(page), expected);
}

TEST(Dots, DottingTwiceKeepsTheDots) {
    COnePage page = MakePage({MakeCurve(kFullCut, {{0, 0}, {480, 0}})});
    MakeDotted(page, 200, 32);
    MakeDotted(page, 200, 32);
    const std::vector<KindLength> expected{{4, 168}, {5, 32}, {4, 168}, {5, 32}, {4, 80}};
    EXPECT_EQ(KindsAndLengths(page), expected);
}

}  // namespace
}  // namespace pv
