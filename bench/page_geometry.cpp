// The page operations on the file-adding path, on drawings of the size a
// 40 MB plot file makes (about 3 million points).
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "geometry/one_page.h"
#include "geometry/post_read.h"
#include "settings/app_settings.h"

namespace {

// `pieces` garment pieces laid out on a grid, each outline drawn as `strokes`
// strokes of `points` points that meet end to end within a few units, every
// other stroke drawn backwards, with doubled points and straight runs.
pv::COnePage GarmentPage(int pieces, int strokes, int points) {
    std::mt19937 rng(5);
    pv::COnePage page;
    for (int piece = 0; piece < pieces; ++piece) {
        const double cx = 20000.0 * (piece % 40), cy = 20000.0 * (piece / 40);
        const int total = strokes * points;
        for (int s = 0; s < strokes; ++s) {
            pv::CCurve c;
            c.kind = piece % 3 == 0 ? pv::kFullCut : pv::kDrawn;
            for (int i = 0; i <= points; ++i) {
                const double a = 2 * 3.141592653589793 * (s * points + i) / total;
                const std::int32_t jitter = i == 0 ? static_cast<std::int32_t>(rng() % 7) : 0;
                pv::Point p{static_cast<std::int32_t>(cx + 8000 * std::cos(a)) + jitter,
                            static_cast<std::int32_t>(cy + 6000 * std::sin(a))};
                c.points.push_back(p);
                if (i % 7 == 0) c.points.push_back(p);   // doubled point
            }
            if (s % 2) c.Reverse();
            page.curves.push_back(std::move(c));
        }
    }
    std::shuffle(page.curves.begin(), page.curves.end(), rng);
    return page;
}

void BM_TidyAll(benchmark::State& state) {
    const pv::COnePage source = GarmentPage(1000, 8, 400);
    for (auto _ : state) {
        state.PauseTiming();
        pv::COnePage page = source;
        state.ResumeTiming();
        page.TidyAll();
        benchmark::DoNotOptimize(page.curves.data());
    }
}
BENCHMARK(BM_TidyAll)->Unit(benchmark::kMillisecond);

void BM_JoinNear(benchmark::State& state) {
    pv::COnePage source = GarmentPage(static_cast<int>(state.range(0)), 8, static_cast<int>(state.range(1)));
    source.TidyAll();
    const pv::Edition edition = state.range(0) * 8 > 8000 ? pv::Edition::FourHead : pv::Edition::TwoHead;
    for (auto _ : state) {
        state.PauseTiming();
        pv::COnePage page = source;
        state.ResumeTiming();
        page.JoinNear(1, edition);
        page.JoinNear(9, edition);
        benchmark::DoNotOptimize(page.curves.data());
    }
}
BENCHMARK(BM_JoinNear)->Args({1000, 400})->Args({12500, 30})->Unit(benchmark::kMillisecond);

void BM_AddedPageSequence(benchmark::State& state) {
    const pv::COnePage source = GarmentPage(1000, 8, 400);
    pv::AppSettings settings;
    settings.edition = state.range(0) ? pv::Edition::FourHead : pv::Edition::TwoHead;
    settings.PaperLenMm = 1000;   // the drawing is wider: rotated and paged
    settings.SplitEn = 1;
    settings.AutoRotate = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pv::COnePage page = source;
        state.ResumeTiming();
        pv::RunPostReadSequence(page, settings, {});
        benchmark::DoNotOptimize(page.curves.data());
    }
}
BENCHMARK(BM_AddedPageSequence)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
