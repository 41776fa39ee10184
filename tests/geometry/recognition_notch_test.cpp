// T, I and U notches.
#include <gtest/gtest.h>

#include "geometry/recognition.h"
#include "recognition_test_util.h"
#include "settings/app_settings.h"

namespace pv {
namespace {

using rectest::MakeCurve;

using Pts = std::vector<Point>;

TEST(FindTNotches, SplitsANotchOffTheStartAndTheMirroredOneOffTheEnd) {
    COnePage page;
    // Bar 6 mm (240) along -Y, back 3 mm (120) to its middle, stem 10 mm
    // (400) at 90 degrees, then the contour; the end carries the same notch
    // drawn backwards.
    page.curves.push_back(MakeCurve({{0, 120}, {0, -120}, {0, 0}, {-400, 0}, {-400, -3000}, {3000, -3000},
                                     {3400, -3000}, {3400, -3120}, {3400, -2880}}));
    FindTNotches(page);
    ASSERT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[0].points, (Pts{{-400, 0}, {-400, -3000}, {3000, -3000}}));
    EXPECT_EQ(page.curves[1].points, (Pts{{0, 120}, {0, -120}, {0, 0}, {-400, 0}}));
    EXPECT_EQ(page.curves[2].points, (Pts{{3400, -2880}, {3400, -3120}, {3400, -3000}, {3000, -3000}}));
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(page.curves[i].isTNotch, 1);
        EXPECT_EQ(page.curves[i].role, kRoleNotch);
    }
    EXPECT_EQ(page.curves[0].isTNotch, 0);
}

TEST(FindTNotches, LeavesShapesOutsideTheProportions) {
    struct Case {
        const char* name;
        Pts start;   // the first four points; the contour goes on from the last
    } cases[] = {
        {"stem 7 mm", {{0, 120}, {0, -120}, {0, 0}, {-280, 0}}},
        {"bar not twice the way back", {{0, 120}, {0, -120}, {0, 30}, {-400, 30}}},
        {"stem at 30 degrees to the bar", {{0, 120}, {0, -120}, {0, 0}, {-200, -346}}},
        {"bar 10 mm", {{0, 200}, {0, -200}, {0, 0}, {-400, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COnePage page;
        CCurve curve;
        curve.points = c.start;
        curve.points.push_back({-3000, -3000});
        curve.points.push_back({-3000, -6000});
        page.curves.push_back(curve);
        FindTNotches(page);
        EXPECT_EQ(page.curves.size(), 1u);
    }
}

TEST(FindTNotches, ALoneNotchLeavesNoSinglePointCurveBehindAndIsNotSplitAgain) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 120}, {0, -120}, {0, 0}, {-400, 0}}));
    FindTNotches(page);
    ASSERT_EQ(page.curves.size(), 1u);
    EXPECT_EQ(page.curves[0].isTNotch, 1);
    FindTNotches(page);
    EXPECT_EQ(page.curves.size(), 1u);
}

TEST(FindINotches, SplitsAShortRightAngledStrokeNoLongerThanTheRest) {
    struct Case {
        const char* name;
        Pts points;
        bool split;
    } cases[] = {
        {"5 mm at 90 degrees on a 2 m line", {{0, 200}, {0, 0}, {80000, 0}}, true},
        {"rest of the line only 4 mm", {{0, 200}, {0, 0}, {60, 0}, {160, 0}}, false},
        {"at 45 degrees", {{-141, 141}, {0, 0}, {80000, 0}}, false},
        {"1.5 mm stroke", {{0, 60}, {0, 0}, {80000, 0}}, false},
        {"11 mm stroke", {{0, 440}, {0, 0}, {80000, 0}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COnePage page;
        CCurve curve;
        curve.points = c.points;
        page.curves.push_back(curve);
        FindINotches(page);
        ASSERT_EQ(page.curves.size(), c.split ? 2u : 1u);
        if (!c.split) continue;
        EXPECT_EQ(page.curves[0].points, (Pts(c.points.begin() + 1, c.points.end())));
        EXPECT_EQ(page.curves[1].points, (Pts{c.points[0], c.points[1]}));
        EXPECT_EQ(page.curves[1].isINotch, 1);
        EXPECT_EQ(page.curves[1].role, kRoleNotch);
    }
}

TEST(FindINotches, FindsTheEndNotchAndKeepsNotchesDrawnWhateverCutNotchSays) {
    AppSettings settings;
    settings.FindICutFirst = 1;
    settings.CutNotch = 1;
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {80000, 0}, {80000, -200}}));
    FindOutlines(page, settings);
    ASSERT_EQ(page.curves.size(), 2u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {80000, 0}}));
    EXPECT_EQ(page.curves[1].points, (Pts{{80000, 0}, {80000, -200}}));
    EXPECT_EQ(page.curves[1].isINotch, 1);
    EXPECT_EQ(page.curves[1].kind, kDrawn);
}

