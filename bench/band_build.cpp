// Building one inkjet band just in time: rasterise, lay out the firing
// columns and compress, for a full-width drawing band of a 2,000 mm wide
// garment marker (pieces 150 × 200 mm, 13 across; each with a solid sewing
// outline of 600 points, a dashed seam line of 600 points, darts, a grain
// line and label strokes), default machine parameters (7.27 columns per
// mm, about 14,900 columns), line width 2.  The target is a median below
// 5 ms per band; run with --benchmark_repetitions=9 for the median.
//
// Two hostile pages show that a band's cost stays linear in its strokes:
// 4,000 lines crossing each other across the whole roll, and 75,000 label
// strokes piled at one spot (the strokes of 25,000 labels "XYZ").
#include <benchmark/benchmark.h>

#include <algorithm>

#include "geometry/one_page.h"
#include "output/band_builder.h"
#include "output/band_result.h"

#include "marker_fixture.h"

namespace {

using pv::bench::kUnitsPerMm;
using pv::bench::Polyline;

pv::CCurve Outline(int lineType, double cx, double cy, double a, double b, int n) {
    pv::CCurve c = pv::bench::PieceOutline(cx, cy, a, b, n, {.exponent = 0.4, .ripple = 0.03, .waves = 5});
    c.kind = pv::kDrawn;
    c.lineType = lineType;
    return c;
}

pv::COnePage Marker() {
    pv::COnePage page;
    const double pieceX = 150.0 * kUnitsPerMm, pieceY = 2000.0 / 13 * kUnitsPerMm;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 13; ++j) {
            const double cx = (i + 0.5) * pieceX + 400, cy = (j + 0.5) * pieceY + 400;
            page.curves.push_back(Outline(0, cx, cy, pieceX * 0.47, pieceY * 0.47, 600));
            page.curves.push_back(Outline(1, cx, cy, pieceX * 0.42, pieceY * 0.42, 600));
            const auto X = [&](double f) { return static_cast<std::int32_t>(cx + pieceX * f); };
            const auto Y = [&](double f) { return static_cast<std::int32_t>(cy + pieceY * f); };
            page.curves.push_back(Polyline({{X(-0.3), Y(0)}, {X(0.3), Y(0)}}));
            page.curves.push_back(Polyline({{X(-0.4), Y(-0.2)}, {X(-0.1), Y(-0.15)}, {X(-0.4), Y(-0.1)}}));
            page.curves.push_back(Polyline({{X(0.4), Y(0.2)}, {X(0.1), Y(0.15)}, {X(0.4), Y(0.1)}}));
            for (int k = 0; k < 30; ++k) {   // label strokes, 3 mm high
                const std::int32_t x0 = X(-0.2) + 100 * k, y0 = Y(0.25);
                page.curves.push_back(Polyline({{x0, y0}, {x0 + 60, y0 + 120}, {x0 + 90, y0}}));
            }
        }
    }
    return page;
}

// Lines from one edge of the roll to the other, half of them leaning each
// way, all within the first 150 mm of the feed: every line crosses most of
// the others inside the same bands.
pv::COnePage CrossingLines() {
    pv::COnePage page;
    const std::int32_t across = 2000 * 40 + 400;
    for (int i = 0; i < 4000; ++i) {
        const std::int32_t x = 400 + (i % 2000) * 3;
        if (i % 2 == 0) page.curves.push_back(Polyline({{x, 400}, {x + 6000 - (i % 2000) * 3, across}}));
        else page.curves.push_back(Polyline({{x + 6000 - (i % 2000) * 3, 400}, {x, across}}));
    }
    return page;
}

// The strokes of 25,000 labels "XYZ" written at one spot: three glyphs of
// one to two strokes each, 3 mm high.
pv::COnePage PiledLabels() {
    pv::COnePage page;
    for (int i = 0; i < 25000; ++i) {
        const std::int32_t x = 2000, y = 2000;
        page.curves.push_back(Polyline({{x, y}, {x + 90, y + 120}}));          // X
        page.curves.push_back(Polyline({{x, y + 120}, {x + 90, y}}));
        page.curves.push_back(Polyline({{x + 110, y + 120}, {x + 155, y + 60}, {x + 200, y + 120}}));   // Y
        page.curves.push_back(Polyline({{x + 155, y + 60}, {x + 155, y}}));
        page.curves.push_back(Polyline({{x + 220, y + 120}, {x + 310, y + 120}, {x + 220, y}, {x + 310, y}}));   // Z
    }
    return page;
}

std::int32_t PageMaxX(const pv::COnePage& page) {
    std::int32_t m = 0;
    for (const pv::CCurve& c : page.curves)
        for (const pv::Point& p : c.points) m = std::max(m, p.x);
    return m;
}

void BandBuild(benchmark::State& state, pv::Edition edition, int headSelect, pv::COnePage (*makePage)()) {
    const pv::COnePage page = makePage();
    pv::RasterConfig cfg;
    cfg.edition = edition;
    cfg.lineWidth = 2;
    cfg.cleanAtStart = false;
    cfg.headSelect = headSelect;
    cfg.overlap = {2, 0, 0};
    cfg.posLeft = {5, 200, 435, 650};
    cfg.posRight = {7, 205, 435, 650};
    const pv::BandLayout layout(cfg);
    const pv::BandCountResult count = layout.CountBands(12 * 150 * 40 + 800, 2000 * 40 + 800);
    pv::BandBuilder builder(edition);
    if (builder.BeginPrint(page, cfg, count.columnCount) != pv::kBandOk) {
        state.SkipWithError("band buffers too small");
        return;
    }
    const std::int32_t pageBands = layout.CountBands(PageMaxX(page), 2000 * 40 + 800).bands;
    const std::int32_t first = pageBands > 10 ? 5 : 0;
    const std::int32_t end = pageBands > 10 ? pageBands - 5 : std::max(pageBands, 1);
    std::int32_t a = first;
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (builder.BuildBand(a) != pv::kBandOk) {
            state.SkipWithError("band failed");
            return;
        }
        bytes += builder.Segment().size();
        if (++a >= end) a = first;   // walk the drawing, odd bands reversed
    }
    state.counters["columns"] = count.columnCount;
    state.counters["segment_kB"] =
        benchmark::Counter(static_cast<double>(bytes) / 1000.0, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BandBuild, two_heads, pv::Edition::TwoHead, 0, Marker)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BandBuild, four_heads_all, pv::Edition::FourHead, 3, Marker)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BandBuild, crossing_lines, pv::Edition::TwoHead, 0, CrossingLines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BandBuild, piled_labels, pv::Edition::TwoHead, 0, PiledLabels)->Unit(benchmark::kMillisecond);

}  // namespace
