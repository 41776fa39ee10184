// Bands that cannot be built fail with a result and write nothing past a
// buffer; hostile drawings and parameters do not crash; the drop counters
// count what is fired.
#include <gtest/gtest.h>

#include <limits>

#include "band_test_checks.h"
#include "band_test_pages.h"

namespace pv {
namespace {

using namespace bandtest;

TEST(BandLimits, BandsBeyondTheColumnCapacityAreRefused) {
    const RasterConfig cfg = SimpleConfig();   // M = 200
    const COnePage page = PatternPage();
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 26000 - 200), kBandOk);   // bitmap rows exactly full
    EXPECT_EQ(b.BuildBand(0), kBandOk);
    EXPECT_GT(ExpectDecodesToBitmap(b, cfg, 0), 100);
    EXPECT_EQ(b.BeginPrint(page, cfg, 26000 - 199), kBandTooManyColumns);
    EXPECT_EQ(b.BuildBand(0), kBandTooManyColumns);
    EXPECT_TRUE(b.Segment().empty());
    EXPECT_EQ(b.BeginPrint(page, cfg, std::numeric_limits<std::int32_t>::max()), kBandTooManyColumns);
    EXPECT_STRNE(BandResultText(kBandTooManyColumns, 1), BandResultText(kBandOk, 1));
}

TEST(BandLimits, BandTooDenseToCompressFailsAndTheNextBandStillBuilds) {
    RasterConfig cfg = SimpleConfig();   // overlap 2
    const BandLayout layout(cfg);
    // Nozzles 22, 34, 24, 36, 26, 38 fire primitives 0, 4, 8, 12, 16, 20:
    // every other word of a column set, each gap a run of one word.
    const int nozzles[] = {22, 34, 24, 36, 26, 38};
    COnePage page;
    for (int n : nozzles)
        for (int dot : {n, 150 + n - 2}) {
            std::int32_t x = 0;
            while (layout.DotOfX(x, 0) < dot) ++x;
            page.curves.push_back(Line({{x, -40 * 40}, {x, 40 * 26000}}));
        }
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 25000), kBandOk);
    EXPECT_EQ(b.BuildBand(0), kBandSegmentOverflow);
    EXPECT_TRUE(b.Segment().empty());
    EXPECT_EQ(b.BuildBand(1), kBandOk);   // nothing there
    EXPECT_FALSE(b.Segment().empty());
}

TEST(BandLimits, HostileDrawingsAndParametersDoNotCrash) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    COnePage page;
    page.curves.push_back(Line({{kMin, kMin}, {kMax, kMax}, {kMin, kMax}, {kMax, kMin}}));
    page.curves.push_back(Line({{kMin, 400}, {kMax, 400}}, 1));
    page.curves.push_back(Line({{100, kMin}, {100, kMax}}, 7));
    page.curves.push_back(Line({{500, 500}, {500, 500}, {500, 500}}));
    page.curves.push_back(CCurve{});
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        RasterConfig cfg = SimpleConfig(e);
        cfg.headSelect = 200;   // outside every choice: both / first two heads
        BandBuilder b(e);
        ASSERT_EQ(b.BeginPrint(page, cfg, 3000), kBandOk);
        for (std::int32_t a : {0, 1, 2, 5000, kMax / 600}) EXPECT_EQ(b.BuildBand(a), kBandOk) << a;
        EXPECT_EQ(b.BuildBand(-1), kBandNotPrepared);

        RasterConfig noInterval = cfg;
        noInterval.fireIntervalPulses = 0;
        EXPECT_EQ(b.BeginPrint(page, noInterval, 3000), kBandBadParameters);
        EXPECT_EQ(b.BuildBand(0), kBandBadParameters);
        EXPECT_EQ(b.BeginPrint(page, cfg, 0), kBandNotPrepared);
        RasterConfig other = cfg;
        other.edition = IsFourHead(e) ? Edition::TwoHead : Edition::FourHead;
        EXPECT_EQ(b.BeginPrint(page, other, 3000), kBandBadParameters);
    }
    // Overlaps and head positions as large as the records hold.
    RasterConfig wide = SimpleConfig(Edition::FourHead);
    wide.headSelect = 3;
    wide.overlap = {255, 255, 255};
    wide.posLeft = {0, 65535, 0, 0};
    BandBuilder b(Edition::FourHead);
    EXPECT_EQ(b.BeginPrint(page, wide, 3000), kBandOk);   // M from 1# and 4# only
    EXPECT_EQ(b.BuildBand(1), kBandOk);
}