// A cut contour whose bottom side carries a U: sides 5 mm (200), width
// 1.5 mm (60).
CCurve ContourWithU(std::int32_t side, std::int32_t width) {
    return MakeCurve({{0, 0},
                      {1000, 0},
                      {1000, side},
                      {1000 + width, side},
                      {1000 + width, 0},
                      {4000, 0},
                      {4000, 4000},
                      {0, 4000},
                      {0, 0}},
                     kFullCut);
}

TEST(FindUNotches, TurnsAUIntoADrawnMarkAndCutsStraightAcrossItsMouth) {
    AppSettings settings;
    settings.FindUNotch = 1;
    COnePage page;
    page.curves.push_back(ContourWithU(200, 60));
    RecognizeUNotchesOnRead(page, settings);
    ASSERT_EQ(page.curves.size(), 2u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {1000, 0}, {1060, 0}, {4000, 0}, {4000, 4000}, {0, 4000}, {0, 0}}));
    EXPECT_EQ(page.curves[0].kind, kFullCut);
    EXPECT_EQ(page.curves[1].points, (Pts{{1000, 0}, {1000, 200}, {1060, 200}, {1060, 0}}));
    EXPECT_EQ(page.curves[1].kind, kDrawn);
    EXPECT_EQ(page.curves[1].role, kRoleNone);
}

TEST(FindUNotches, LeavesDrawnLinesOtherProportionsAndTheSettingOff) {
    struct Case {
        const char* name;
        CCurve curve;
        int findUNotch;
    } cases[] = {
        {"setting 0", ContourWithU(200, 60), 0},
        {"setting 2", ContourWithU(200, 60), 2},
        {"drawn contour", [] { CCurve c = ContourWithU(200, 60); c.kind = kDrawn; return c; }(), 1},
        {"sides 7 mm", ContourWithU(280, 60), 1},
        {"width 3 mm", ContourWithU(200, 120), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppSettings settings;
        settings.FindUNotch = c.findUNotch;
        COnePage page;
        page.curves.push_back(c.curve);
        RecognizeUNotchesOnRead(page, settings);
        EXPECT_EQ(page.curves.size(), 1u);
        EXPECT_EQ(page.curves[0].points.size(), 9u);
    }
}

TEST(FindUNotches, FindsTwoUsInARowAndStartsTheNextWindowAtTheMouth) {
    COnePage page;
    page.curves.push_back(MakeCurve({{0, 0}, {1000, 0}, {1000, 200}, {1060, 200}, {1060, 0}, {1060, 200},
                                     {1120, 200}, {1120, 0}, {4000, 0}},
                                    kFullCut));
    FindUNotches(page);
    // The second U starts at the first one's far corner D = (1060, 0).
    ASSERT_EQ(page.curves.size(), 3u);
    EXPECT_EQ(page.curves[0].points, (Pts{{0, 0}, {1000, 0}, {1060, 0}, {1120, 0}, {4000, 0}}));
    EXPECT_EQ(page.curves[2].points, (Pts{{1060, 0}, {1060, 200}, {1120, 200}, {1120, 0}}));
}

}  // namespace
}  // namespace pv
