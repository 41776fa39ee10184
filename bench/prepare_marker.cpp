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

#include <time.h>

#include <chrono>
#include <map>

#include "geometry/one_page.h"
#include "output/band_result.h"
#include "output/plt_writer.h"
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

// The long roll marker (1.6 m across) at 1, 2, 4, 8, 16 MB of HPGL and at
// the whole 35.6 MB (636 m): the preparation alone (shaping, band counts,
// the check of every cut segment), as Start runs it.  Counter ms_per_MB
// must stay the same within ±30 % from the smallest to the largest marker
// (no step may grow faster than the marker), and the whole marker must be
// prepared in under 3 s.
constexpr double kWholeMarkerMm = 636'000.0;
constexpr double kWholeMarkerMB = 35.6;

struct SizedMarker {
    pv::COnePage page;
    double megabytes = 0;
};

// The marker whose HPGL text is about `megabytes` long; its length is
// scaled from the whole marker and its size measured.
const SizedMarker& MarkerOf(double megabytes) {
    static std::map<double, SizedMarker> made;
    auto it = made.find(megabytes);
    if (it != made.end()) return it->second;
    SizedMarker m;
    m.page = pv::bench::LongMarker(kWholeMarkerMm * megabytes / kWholeMarkerMB);
    m.megabytes = static_cast<double>(pv::PltText(m.page).size()) / 1e6;
    return made.emplace(megabytes, std::move(m)).first->second;
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void BM_PrepareLongMarker(benchmark::State& state) {
    const double wanted = state.range(0) == 0 ? kWholeMarkerMB : static_cast<double>(state.range(0));
    const SizedMarker& m = MarkerOf(wanted);
    pv::AppSettings settings;
    const pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    pv::OutputStation station;
    int result = pv::kPrepareStarted;
    double wall = 0, cpu = 0;
    for (auto _ : state) {
        const auto w0 = std::chrono::steady_clock::now();
        const double c0 = ThreadCpuSeconds();
        result = pv::PreparePrintPage(m.page, settings, params, station);
        cpu += ThreadCpuSeconds() - c0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    }
    if (result != pv::kPrepareStarted) state.SkipWithError("preparation refused");
    const double n = static_cast<double>(state.iterations());
    state.counters["MB"] = m.megabytes;
    state.counters["metres"] = static_cast<double>(m.page.maxX) / 40000.0;
    state.counters["curves"] = static_cast<double>(m.page.curves.size());
    state.counters["bands"] = station.BandCount;
    // Milliseconds per MB of HPGL: wall clock, and the preparing thread's
    // own processor time (steady when other programs share the machine).
    state.counters["wall_ms_per_MB"] = 1e3 * wall / n / m.megabytes;
    state.counters["cpu_ms_per_MB"] = 1e3 * cpu / n / m.megabytes;
}
BENCHMARK(BM_PrepareLongMarker)
    ->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Arg(16)->Arg(0)   // 0: the whole 35.6 MB marker
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
