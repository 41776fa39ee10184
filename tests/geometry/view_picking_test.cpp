// What the drawing view's pointer finds: clicks, rubber bands and moving the
// selection.
#include <gtest/gtest.h>

#include "curve_builders.h"
#include "geometry/view_picking.h"

namespace pv {
namespace {

using test::MakeCurve;

// One unit to the pixel, no offsets: pixel (px, py) is world (px − 50, 570 − py).
ViewMapping UnitView() {
    ViewMapping v;
    v.z = 1.0;
    v.H = 600;
    return v;
}

PixelPoint At(const ViewMapping& v, std::int32_t x, std::int32_t y) { return v.ToPixel({x, y}); }

TEST(ViewPicking, HitTestReachesFourPixelsAroundASegment) {
    const ViewMapping v = UnitView();
    const CCurve c = MakeCurve({{100, 100}, {200, 100}});
    const struct {
        std::int32_t x, y;
        bool hit;
    } table[] = {{150, 100, true}, {150, 104, true}, {150, 96, true}, {150, 105, false},
                 {96, 100, true},  {95, 100, false}, {204, 103, true}, {205, 100, false}};
    for (const auto& t : table) EXPECT_EQ(HitTest(c, v, At(v, t.x, t.y)), t.hit) << t.x << "," << t.y;

    // A slanted segment: the rectangle turns with it.
    const CCurve d = MakeCurve({{0, 0}, {100, 100}});
    EXPECT_TRUE(HitTest(d, v, At(v, 52, 48)));
    EXPECT_FALSE(HitTest(d, v, At(v, 54, 46)));
    EXPECT_FALSE(HitTest(MakeCurve({{5, 5}}), v, At(v, 5, 5)));
}

TEST(ViewPicking, AClickPrefersTheDrawnLineOverTheCutLineAndTogglesIt) {
    const ViewMapping v = UnitView();
    COnePage page;
    page.curves.push_back(MakeCurve({{100, 100}, {300, 100}}, kFullCut));   // listed first
    page.curves.push_back(MakeCurve({{100, 100}, {300, 100}}, kDrawn));
    const PixelPoint beside = At(v, 200, 103);   // 3 pixels beside both
    EXPECT_EQ(PickAt(page, v, beside), 1);
    EXPECT_EQ(page.curves[1].selected, 1);
    EXPECT_EQ(page.curves[0].selected, 0);
    EXPECT_EQ(PickAt(page, v, beside), 1);
    EXPECT_EQ(page.curves[1].selected, 0);
    EXPECT_EQ(page.curves[0].selected, 0);
    EXPECT_EQ(PickAt(page, v, At(v, 200, 110)), -1);
}

TEST(ViewPicking, RubberBandCrossingRuleDependsOnTheDragDirection) {
    const ViewMapping v = UnitView();
    const auto page = [] {
        COnePage p;
        p.curves.push_back(MakeCurve({{0, 200}, {1000, 200}}));            // long line, half inside
        p.curves.push_back(MakeCurve({{120, 120}, {180, 160}}));           // wholly inside
        p.curves.push_back(MakeCurve({{600, 100}, {800, 100}}));           // outside
        p.curves.push_back(MakeCurve({{498, 150}, {502, 150}}));           // 4 units across the edge: too short
        p.curves.push_back(MakeCurve({{300, 300}, {500, 300}}));           // runs along the top edge
        return p;
    };
    const PixelPoint lowLeft = At(v, 100, 100), highRight = At(v, 500, 300);

    COnePage leftward = page();
    EXPECT_EQ(SelectInBand(leftward, v, highRight, lowLeft), 1);
    EXPECT_EQ(leftward.curves[1].selected, 1);
    EXPECT_EQ(leftward.curves[0].selected, 0);

    COnePage rightward = page();
    EXPECT_EQ(SelectInBand(rightward, v, lowLeft, highRight), 2);
    EXPECT_EQ(rightward.curves[0].selected, 1);
    EXPECT_EQ(rightward.curves[1].selected, 1);
    EXPECT_EQ(rightward.curves[2].selected, 0);
    EXPECT_EQ(rightward.curves[3].selected, 0);
    EXPECT_EQ(rightward.curves[4].selected, 0);
}

TEST(ViewPicking, MovingTheSelectionStopsAtTheAxes) {
    COnePage page;
    page.curves.push_back(MakeCurve({{400, 300}, {800, 900}}));
    page.curves.push_back(MakeCurve({{2000, 2000}, {2100, 2100}}));
    page.curves[0].selected = 1;
    MoveSelection(page, -1000, 50);
    EXPECT_EQ(page.curves[0].points, (std::vector<Point>{{0, 350}, {400, 950}}));
    MoveSelection(page, 10, -500);
    EXPECT_EQ(page.curves[0].points, (std::vector<Point>{{10, 0}, {410, 600}}));
    EXPECT_EQ(page.curves[1].points.front(), (Point{2000, 2000}));
    EXPECT_EQ(page.minX, 10);
    EXPECT_EQ(page.maxX, 2100);
}

}  // namespace
}  // namespace pv
