#include "output/band_layout.h"

#include <gtest/gtest.h>

#include "output/band_result.h"

namespace pv {
namespace {

RasterConfig Defaults(Edition e) {
    RasterConfig c;   // the machine's default parameters: 80 pulses per mm, interval 11
    c.edition = e;
    c.lineWidth = 2;
    c.overlap = {2, 0, 0};
    return c;
}

TEST(BandLayout, HundredMillimetreDrawingNeedsFourBands) {
    const BandLayout layout(Defaults(Edition::TwoHead));
    const BandCountResult r = layout.CountBands(4000, 0);   // 100 mm along the feed
    EXPECT_EQ(r.result, kBandOk);
    EXPECT_EQ(r.bands, 4);                                  // round(1181.10 + 3) = 1184 dots / 298
    EXPECT_TRUE(r.columnsSet);
}

TEST(BandLayout, ColumnCountCoversRowsPenNozzleGapAndHeadOffsets) {
    RasterConfig c = Defaults(Edition::TwoHead);
    c.posLeft = {5, 200, 0, 0};
    c.posRight = {7, 230, 0, 0};
    // 1000 mm across: 1000 × 80 / 11 = 7272.73 columns; + 3 → 7276 rows;
    // + 2·(30 + 2) + M (230) + 41.
    const BandCountResult r = BandLayout(c).CountBands(4000, 40000);
    EXPECT_EQ(r.columnCount, 7276 + 64 + 230 + 41);
    EXPECT_TRUE(r.fits);
    // The four-head count comes to the same formula.
    RasterConfig f = Defaults(Edition::FourHead);
    f.posLeft = {5, 220, 435, 650};
    f.posRight = {5, 220, 435, 650};
    EXPECT_EQ(BandLayout(f).CountBands(4000, 40000).columnCount, 7276 + 64 + 220 + 41);
}

TEST(BandLayout, ZeroExtentsGiveNoBandsAndLeaveTheColumnCount) {
    const BandCountResult r = BandLayout(Defaults(Edition::TwoHead)).CountBands(0, 0);
    EXPECT_EQ(r.bands, 0);
    EXPECT_FALSE(r.columnsSet);
    // A drawing only across the paper still has one band.
    EXPECT_EQ(BandLayout(Defaults(Edition::TwoHead)).CountBands(0, 4000).bands, 1);
    EXPECT_EQ(BandLayout(Defaults(Edition::TwoHead)).CountBands(-8000, 4000).bands, 0);
}

TEST(BandLayout, BandStepAndHeadOffsetFollowTheHeadsInUse) {
    struct Case { Edition e; int select; int step; int maxOffset; int bytes; };
    // Two-head positions 1#: 10 / 12, 2#: 200 / 190; four-head 1#..4#
    // leftwards 5, 220, 435, 650, rightwards 11, 214, 441, 644; overlaps 2, 3, 4.
    const Case cases[] = {
        {Edition::TwoHead, 0, 298, 200, 44}, {Edition::TwoHead, 1, 150, 200, 44},
        {Edition::TwoHead, 2, 150, 200, 44}, {Edition::TwoHead, 9, 298, 200, 44},
        {Edition::FourHead, 0, 298, 220, 44}, {Edition::FourHead, 1, 150, 11, 22},
        {Edition::FourHead, 2, 150, 220, 22}, {Edition::FourHead, 3, 591, 650, 88},
        {Edition::FourHead, 4, 445, 441, 66}, {Edition::FourHead, 5, 443, 650, 66},
    };
    for (const Case& c : cases) {
        RasterConfig cfg = Defaults(c.e);
        cfg.headSelect = c.select;
        cfg.overlap = {2, 3, 4};
        if (IsFourHead(c.e)) {
            cfg.posLeft = {5, 220, 435, 650};
            cfg.posRight = {11, 214, 441, 644};
        } else {
            cfg.posLeft = {10, 200, 0, 0};
            cfg.posRight = {12, 190, 0, 0};
        }
        const BandLayout layout(cfg);
        EXPECT_EQ(layout.Heads().BandStep(), c.step) << int(c.e) << " " << c.select;
        EXPECT_EQ(layout.Heads().MaxOffset(), c.maxOffset) << int(c.e) << " " << c.select;
        EXPECT_EQ(layout.Heads().BytesPerColumn(), c.bytes) << int(c.e) << " " << c.select;
    }
}

TEST(BandLayout, BandEndsAlongThePaper) {
    const BandLayout layout(Defaults(Edition::TwoHead));
    EXPECT_EQ(layout.BandEndX(0), 1009);   // 298 dots = 25.23 mm
    EXPECT_EQ(layout.BandEndX(3), 4036);
}

TEST(BandLayout, MissingFiringIntervalIsRefusedNotDividedBy) {
    RasterConfig c = Defaults(Edition::TwoHead);
    c.fireIntervalPulses = 0;
    const BandCountResult r = BandLayout(c).CountBands(4000, 4000);
    EXPECT_EQ(r.result, kBandBadParameters);
    EXPECT_EQ(r.bands, 0);
}

TEST(BandLayout, DrawingsBeyondTheBufferDoNotFit) {
    const RasterConfig c = Defaults(Edition::TwoHead);
    // 26,000 rows at 7.27 columns per mm: about 3.56 m across.
    EXPECT_TRUE(BandLayout(c).CountBands(4000, 3'000 * 40).fits);
    EXPECT_FALSE(BandLayout(c).CountBands(4000, 3'600 * 40).fits);
    EXPECT_FALSE(BandLayout(c).CountBands(4000, 2'000'000'000).fits);
}

}  // namespace
}  // namespace pv
