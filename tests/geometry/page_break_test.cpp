#include <gtest/gtest.h>

#include "curve_builders.h"
#include "geometry/one_page.h"

namespace pv {
namespace {

using test::MakeCurve;
using test::PointsOf;
using Pts = std::vector<Point>;

TEST(BreakByAngleTest, ClosedRectangleBreaksAtItsThreeInnerCorners) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {5000, 0}}));   // not selected
    CCurve rect = MakeCurve({{0, 0}, {4000, 0}, {4000, 2000}, {0, 2000}, {0, 0}}, kFullCut);
    rect.selected = 1;
    rect.role = kRoleOutline;
    rect.isTNotch = 1;
    page.curves.push_back(rect);
    page.curves.push_back(MakeCurve({{9, 9}, {10, 10}}));
    page.BreakByAngle(15);
    EXPECT_EQ(PointsOf(page), (std::vector<Pts>{{{0, 0}, {5000, 0}},
                                                {{0, 0}, {4000, 0}},
                                                {{9, 9}, {10, 10}},
                                                {{4000, 0}, {4000, 2000}},
                                                {{4000, 2000}, {0, 2000}},
                                                {{0, 2000}, {0, 0}}}));
    EXPECT_EQ(page.curves[1].maxX, 4000);
    EXPECT_EQ(page.curves[1].maxY, 0);   // fresh bounds
    for (std::size_t i = 3; i < 6; ++i) {
        EXPECT_EQ(page.curves[i].kind, kFullCut);
        EXPECT_EQ(page.curves[i].role, kRoleOutline);
        EXPECT_EQ(page.curves[i].selected, 1);
        EXPECT_EQ(page.curves[i].isTNotch, 0);   // copies
    }
    EXPECT_EQ(page.curves[4].minX, 0);
    EXPECT_EQ(page.curves[4].minY, 2000);
}

TEST(BreakByAngleTest, TurnMustExceedTheAngle) {
    for (const auto& [degrees, pieces] : {std::pair{90.0, 1u}, std::pair{89.0, 2u}}) {
        COnePage page;
        page.curves.push_back(MakeCurve({{0, 0}, {100, 0}, {100, 100}}));
        page.curves[0].selected = 1;
        page.BreakByAngle(degrees);
        EXPECT_EQ(page.curves.size(), pieces) << degrees;
    }
}

TEST(BreakByAngleTest, OnlyTheFirstSelectedCurveBreaks) {
    COnePage page;
    for (int k = 0; k < 2; ++k) {
        page.curves.push_back(MakeCurve({{0, 0}, {100, 0}, {100, 100}}));
        page.curves.back().selected = 1;
    }
    page.BreakByAngle(15);
    EXPECT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[1].points.size(), 3u);

    COnePage none;
    none.curves.push_back(MakeCurve({{0, 0}, {100, 0}, {100, 100}}));
    none.BreakByAngle(15);
    EXPECT_EQ(none.curves.size(), 1u);
}

TEST(BreakByAngleTest, At299BreaksTheRestStaysInTheLastPiece) {
    Pts zigzag;
    for (int i = 0; i < 400; ++i) zigzag.push_back({i * 100, (i % 2) * 100});
    COnePage page;
    page.curves.push_back(MakeCurve(zigzag));
    page.curves[0].selected = 1;
    page.BreakByAngle(15);
    ASSERT_EQ(page.curves.size(), 300u);
    EXPECT_EQ(page.curves[0].points, (Pts{zigzag[0], zigzag[1]}));
    EXPECT_EQ(page.curves[298].points, (Pts{zigzag[298], zigzag[299]}));
    EXPECT_EQ(page.curves[299].points, Pts(zigzag.begin() + 299, zigzag.end()));
}

}  // namespace
}  // namespace pv
