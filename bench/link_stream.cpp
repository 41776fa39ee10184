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

#include <cmath>

#include "geometry/one_page.h"
#include "link/command_protocol.h"
#include "link/link_state.h"
#include "link/machine_link.h"
#include "link/output_job_source.h"
#include "link/print_driver.h"
#include "link/virtual_plotter.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace {

constexpr std::int32_t kUnitsPerMm = 40;

class SilentHost : public pv::StationHost {
public:
    void PrintFinished(int) override {}
    void BandSent() override {}
    void Refresh() override {}
    void SaveSettings() override {}
    void ScanManualDirectory() override {}
    void ScanAutoDirectory() override {}
    void RemoveFinishedJobs() override {}
    void RedrawList() override {}
    void AutoStartOff() override {}
    void ShowMessage(const std::string&) override {}
};

pv::CCurve Outline(std::int32_t kind, double cx, double cy, double a, double b, int n) {
    pv::CCurve c;
    c.kind = kind;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * 3.141592653589793 * (i % n) / n;
        const double ct = std::cos(t), st = std::sin(t);
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
            for (int k = 0; k < 40; ++k) {
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

void BM_StreamMarkerToVirtualPlotter(benchmark::State& state) {
    pv::VirtualPlotterOptions options;
    options.port = 0;
    pv::VirtualPlotter plotter(options);
    if (!plotter.Start()) {
        state.SkipWithError("no loopback port");
        return;
    }
    pv::AppSettings settings;
    settings.ConnectViaEth = 1;
    settings.MachineIP = 0x0100007F;   // 127.0.0.1
    pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    params.adv.softLimitMm = 4000;     // a machine wide enough for 2 m
    pv::LinkState link;
    SilentHost host;
    pv::MachineLink machine(settings, link);
    machine.eth().SetPort(plotter.port());
    pv::CommandProtocol protocol(machine.commu(), settings, params, link, host);

    const pv::COnePage job = Marker();
    pv::OutputStation station;
    if (pv::PreparePrintPage(job, settings, params, station) != pv::kPrepareStarted) {
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
