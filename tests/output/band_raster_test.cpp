// What a band's bitmap shows: pens, dashes, the section bars, the cleaning
// band and which curves are inked.
#include <gtest/gtest.h>

#include <vector>

#include "band_test_checks.h"
#include "band_test_pages.h"

namespace pv {
namespace {

using namespace bandtest;

// Runs of inked rows at one dot, as (length) alternating on/off, from the
// first inked row to the last.
std::vector<int> RunsAlongRows(const BandRaster& r, int dot) {
    std::vector<int> runs;
    bool started = false, ink = false;
    for (int row = 0; row < r.Rows(); ++row) {
        const bool d = r.Dot(row, dot);
        if (!started) {
            if (!d) continue;
            started = true;
            ink = true;
            runs.push_back(0);
        }
        if (d != ink) {
            ink = d;
            runs.push_back(0);
        }
        ++runs.back();
    }
    if (!runs.empty() && !ink) runs.pop_back();
    return runs;
}

TEST(BandRaster, DashedLinesPrintTwentyOnTenOffSolidLinesPrintWhole) {
    RasterConfig cfg = SimpleConfig();
    COnePage page;
    page.curves.push_back(Line({{400, 0}, {400, 40 * 300}}, 1));   // dashed, 300 columns across
    page.curves.push_back(Line({{800, 0}, {800, 40 * 300}}, 0));   // solid
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 600), kBandOk);
    ASSERT_EQ(b.BuildBand(0), kBandOk);
    const int dashedDot = static_cast<int>(BandLayout(cfg).DotOfX(400, 0));
    const int solidDot = static_cast<int>(BandLayout(cfg).DotOfX(800, 0));
    const std::vector<int> dashes = RunsAlongRows(b.Raster(), dashedDot);
    ASSERT_EQ(dashes.size(), 19u);   // 10 dashes, 9 gaps
    for (std::size_t i = 0; i < dashes.size(); ++i)
        EXPECT_NEAR(dashes[i], i % 2 == 0 ? 20 : 10, 1) << i;
    EXPECT_EQ(RunsAlongRows(b.Raster(), solidDot), std::vector<int>{301});
}

TEST(BandRaster, DashesRunOnAcrossTheBandBoundary) {
    RasterConfig cfg = SimpleConfig();
    COnePage page;
    const std::int32_t y = 40 * 65;   // row 100
    page.curves.push_back(Line({{0, y}, {2500, y}}, 1));
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 400), kBandOk);
    // The line's dots over both bands, in paper dots.
    std::vector<bool> paper;
    for (int band : {0, 1}) {
        ASSERT_EQ(b.BuildBand(band), kBandOk);
        for (int d = 0; d < 298; ++d) paper.push_back(b.Raster().Dot(100, d));
    }
    std::vector<int> runs{0};
    bool ink = paper[static_cast<std::size_t>(cfg.lineWidth)];
    for (std::size_t d = cfg.lineWidth; d < paper.size(); ++d) {
        if (paper[d] != ink) {
            ink = paper[d];
            runs.push_back(0);
        }
        ++runs.back();
    }
    // Every full dash and gap, including the one over dot 298, keeps its length.
    ASSERT_GT(runs.size(), 20u);
    for (std::size_t i = 1; i + 1 < runs.size(); ++i)
        EXPECT_NEAR(runs[i], i % 2 == 0 ? 20 : 10, 1) << i;
}

TEST(BandRaster, SectionBarsOpenEveryCutSegmentsFirstBand) {
    RasterConfig cfg = SimpleConfig();
    cfg.cleanAtSection = true;
    cfg.bandsPerCutSegment = 8;
    const COnePage page;   // nothing drawn
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(page, cfg, 400), kBandOk);
    for (int band : {0, 1, 7, 8, 16}) {
        ASSERT_EQ(b.BuildBand(band), kBandOk);
        const bool bars = band % 8 == 0;
        for (int row = 0; row <= 40; ++row) {
            const bool inBar = row <= 18 || (row >= 20 && row <= 28) || (row >= 30 && row <= 38);
            EXPECT_EQ(b.Raster().Dot(row, 0), bars && inBar) << band << " " << row;
            EXPECT_EQ(b.Raster().Dot(row, 299), bars && inBar) << band << " " << row;
            EXPECT_FALSE(b.Raster().Dot(row, 300));
        }
    }
}

