// Outline recognition on a garment marker of 2,000 closed pieces (sewing
// outlines of 120 points, 20 m of marker on 2,000 mm paper) carrying 20,000
// inner lines: per piece a grain line, two darts, a pocket contour, a drill
// cross, three notch strokes and a label stroke.  Every line drawn by one
// pen, as many pattern programs write them.  Target: below 2 s for
// FindOutlines (joins, classification and the inner-line marking).
#include <benchmark/benchmark.h>

#include "geometry/one_page.h"
#include "geometry/recognition.h"
#include "settings/app_settings.h"

#include "marker_fixture.h"

namespace {

using pv::bench::Polyline;

pv::CCurve Outline(double cx, double cy, double a, double b, int n) {
    return pv::bench::PieceOutline(cx, cy, a, b, n, {.exponent = 0.5, .ripple = 0.04, .waves = 3});
}

pv::COnePage Marker() {
    pv::COnePage page;
    const double pieceX = 200.0 * pv::bench::kUnitsPerMm, pieceY = 200.0 * pv::bench::kUnitsPerMm;   // 200 x 200 mm cells, 10 across
    for (int i = 0; i < 200; ++i) {
        for (int j = 0; j < 10; ++j) {
            const double cx = (i + 0.5) * pieceX, cy = (j + 0.5) * pieceY;
            page.curves.push_back(Outline(cx, cy, pieceX * 0.46, pieceY * 0.46, 120));
            const auto X = [&](double f) { return static_cast<std::int32_t>(cx + pieceX * f); };
            const auto Y = [&](double f) { return static_cast<std::int32_t>(cy + pieceY * f); };
            page.curves.push_back(Polyline({{X(-0.3), Y(0)}, {X(0.3), Y(0)}}));
            page.curves.push_back(Polyline({{X(-0.35), Y(-0.2)}, {X(-0.1), Y(-0.15)}, {X(-0.35), Y(-0.1)}}));
            page.curves.push_back(Polyline({{X(0.35), Y(0.2)}, {X(0.1), Y(0.15)}, {X(0.35), Y(0.1)}}));
            page.curves.push_back(Polyline({{X(-0.1), Y(0.2)}, {X(0.1), Y(0.2)}, {X(0.1), Y(0.3)}, {X(-0.1), Y(0.3)},
                                         {X(-0.1), Y(0.2)}}));
            page.curves.push_back(Polyline({{X(0.2) - 80, Y(-0.25)}, {X(0.2) + 80, Y(-0.25)}}));
            page.curves.push_back(Polyline({{X(0.2), Y(-0.25) - 80}, {X(0.2), Y(-0.25) + 80}}));
            for (int k = 0; k < 3; ++k) {
                const std::int32_t x = X(-0.2 + 0.2 * k), y = Y(-0.44);
                page.curves.push_back(Polyline({{x, y}, {x, y + 200}}));
            }
            page.curves.push_back(Polyline({{X(-0.2), Y(0.35)}, {X(-0.18), Y(0.38)}, {X(-0.16), Y(0.35)}}));
        }
    }
    return page;
}

void FindOutlinesOnMarker(benchmark::State& state) {
    const pv::COnePage marker = Marker();
    pv::AppSettings settings;
    settings.SearchOutline = 1;
    std::size_t outlines = 0, inner = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pv::COnePage page = marker;
        state.ResumeTiming();
        pv::FindOutlines(page, settings);
        state.PauseTiming();
        outlines = inner = 0;
        for (const pv::CCurve& c : page.curves) {
            outlines += c.role == pv::kRoleOutline ? 1 : 0;
            inner += c.role == pv::kRoleInner ? 1 : 0;
        }
        state.ResumeTiming();
    }
    state.counters["outlines"] = static_cast<double>(outlines);
    state.counters["inner"] = static_cast<double>(inner);
}
BENCHMARK(FindOutlinesOnMarker)->Unit(benchmark::kMillisecond)->MinTime(3);

void MarkInnerLinesOnMarker(benchmark::State& state) {
    pv::COnePage marker = Marker();
    for (pv::CCurve& c : marker.curves) {
        if (c.points.size() > 100) c.kind = pv::kFullCut;
    }
    for (auto _ : state) {
        state.PauseTiming();
        pv::COnePage page = marker;
        state.ResumeTiming();
        pv::MarkInnerLines(page);
    }
}
BENCHMARK(MarkInnerLinesOnMarker)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
