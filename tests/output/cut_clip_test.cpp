#include "output/cut_clip.h"

#include <gtest/gtest.h>

#include "cut_test_util.h"

namespace pv {
namespace {

using test::MakeCurve;

// 40.00 pulses per mm on both axes and no registration: one pulse per
// plotter unit, so records can be read in drawing coordinates.
CutFrame UnitFrame() {
    CutFrame f;
    f.feedPulses = 4000;
    f.carriagePulses = 4000;
    f.bandsPerSegment = 8;
    f.bandStep = 298;
    return f;
}

std::vector<CutRecord> Clip(const CCurve& c, std::int64_t lo, std::int64_t hi, const CutFrame& f = UnitFrame()) {
    std::vector<CutRecord> out;
    ClipToFeedWindow(c, lo, hi, f, out);
    return out;
}

TEST(CutWindow, StartsFollowTheBandsAndTheRegistration) {
    // Defaults: 8 bands of 298 dots, 80.00 feed pulses per mm, registration 5.0 mm.
    const CutFrame f = CutFrame::From(MachineParams::Defaults(Edition::TwoHead), Edition::TwoHead, 298);
    EXPECT_EQ(CutWindowStart(0, f), 400);
    EXPECT_EQ(CutWindowStart(1, f), 16547);   // 2384 dots / 11.811 dots/mm · 80 + 400 = 16547.63
    EXPECT_EQ(CutWindowStart(2, f), 32695);
}

TEST(CutWindow, FourHeadKnifeSitsFurtherAcross) {
    MachineParams p = MachineParams::Defaults(Edition::FourHead);
    p.adv.carriagePulsesPerMm = 4000;
    p.machine.plotCutOffsetY = 0;
    const CutFrame two = CutFrame::From(p, Edition::TwoHead, 298);
    const CutFrame four = CutFrame::From(p, Edition::FourHead, 298);
    EXPECT_DOUBLE_EQ(two.CarriagePulsesAt(400), 400.0);
    EXPECT_DOUBLE_EQ(four.CarriagePulsesAt(400), 400.0 + 130 * 40);
}

TEST(CutWindow, ZeroBandsPerSegmentCountsAsOne) {
    MachineParams p = MachineParams::Defaults(Edition::TwoHead);
    p.adv.bandsPerCutSegment = 0;
    const CutFrame f = CutFrame::From(p, Edition::TwoHead, 298);
    EXPECT_LT(CutWindowStart(0, f), CutWindowStart(1, f));
}

TEST(ClipToFeedWindow, SegmentsAreCutAtTheWindowEdges) {
    struct Case {
        const char* name;
        std::vector<Point> pts;
        std::vector<CutRecord> expected;
    };
    const Case cases[] = {
        {"inside", {{1200, 0}, {1500, 300}, {1800, 300}}, {{1200, 0, 'M'}, {1500, 300, 'F'}, {1800, 300, 'F'}}},
        {"enters", {{500, 0}, {1500, 1000}}, {{1000, 500, 'M'}, {1500, 1000, 'F'}}},
        {"leaves", {{1500, 0}, {2500, 1000}}, {{1500, 0, 'M'}, {2000, 500, 'F'}}},
        {"crosses forward", {{500, 0}, {2500, 2000}}, {{1000, 500, 'M'}, {2000, 1500, 'F'}}},
        {"crosses backward", {{2500, 2000}, {500, 0}}, {{2000, 1500, 'M'}, {1000, 500, 'F'}}},
        {"enters from beyond", {{2500, 0}, {1500, 1000}}, {{2000, 500, 'M'}, {1500, 1000, 'F'}}},
        {"before", {{0, 0}, {999, 5}}, {}},
        {"after", {{2001, 0}, {3000, 5}}, {}},
        {"leaves and comes back",
         {{1500, 0}, {2500, 0}, {2500, 100}, {1500, 100}},
         {{1500, 0, 'M'}, {2000, 0, 'F'}, {2000, 100, 'M'}, {1500, 100, 'F'}}},
        {"rounds Y half up", {{0, 0}, {3000, 2}}, {{1000, 1, 'M'}, {2000, 1, 'F'}}},
    };
    for (const Case& c : cases) {
        CCurve curve;
        curve.kind = kFullCut;
        curve.points = c.pts;
        EXPECT_EQ(Clip(curve, 1000, 2000), c.expected) << c.name;
    }
}

TEST(ClipToFeedWindow, LineOnABoundaryBelongsToBothWindows) {
    const CCurve c = MakeCurve(kFullCut, {{2000, 0}, {2000, 500}});
    const std::vector<CutRecord> expected{{2000, 0, 'M'}, {2000, 500, 'F'}};
    EXPECT_EQ(Clip(c, 1000, 2000), expected);
    EXPECT_EQ(Clip(c, 2000, 3000), expected);
}

TEST(ClipToFeedWindow, CodesFollowTheKind) {
    for (auto [kind, code] : {std::pair{kFullCut, 'F'}, std::pair{kHalfCut, 'H'}, std::pair{kDotGap, 'N'},
                              std::pair{kDot, 'D'}}) {
        const auto r = Clip(MakeCurve(kind, {{1100, 0}, {1200, 0}}), 1000, 2000);
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[1].code, code);
    }
    EXPECT_TRUE(Clip(MakeCurve(kDrawn, {{1100, 0}, {1200, 0}}), 1000, 2000).empty());
    EXPECT_TRUE(Clip(MakeCurve(9, {{1100, 0}, {1200, 0}}), 1000, 2000).empty());
}

TEST(ClipToFeedWindow, RegistrationAndPulsesPerMillimetre) {
    // 80.00 pulses per mm and 5.0 mm registration on both axes: a point at
    // 10 mm, 20 mm lands at (10 + 5) · 80, (20 + 5) · 80.
    CutFrame f = UnitFrame();
    f.feedPulses = f.carriagePulses = 8000;
    f.registrationX = f.registrationY = 50;
    const auto r = Clip(MakeCurve(kFullCut, {{400, 800}, {800, 800}}), 0, 100000, f);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (CutRecord{1200, 2000, 'M'}));
    EXPECT_EQ(r[1], (CutRecord{2000, 2000, 'F'}));
}

TEST(ClipToFeedWindow, HugeCoordinatesSaturate) {
    CutFrame f = UnitFrame();
    f.feedPulses = 60000;
    const auto r = Clip(MakeCurve(kFullCut, {{2'000'000'000, 0}, {2'100'000'000, 0}}), 0, INT64_MAX / 2, f);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].x, INT32_MAX);
}

}  // namespace
}  // namespace pv
