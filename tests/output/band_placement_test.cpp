// Where the rows of a band go in the firing columns: head positions of the
// band's direction, reversal of odd bands, margins and edge lines, and the
// four-head mirrored layout.
#include <gtest/gtest.h>

#include <memory>

#include "band_test_checks.h"
#include "band_test_pages.h"
#include "output/nozzle_map.h"

namespace pv {
namespace {

using namespace bandtest;

// Y (plotter units) of bitmap row `row`: one column per mm.
std::int32_t YOfRow(const RasterConfig& cfg, int row) {
    const int base = IsFourHead(cfg.edition) ? cfg.lineWidth + 1
                                             : cfg.nozzleColumnGapPx + cfg.lineWidth + 4;
    const std::int32_t y = 40 * (row - base);
    EXPECT_EQ(BandLayout(cfg).RowOfY(y), row);
    return y;
}

// A line along the paper feed (all dots of several bands) on one row.
CCurve RowLine(const RasterConfig& cfg, int row, std::int32_t x0 = -400, std::int32_t x1 = 6000) {
    const std::int32_t y = YOfRow(cfg, row);
    return Line({{x0, y}, {x1, y}});
}

struct Built {
    std::unique_ptr<BandBuilder> builder;
    std::vector<std::uint8_t> placed;
};

Built Build(const RasterConfig& cfg, const COnePage& page, std::int32_t cc, std::int32_t band) {
    Built b{std::make_unique<BandBuilder>(cfg.edition), {}};
    EXPECT_EQ(b.builder->BeginPrint(page, cfg, cc), kBandOk);
    EXPECT_EQ(b.builder->BuildBand(band), kBandOk);
    b.placed = PlacedColumns(*b.builder, band);
    return b;
}

TEST(BandPlacement, OddBandsUseRightwardPositionsAndAreSentReversed) {
    RasterConfig cfg = SimpleConfig();   // 1#: 5 left / 9 right; 2#: 200 / 190
    COnePage page;
    page.curves.push_back(RowLine(cfg, 100));
    const std::int32_t cc = 600;
    struct Case { bool bidirectional; int band; int col1; int col2; bool reversed; };
    const Case cases[] = {{true, 0, 105, 300, false}, {true, 1, 109, 290, true},
                          {true, 2, 105, 300, false}, {false, 1, 105, 300, false}};
    for (const Case& c : cases) {
        cfg.bidirectional = c.bidirectional;
        const Built b = Build(cfg, page, cc, c.band);
        EXPECT_EQ(b.builder->Reversed(c.band), c.reversed);
        EXPECT_EQ(InkedColumns(b.placed, 44, 0), std::vector<int>{c.col1}) << c.band;
        EXPECT_EQ(InkedColumns(b.placed, 44, 1), std::vector<int>{c.col2}) << c.band;
        // As sent: the reversed band's column i is placed column cc - 1 - i.
        std::vector<std::uint8_t> sent;
        ASSERT_EQ(BandCompressor::Expand(b.builder->Segment(), cc * 44u, sent), kBandOk);
        const int sentCol = c.reversed ? cc - 1 - c.col1 : c.col1;
        EXPECT_EQ(InkedColumns(sent, 44, 0), std::vector<int>{sentCol}) << c.band;
    }
}

TEST(BandPlacement, SingleHeadUsesLeftwardPositionsInBothDirections) {
    RasterConfig cfg = SimpleConfig();
    COnePage page;
    page.curves.push_back(RowLine(cfg, 100));
    for (int head : {1, 2}) {
        cfg.headSelect = head;
        for (int band : {0, 1}) {
            const Built b = Build(cfg, page, 600, band);
            EXPECT_EQ(b.builder->Reversed(band), band == 1);
            const std::vector<int> none;
            EXPECT_EQ(InkedColumns(b.placed, 44, 0), head == 1 ? std::vector<int>{105} : none);
            EXPECT_EQ(InkedColumns(b.placed, 44, 1), head == 2 ? std::vector<int>{300} : none);
        }
    }
}

TEST(BandPlacement, Head2NozzlesHiddenByTheOverlapNeverFire) {
    for (int overlap : {0, 2, 10}) {
        RasterConfig cfg = SimpleConfig();
        cfg.overlap = {overlap, 0, 0};
        COnePage page;
        page.curves.push_back(RowLine(cfg, 100));
        const Built b = Build(cfg, page, 600, 0);
        const std::uint8_t* head2 = b.placed.data() + 300 * 44 + 22;
        for (int n = 0; n < 150; ++n) {
            const bool fires = (head2[NozzlePrimitive(n)] >> NozzleAddress(n)) & 1;
            EXPECT_EQ(fires, n >= overlap) << "overlap " << overlap << " nozzle " << n;
        }
        // The row comes back whole: 150 + 150 - overlap dots.
        BandDecoder decoder(cfg, 600);
        BandDots dots;
        ASSERT_EQ(decoder.Decode(b.builder->Segment(), 0, dots), kBandOk);
        EXPECT_EQ(dots.Count(), 300 - overlap);
    }
}

// Dots of bitmap row r, or of either of two rows.
bool RasterDot(const BandBuilder& b, int r, int d) { return b.Raster().Dot(r, d); }

TEST(BandPlacement, RightMarginRowsMoveByTheRightEdgeLineAndTheSeamKeepsBoth) {
    RasterConfig cfg = SimpleConfig();
    cfg.marginRightMm = 10;   // A = 10 columns
    cfg.edgeRightPx = 3;      // C
    COnePage page;
    page.curves.push_back(RowLine(cfg, 2, 0, 200));       // inside the margin
    page.curves.push_back(RowLine(cfg, 5, 300, 500));     // moves onto row 8
    page.curves.push_back(RowLine(cfg, 8, 600, 800));     // the seam
    page.curves.push_back(RowLine(cfg, 12, 0, 800));      // past the margin
    const Built b = Build(cfg, page, 600, 0);
    BandDecoder decoder(cfg, 600);
    BandDots dots;
    ASSERT_EQ(decoder.Decode(b.builder->Segment(), 0, dots), kBandOk);
    int compared = 0;
    for (int d = 0; d < 298; ++d) {
        const auto& B = *b.builder;
        EXPECT_EQ(dots.Get(2, d), false);
        EXPECT_EQ(dots.Get(5, d), RasterDot(B, 2, d)) << d;
        EXPECT_EQ(dots.Get(8, d), RasterDot(B, 5, d) || RasterDot(B, 8, d)) << d;
        EXPECT_EQ(dots.Get(12, d), RasterDot(B, 12, d)) << d;
        compared += RasterDot(B, 5, d) + RasterDot(B, 8, d);
    }
    EXPECT_GT(compared, 100);
}

TEST(BandPlacement, LeftMarginRowsMoveBackByTheLeftEdgeLineAndTheSeamKeepsBoth) {
    RasterConfig cfg = SimpleConfig();
    // Rightwards the left margin is at the far end of the sweep: B = 150 of
    // 300 columns, so rows past 150 are in it (and head 1#, at 9, still
    // reaches them within the columns sent).
    cfg.marginLeftMm = 150;
    cfg.edgeLeftPx = 3;       // D
    COnePage page;
    // Band 1 shows X from about 1009 on.
    page.curves.push_back(RowLine(cfg, 148, 1100, 1300));
    page.curves.push_back(RowLine(cfg, 151, 1400, 1600));   // the seam
    page.curves.push_back(RowLine(cfg, 154, 1700, 1900));   // moves onto row 151
    page.curves.push_back(RowLine(cfg, 156, 1100, 1900));   // moves onto row 153
    const std::int32_t band = 1;                            // printed rightwards
    const Built b = Build(cfg, page, 300, band);
    BandDecoder decoder(cfg, 300);
    BandDots dots;
    ASSERT_EQ(decoder.Decode(b.builder->Segment(), band, dots), kBandOk);
    int compared = 0;
    for (int d = 0; d < 150; ++d) {   // head 1#
        const auto& B = *b.builder;
        EXPECT_EQ(dots.Get(148, d), RasterDot(B, 148, d)) << d;
        EXPECT_EQ(dots.Get(151, d), RasterDot(B, 151, d) || RasterDot(B, 154, d)) << d;
        EXPECT_EQ(dots.Get(153, d), RasterDot(B, 156, d)) << d;
        EXPECT_EQ(dots.Get(156, d), false);
        compared += RasterDot(B, 151, d) + RasterDot(B, 154, d) + RasterDot(B, 156, d);
    }
    EXPECT_GT(compared, 100);
}

TEST(BandPlacement, FourHeadBandsAreMirroredAtTheDirectionsPositions) {
    RasterConfig cfg = SimpleConfig(Edition::FourHead);   // left 5, 220, 435, 650; right 11, 214, 441, 644
    cfg.headSelect = 3;
    COnePage page;
    page.curves.push_back(RowLine(cfg, 100));
    const std::int32_t cc = 1400;
    const BandLayout layout(cfg);
    const int placed = layout.PlacedRows(cc);             // R = 1400 - 650 - 2 - 41
    ASSERT_EQ(placed, 707);
    for (int band : {0, 1}) {
        const Built b = Build(cfg, page, cc, band);
        for (int s = 0; s < 4; ++s) {
            const int pos = band == 0 ? cfg.posLeft[s] : cfg.posRight[s];
            EXPECT_EQ(InkedColumns(b.placed, 88, s), std::vector<int>{pos + placed - 1 - 100})
                << "band " << band << " slot " << s;
        }
    }
}

TEST(BandPlacement, FourHeadSingleCartridgesUseTheirOwnPositionFields) {
    RasterConfig cfg = SimpleConfig(Edition::FourHead);
    COnePage page;
    page.curves.push_back(RowLine(cfg, 300));
    const std::int32_t cc = 1400;
    // 1# alone lays out ColumnCount rows at 1#'s positions.
    cfg.headSelect = 1;
    EXPECT_EQ(InkedColumns(Build(cfg, page, cc, 0).placed, 22, 0),
              std::vector<int>{5 + cc - 1 - 300});
    // 2# alone sits at 2#'s fields; 1#'s fields play no part.
    cfg.headSelect = 2;
    const Built two = Build(cfg, page, cc, 0);
    const int placed = BandLayout(cfg).PlacedRows(cc);
    EXPECT_EQ(InkedColumns(two.placed, 22, 0), std::vector<int>{220 + placed - 1 - 300});
    RasterConfig moved = cfg;
    moved.posLeft[0] = 100;
    moved.posRight[0] = 120;
    const Built twoMoved = Build(moved, page, cc, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(twoMoved.builder->Segment().begin(),
                                        twoMoved.builder->Segment().end()),
              std::vector<std::uint8_t>(two.builder->Segment().begin(), two.builder->Segment().end()));
}

TEST(BandPlacement, FourHeadCombinationFiveSplitsWithItsOwnOverlapsAndPositions) {
    RasterConfig cfg = SimpleConfig(Edition::FourHead);
    cfg.headSelect = 5;   // 2#, 3#, 4#
    cfg.overlap = {7, 3, 4};
    COnePage page;
    page.curves.push_back(RowLine(cfg, 100));
    const std::int32_t cc = 1400;
    const Built b = Build(cfg, page, cc, 0);
    const int placed = BandLayout(cfg).PlacedRows(cc);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(InkedColumns(b.placed, 66, s),
                  std::vector<int>{cfg.posLeft[s + 1] + placed - 1 - 100}) << s;
    // Dots 0 .. 450 - o23 - o34 - 1 all fire once: the 1#/2# overlap plays no part.
    BandDecoder decoder(cfg, cc);
    BandDots dots;
    BandDecodeStats stats;
    ASSERT_EQ(decoder.Decode(b.builder->Segment(), 0, dots, &stats), kBandOk);
    EXPECT_EQ(stats.strayFirings, 0);
    EXPECT_EQ(dots.Count(), 443);
    EXPECT_TRUE(dots.Get(100, 442));
    EXPECT_FALSE(dots.Get(100, 443));
}

}  // namespace
}  // namespace pv
