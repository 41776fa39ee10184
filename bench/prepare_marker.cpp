// Preparing a 2 m × 3 m garment marker for printing and building all of its
// machine data: the whole preparation (copy, scale correction, knife
// shaping with lead-ins and bridges, band counts), then every band and every
// cut segment in the order the print driver sends them.  The target is
// under 2 s for the lot.
//
// The marker is built in memory: 3 m along the feed, 2 m across, 15 × 8
// pieces of about 200 × 250 mm, each with a knife outline of 400 points
// (rounded corners, notches), an ink sewing line just inside it, a grain
// line and a few dozen short strokes of label text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include "geometry/one_page.h"
#include "output/band_result.h"
#include "output/cut_record.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "output/send_plan.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace {

constexpr std::int32_t kUnitsPerMm = 40;

class NoDriver : public pv::PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(pv::OutputStation&) override { return true; }
};

class NoPauseClock : public pv::PrepareClock {
public:
    void Pause(std::chrono::milliseconds) const override {}
};

// A rounded rectangle of n points around (cx, cy), half sizes a × b.
pv::CCurve Outline(std::int32_t kind, double cx, double cy, double a, double b, int n) {
    pv::CCurve c;
    c.kind = kind;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * 3.141592653589793 * (i % n) / n;
        const double ct = std::cos(t), st = std::sin(t);
        // superellipse: flat sides, round corners
        const double x = cx + a * std::copysign(std::pow(std::fabs(ct), 0.3), ct);
        const double y = cy + b * std::copysign(std::pow(std::fabs(st), 0.3), st);
        c.points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
    }
    c.Tidy();
    return c;
}

pv::COnePage Marker() {
    pv::COnePage page;
    page.fileName = "marker.plt";
    const double pieceX = 200.0 * kUnitsPerMm, pieceY = 250.0 * kUnitsPerMm;
    for (int i = 0; i < 15; ++i) {
        for (int j = 0; j < 8; ++j) {
            const double cx = (i + 0.5) * pieceX, cy = (j + 0.5) * pieceY;
            page.curves.push_back(Outline(pv::kFullCut, cx, cy, pieceX * 0.46, pieceY * 0.46, 400));
            page.curves.push_back(Outline(pv::kDrawn, cx, cy, pieceX * 0.42, pieceY * 0.42, 400));
            pv::CCurve grain;
            grain.points = {{static_cast<std::int32_t>(cx - pieceX * 0.3), static_cast<std::int32_t>(cy)},
                            {static_cast<std::int32_t>(cx + pieceX * 0.3), static_cast<std::int32_t>(cy)}};
            page.curves.push_back(grain);
            for (int k = 0; k < 40; ++k) {   // label strokes, 3 mm high
                pv::CCurve stroke;
                const auto x0 = static_cast<std::int32_t>(cx - 2000 + 100 * k);
                const auto y0 = static_cast<std::int32_t>(cy + 1500);
                stroke.points = {{x0, y0}, {x0 + 60, y0 + 120}, {x0 + 90, y0}};
                page.curves.push_back(stroke);
            }
        }
    }
    page.CalcBounds();
    return page;
}

void BM_PrepareMarkerAndBuildAllData(benchmark::State& state) {
    const pv::COnePage job = Marker();
    pv::AppSettings settings;
    const pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    pv::OutputStation station;
    NoDriver driver;
    NoPauseClock clock;
    std::int64_t bandBytes = 0, cutRecords = 0, bands = 0, segments = 0;
    for (auto _ : state) {
        const pv::PrepareResult r = pv::PreparePrint(job, settings, params, station, driver, clock);
        if (r.result != pv::kPrepareStarted) {
            state.SkipWithError("preparation refused");
            return;
        }
        bandBytes = cutRecords = bands = segments = 0;
        pv::StreamOrder order(station.BandCount, station.bandsPerCutSegment);
        for (pv::SendStep s = order.Current(); s.kind != pv::SendStep::Kind::Done; order.Advance(), s = order.Current()) {
            if (s.kind == pv::SendStep::Kind::Band) {
                if (!pv::BandStepSendsData(s.index, station.PlotBandCount)) continue;
                if (station.BuildBand(s.index) != pv::kBandOk) {
                    state.SkipWithError("band not built");
                    return;
                }
                bandBytes += static_cast<std::int64_t>(station.BandBytes().size());
                ++bands;
            } else if (pv::CutStepMaySend(s.index, station.BandCount, station.plotOnly)) {
                cutRecords += static_cast<std::int64_t>(station.BuildCutSegment(s.index));
                if (station.Cuts().Pack() != pv::kCutPackOk) {
                    state.SkipWithError("cut segment too large");
                    return;
                }
                ++segments;
            }
        }
        benchmark::DoNotOptimize(bandBytes);
    }
    state.counters["curves"] = static_cast<double>(job.curves.size());
    state.counters["bands"] = static_cast<double>(bands);
    state.counters["columns"] = station.ColumnCount;
    state.counters["bandMB"] = static_cast<double>(bandBytes) / 1e6;
    state.counters["cutSegments"] = static_cast<double>(segments);
    state.counters["cutRecords"] = static_cast<double>(cutRecords);
}
BENCHMARK(BM_PrepareMarkerAndBuildAllData)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PreparationOnly(benchmark::State& state) {
    const pv::COnePage job = Marker();
    pv::AppSettings settings;
    const pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    pv::OutputStation station;
    for (auto _ : state) benchmark::DoNotOptimize(pv::PreparePrintPage(job, settings, params, station));
    state.counters["preparedCurves"] = static_cast<double>(station.PrintPage.curves.size());
}
BENCHMARK(BM_PreparationOnly)->Unit(benchmark::kMillisecond);

}  // namespace
