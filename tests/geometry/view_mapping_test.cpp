// The drawing view's mapping between plotter units and window pixels.
#include <gtest/gtest.h>

#include "geometry/view_mapping.h"

namespace pv {
namespace {

TEST(ViewMapping, RoundTripsThroughPixelsWithinOnePixelOfWorld) {
    ViewMapping v;
    v.z = 0.0075;
    v.sx0 = -37;
    v.sy0 = 12;
    v.H = 660;
    // Origin: 50 pixels from the left, 30 from the bottom, less the offsets.
    EXPECT_EQ(v.ToPixel({0, 0}), (PixelPoint{87, 618}));
    for (const Point p : {Point{0, 0}, Point{40000, 80000}, Point{123457, 5}, Point{-4000, -800}}) {
        const Point back = v.ToWorld(v.ToPixel(p));
        EXPECT_NEAR(back.x, p.x, 1 / v.z) << p.x;
        EXPECT_NEAR(back.y, p.y, 1 / v.z) << p.y;
    }
    // At two units to the pixel, pixels map to the world and back exactly.
    v.z = 0.5;
    for (const PixelPoint px : {PixelPoint{87, 618}, PixelPoint{300, 20}, PixelPoint{1, 659}})
        EXPECT_EQ(v.ToPixel(v.ToWorld(px)), px);
}

TEST(ViewMapping, FitPutsThePaperWidthIntoTheHeightLessSixtyPixels) {
    ViewMapping v;
    v.sx0 = 400;
    v.sy0 = -90;
    v.Fit(660, 2000);
    EXPECT_DOUBLE_EQ(v.z, 600.0 / 80000.0);
    EXPECT_EQ(v.sx0, 0);
    EXPECT_EQ(v.sy0, 0);
    EXPECT_EQ(v.H, 660);
    EXPECT_EQ(ViewMapping::GridStepMm(v.z), 200);
    // The paper's far edge lands 30 pixels from the top.
    EXPECT_EQ(v.ToPixel({0, 80000}).y, 30);

    // A window too small or a paper of no width still gives a positive zoom.
    for (const auto& [h, paper] : {std::pair{40, 2000}, std::pair{660, 0}, std::pair{660, -5}}) {
        v.Fit(h, paper);
        EXPECT_GT(v.z, 0.0) << h << " " << paper;
    }
}

TEST(ViewMapping, GridStepFollowsTheZoom) {
    const std::pair<double, int> table[] = {{0.001, 500}, {0.0049, 500}, {0.005, 200}, {0.0099, 200},
                                            {0.01, 100},  {0.019, 100},  {0.02, 50},   {0.049, 50},
                                            {0.05, 20},   {0.099, 20},   {0.1, 10},    {3.0, 10}};
    for (const auto& [z, step] : table) EXPECT_EQ(ViewMapping::GridStepMm(z), step) << z;
}

TEST(ViewMapping, PageKeysZoomByTwoAndStopAtTheLowerLimit) {
    ViewMapping v;
    v.z = 0.004;
    v.sx0 = 81;
    v.sy0 = -81;
    EXPECT_TRUE(v.ZoomOut());
    EXPECT_DOUBLE_EQ(v.z, 0.002);
    EXPECT_EQ(v.sx0, 40);
    EXPECT_EQ(v.sy0, -40);   // integer division truncates toward zero

    v.z = 0.001;
    EXPECT_FALSE(v.ZoomOut());
    EXPECT_DOUBLE_EQ(v.z, 0.001);
    EXPECT_EQ(v.sx0, 40);

    EXPECT_TRUE(v.ZoomIn());
    EXPECT_DOUBLE_EQ(v.z, 0.002);
    v.z = ViewMapping::kMaxZoom;
    EXPECT_FALSE(v.ZoomIn());
}

TEST(ViewMapping, WheelZoomKeepsTheWorldPointUnderThePointer) {
    ViewMapping v;
    v.Fit(660, 2000);
    v.sx0 = 33;
    v.sy0 = -21;
    const PixelPoint cursor{412, 250};
    for (const double factor : {1.25, 1.25, 0.8, 1.25, 0.8, 0.8, 0.8}) {
        const double wx = (v.sx0 + cursor.x - 50) / v.z, wy = (v.H - v.sy0 - cursor.y - 30) / v.z;
        ASSERT_TRUE(v.ZoomAbout(cursor, factor));
        // The same drawing point is still under the cursor, to the pixel.
        EXPECT_NEAR(wx * v.z + 50 - v.sx0, cursor.x, 0.5);
        EXPECT_NEAR(v.H - wy * v.z - 30 - v.sy0, cursor.y, 0.5);
    }
}

}  // namespace
}  // namespace pv
