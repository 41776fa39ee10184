// Streaming a prepared 2 m × 3 m garment marker to the virtual plotter over
// loopback, with no simulated machine time: the whole print as the print
// driver runs it (status polls, bands built just in time and sent in
// 1400-byte packets each acknowledged, band and cut headers, cut segments).
// The target is at least 20 MB/s of band data.
//
// The marker: 3 m along the feed, 2 m across, 15 × 8 pieces of about
// 200 × 250 mm, each with a knife outline of 400 points, an ink sewing line
// inside it, a grain line and a few dozen short label strokes.
#include <benchmark/benchmark.h>

#include "geometry/one_page.h"
#include "link/command_protocol.h"
#include "link/link_state.h"
#include "link/machine_link.h"
#include "link/output_job_source.h"
#include "link/print_driver.h"
#include "link/quiet_station_host.h"
#include "emulator/virtual_plotter.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

#include "marker_fixture.h"

namespace {

void BM_StreamMarkerToVirtualPlotter(benchmark::State& state) {
    pv::VirtualPlotterOptions options;
    options.port = 0;
    pv::VirtualPlotter plotter(options);
    if (!plotter.Start()) {
        state.SkipWithError("no loopback port");
        return;
    }
    pv::AppSettings loopback;
    loopback.ConnectViaEth = 1;
    loopback.MachineIP = 0x0100007F;   // 127.0.0.1
    pv::MachineParams wide = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    wide.adv.softLimitMm = 4000;       // a machine wide enough for 2 m
    pv::SharedRecord<pv::AppSettings> settings(loopback);
    pv::SharedRecord<pv::MachineParams> params(wide);
    pv::LinkState link;
    pv::QuietStationHost host;
    pv::MachineLink machine(settings, link);
    machine.eth().SetPort(plotter.port());
    pv::CommandProtocol protocol(machine.commu(), settings, params, link, host);

    const pv::COnePage job = pv::bench::GarmentMarker();
    pv::OutputStation station;
    if (pv::PreparePrintPage(job, loopback, wide, station) != pv::kPrepareStarted) {
        state.SkipWithError("preparation refused");
        return;
    }
    std::int64_t bandBytes = 0;
    for (auto _ : state) {
        pv::OutputJobSource source(station);
        pv::PrintDriver driver(protocol, source);
        if (driver.Run() != pv::kPrintDone) {
            state.SkipWithError(("print failed: " + driver.message()).c_str());
            return;
        }
        const auto jobs = plotter.machine().FinishedJobs();
        bandBytes += jobs.empty() ? 0 : jobs.back()->bandBytes;
    }
    state.SetBytesProcessed(bandBytes);
    state.counters["bands"] = station.PlotBandCount;
    state.counters["columns"] = station.ColumnCount;
    state.counters["bandMBperJob"] =
        static_cast<double>(bandBytes) / 1e6 / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}
BENCHMARK(BM_StreamMarkerToVirtualPlotter)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
