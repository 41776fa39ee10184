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

#include "geometry/one_page.h"
#include "output/band_result.h"
#include "output/cut_record.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "output/send_plan.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

#include "marker_fixture.h"

namespace {

class NoDriver : public pv::PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(pv::OutputStation&) override { return true; }
};

class NoPauseClock : public pv::PrepareClock {
public:
    void Pause(std::chrono::milliseconds) const override {}
};

void BM_PrepareMarkerAndBuildAllData(benchmark::State& state) {
    const pv::COnePage job = pv::bench::GarmentMarker();
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
    const pv::COnePage job = pv::bench::GarmentMarker();
    pv::AppSettings settings;
    const pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    pv::OutputStation station;
    for (auto _ : state) benchmark::DoNotOptimize(pv::PreparePrintPage(job, settings, params, station));
    state.counters["preparedCurves"] = static_cast<double>(station.PrintPage.curves.size());
}
BENCHMARK(BM_PreparationOnly)->Unit(benchmark::kMillisecond);

}  // namespace
