// Painting the drawing view over a full-size marker of about 200,000
// segments, on the offscreen platform: a whole picture at fit zoom, and a
// pan frame (the old picture shifted, the strip that scrolled in painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>

#include "../marker_fixture.h"
#include "ui/page_image_cache.h"

namespace pv::bench {
namespace {

// The 2 m x 3 m marker with outlines of 800 points: 120 pieces of two
// outlines (1600 segments), a grain line and 40 label strokes (80).
COnePage DenseMarker() {
    COnePage page;
    const double pieceX = 200.0 * kUnitsPerMm, pieceY = 250.0 * kUnitsPerMm;
    for (int i = 0; i < 15; ++i) {
        for (int j = 0; j < 8; ++j) {
            const double cx = (i + 0.5) * pieceX, cy = (j + 0.5) * pieceY;
            CCurve cut = PieceOutline(cx, cy, pieceX * 0.46, pieceY * 0.46, 800);
            cut.kind = kFullCut;
            page.curves.push_back(std::move(cut));
            page.curves.push_back(PieceOutline(cx, cy, pieceX * 0.42, pieceY * 0.42, 800));
            page.curves.push_back(Polyline({{static_cast<std::int32_t>(cx - pieceX * 0.3), static_cast<std::int32_t>(cy)},
                                            {static_cast<std::int32_t>(cx + pieceX * 0.3), static_cast<std::int32_t>(cy)}}));
            for (int k = 0; k < 40; ++k) {
                const auto x0 = static_cast<std::int32_t>(cx - 2000 + 100 * k);
                const auto y0 = static_cast<std::int32_t>(cy + 1500);
                page.curves.push_back(Polyline({{x0, y0}, {x0 + 60, y0 + 120}, {x0 + 90, y0}}));
            }
        }
    }
    page.CalcBounds();
    return page;
}

std::int64_t Segments(const COnePage& page) {
    std::int64_t n = 0;
    for (const CCurve& c : page.curves) n += static_cast<std::int64_t>(c.points.size()) - 1;
    return n;
}

constexpr int kWidth = 1200, kHeight = 660;
constexpr std::int32_t kPaperMm = 2000;

ViewMapping FitView() {
    ViewMapping v;
    v.Fit(kHeight, kPaperMm);
    return v;
}

void BM_FullRedrawAtFit(benchmark::State& state) {
    const COnePage page = DenseMarker();
    ui::PageImageCache cache;
    const ViewMapping view = FitView();
    for (auto _ : state) {
        cache.Invalidate();
        benchmark::DoNotOptimize(cache.Get(&page, view, QSize(kWidth, kHeight), kPaperMm).constBits());
    }
    state.counters["segments"] = static_cast<double>(Segments(page));
}
BENCHMARK(BM_FullRedrawAtFit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PanFrameAtFit(benchmark::State& state) {
    const COnePage page = DenseMarker();
    ui::PageImageCache cache;
    ViewMapping view = FitView();
    cache.Get(&page, view, QSize(kWidth, kHeight), kPaperMm);
    int step = 0;
    for (auto _ : state) {
        // A drag of a few pixels per mouse move, back and forth.
        view.Pan((step++ / 20) % 2 == 0 ? 6 : -6, 2);
        benchmark::DoNotOptimize(cache.Get(&page, view, QSize(kWidth, kHeight), kPaperMm).constBits());
    }
    state.counters["full"] = cache.FullRenders();
}
BENCHMARK(BM_PanFrameAtFit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pv::bench

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