TEST(BandRaster, CutLinesAreInkedOnlyWhenAsked) {
    RasterConfig cfg = SimpleConfig();
    COnePage page;
    page.curves.push_back(Line({{100, 400}, {900, 4000}}, 0, kFullCut));
    page.curves.push_back(Line({{100, 400}, {900, 4000}}, 0, kDot));
    page.curves.push_back(Line({{500, 500}}, 0, kDrawn));   // a lone point is skipped
    for (bool plotCutLine : {false, true}) {
        cfg.plotCutLine = plotCutLine;
        BandBuilder b(Edition::TwoHead);
        ASSERT_EQ(b.BeginPrint(page, cfg, 400), kBandOk);
        ASSERT_EQ(b.BuildBand(0), kBandOk);
        if (plotCutLine)
            EXPECT_GT(ExpectDecodesToBitmap(b, cfg, 0), 50);
        else   // 400 empty columns: runs of 2200 words and the rest
            EXPECT_EQ(b.Segment().size(), 4u * 4);
    }
}

TEST(BandRaster, CleaningBandCarriesLabelsBarsAndLogo) {
    for (int language : {0, 1}) {
        RasterConfig cfg = SimpleConfig();
        cfg.cleanAtStart = true;
        cfg.language = language;
        cfg.customString = "Welcome To Use Pelvane Plotter";
        BandBuilder b(Edition::TwoHead);
        ASSERT_EQ(b.BeginPrint(COnePage{}, cfg, 2400), kBandOk);
        ASSERT_EQ(b.BuildBand(0), kBandOk);
        const BandRaster& r = b.Raster();
        const auto inkedIn = [&](int row0, int row1, int dot0, int dot1) {
            int n = 0;
            for (int row = row0; row <= row1; ++row)
                for (int d = dot0; d <= dot1; ++d) n += r.Dot(row, d);
            return n;
        };
        // Five full bars from row 210, then after the logo from
        // (4·5 + 4)·(2·30 + 12) + 80 = 1808.
        for (int first : {210, 1808})
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(inkedIn(first + 30 * i, first + 30 * i + 13, 0, 298), 14 * 299);
                EXPECT_EQ(inkedIn(first + 30 * i + 14, first + 30 * i + 29, 0, 319), 0);
            }
        // Head labels over each head's dots, text running along the rows.
        EXPECT_GT(inkedIn(80, 200, 35, 115), 100) << language;
        EXPECT_GT(inkedIn(80, 200, 180, 260), 100) << language;
        // The logo, 120 dots high, runs from row 400 for about 30 × 24 rows.
        EXPECT_GT(inkedIn(400, 1200, 90, 210), 2000);
        EXPECT_EQ(inkedIn(400, 1200, 215, 319), 0);
    }
}

TEST(BandRaster, BrokenLogoTextStillPrintsTheBand) {
    RasterConfig cfg = SimpleConfig();
    cfg.cleanAtStart = true;
    cfg.customString = std::string("Logo\xff\xfe\xc3", 7) + "墨";
    BandBuilder b(Edition::TwoHead);
    ASSERT_EQ(b.BeginPrint(COnePage{}, cfg, 2400), kBandOk);
    ASSERT_EQ(b.BuildBand(0), kBandOk);
    // The next bands still draw (the drawing context survived the text).
    cfg.cleanAtStart = false;
    COnePage page;
    page.curves.push_back(Line({{100, 400}, {900, 4000}}));
    ASSERT_EQ(b.BeginPrint(page, cfg, 400), kBandOk);
    ASSERT_EQ(b.BuildBand(0), kBandOk);
    EXPECT_GT(ExpectDecodesToBitmap(b, cfg, 0), 50);
}

}  // namespace
}  // namespace pv
