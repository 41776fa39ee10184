// Building one inkjet band just in time: rasterise, lay out the firing
// columns and compress, for a full-width drawing band of a 2,000 mm wide
// garment marker (pieces 150 × 200 mm, 13 across; each with a solid sewing
// outline of 600 points, a dashed seam line of 600 points, darts, a grain
// line and label strokes), default machine parameters (7.27 columns per
// mm, about 14,900 columns), line width 2.  The target is a median below
// 5 ms per band; run with --benchmark_repetitions=9 for the median.
#include <benchmark/benchmark.h>

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

void BandBuild(benchmark::State& state, pv::Edition edition, int headSelect) {
    const pv::COnePage page = Marker();
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
    std::int32_t a = 5;
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (builder.BuildBand(a) != pv::kBandOk) {
            state.SkipWithError("band failed");
            return;
        }
        bytes += builder.Segment().size();
        if (++a >= count.bands - 5) a = 5;   // walk the marker, odd bands reversed
    }
    state.counters["columns"] = count.columnCount;
    state.counters["segment_kB"] =
        benchmark::Counter(static_cast<double>(bytes) / 1000.0, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BandBuild, two_heads, pv::Edition::TwoHead, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BandBuild, four_heads_all, pv::Edition::FourHead, 3)->Unit(benchmark::kMillisecond);

}  // namespace