TEST(BandLimits, DecoderRefusesBytesThatAreNotThisBand) {
    const RasterConfig cfg = SimpleConfig();
    BandDecoder decoder(cfg, 400);
    BandDots dots;
    const std::vector<std::uint8_t> shortBand{0, 0, 0x98, 0x08};   // one run of 2200 words
    EXPECT_EQ(decoder.Decode(shortBand, 0, dots), kBandBadSegment);
    const std::vector<std::uint8_t> garbage{1, 2, 3};
    EXPECT_EQ(decoder.Decode(garbage, 0, dots), kBandBadSegment);
    // Firings no nozzle serves are counted, not drawn.
    // Primitive 0 at address 7, then 8799 zero words.
    std::vector<std::uint8_t> slotSeven{0x80, 0};
    for (int run : {2200, 2200, 2200, 2199})
        slotSeven.insert(slotSeven.end(), {0, 0, static_cast<std::uint8_t>(run & 0xFF),
                                           static_cast<std::uint8_t>(run >> 8)});
    BandDecodeStats stats;
    ASSERT_EQ(decoder.Decode(slotSeven, 0, dots, &stats), kBandOk);
    EXPECT_EQ(stats.strayFirings, 1);
    EXPECT_EQ(dots.Count(), 0);
}

TEST(BandLimits, DropCountersCountTheFiredNozzles) {
    struct Case { Edition e; int head; bool dark; bool on; };
    const Case cases[] = {{Edition::TwoHead, 0, false, true}, {Edition::TwoHead, 0, true, true},
                          {Edition::TwoHead, 2, false, true}, {Edition::TwoHead, 0, false, false},
                          {Edition::FourHead, 3, false, true}};
    for (const Case& c : cases) {
        RasterConfig cfg = SimpleConfig(c.e);
        cfg.headSelect = c.head;
        cfg.darkLines = c.dark;
        cfg.countDrops = c.on && !IsFourHead(c.e);
        const COnePage page = PatternPage();
        BandBuilder b(c.e);
        ASSERT_EQ(b.BeginPrint(page, cfg, 1400), kBandOk);
        ASSERT_EQ(b.BuildBand(0), kBandOk);
        BandDecoder decoder(cfg, 1400);
        BandDots dots;
        ASSERT_EQ(decoder.Decode(b.Segment(), 0, dots), kBandOk);
        std::int64_t low = 0, high = 0;   // dots of 1# (or the one head) and of 2#
        for (int r = 0; r < dots.Rows(); ++r)
            for (int d = 0; d < dots.Width(); ++d)
                if (dots.Get(r, d)) (d < 150 ? low : high) += 1;
        ASSERT_GT(low, 0);
        const DropCounts drops = b.TakeDropCounts();
        const int weight = c.dark ? 2 : 1;
        if (!cfg.countDrops) {
            EXPECT_EQ(drops.head1, 0);
            EXPECT_EQ(drops.head2, 0);
        } else if (c.head == 2) {
            EXPECT_EQ(drops.head1, 0);
            EXPECT_EQ(drops.head2, low * weight);
        } else {
            EXPECT_EQ(drops.head1, low * weight);
            EXPECT_EQ(drops.head2, high * weight);
        }
        EXPECT_EQ(b.TakeDropCounts().head1, 0);   // taken
    }
}

}  // namespace
}  // namespace pv

namespace pv {
namespace {

// The four-head machine's drops are counted per cartridge too (for the
// print history): every fired dot of the band is a drop of one of 1# to 4#
// (a nozzle two overlapping rows fire counts for each).
TEST(BandLimits, FourHeadDropsAreCountedPerCartridge) {
    RasterConfig cfg = SimpleConfig(Edition::FourHead);
    cfg.headSelect = 3;
    cfg.countDrops = true;
    const COnePage page = PatternPage();
    BandBuilder b(Edition::FourHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 1400), kBandOk);
    ASSERT_EQ(b.BuildBand(0), kBandOk);
    BandDecoder decoder(cfg, 1400);
    BandDots dots;
    ASSERT_EQ(decoder.Decode(b.Segment(), 0, dots), kBandOk);
    std::int64_t fired = 0;
    for (int r = 0; r < dots.Rows(); ++r)
        for (int d = 0; d < dots.Width(); ++d) fired += dots.Get(r, d) ? 1 : 0;
    ASSERT_GT(fired, 0);
    const DropCounts drops = b.TakeDropCounts();
    const std::int64_t counted = drops.head1 + drops.head2 + drops.head3 + drops.head4;
    EXPECT_GE(counted, fired);
    EXPECT_LE(counted, 2 * fired);
}

}  // namespace
}  // namespace pv
