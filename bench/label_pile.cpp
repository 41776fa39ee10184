// A small file that must not stall the station: 25,000 labels "XYZ" written
// at one spot (IN;SP1; then PU100,100;LBXYZ<ETX>; repeated, 425 KB), read as
// a job is added (reader, page building, reading sequence) and prepared for
// printing with every band built.  Targets: read under 0.3 s, prepared with
// all its bands under 1 s, and the process's peak memory under 64 MB (the
// "peak_MB" counter, the largest resident size the process reached so far).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "import/job_reader.h"
#include "output/band_result.h"
#include "output/output_station.h"
#include "output/print_preparation.h"
#include "params/machine_params.h"
#include "settings/app_settings.h"

namespace {

namespace fs = std::filesystem;

double PeakMegabytes() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;   // kB on Linux
}

class LabelPile {
public:
    explicit LabelPile(int labels) : dir_(fs::temp_directory_path() / ("pv_bench_pile_" + std::to_string(::getpid()))) {
        fs::create_directories(dir_);
        settings.ProgramDir = dir_.string() + "/";
        settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
        settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
        path = settings.ProgramDir + "pile.plt";
        std::string text = "IN;SP1;";
        for (int i = 0; i < labels; ++i) text += "PU100,100;LBXYZ\x03;";
        std::ofstream(path, std::ios::binary) << text;
    }
    ~LabelPile() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    pv::AppSettings settings;
    std::string path;

private:
    fs::path dir_;
};

void BM_ReadLabelPile(benchmark::State& state) {
    LabelPile pile(static_cast<int>(state.range(0)));
    std::size_t curves = 0;
    for (auto _ : state) {
        pv::ReadJobResult r = pv::ReadJobFile(pile.path, pile.settings, {}, pv::ReadPath::AddCommand);
        if (!r.page) {
            state.SkipWithError("no page");
            return;
        }
        curves = r.page->curves.size();
    }
    state.counters["curves"] = static_cast<double>(curves);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ReadLabelPile)->Arg(25000)->Unit(benchmark::kMillisecond);

class NoDriver : public pv::PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(pv::OutputStation&) override { return true; }
};

class NoPauseClock : public pv::PrepareClock {
public:
    void Pause(std::chrono::milliseconds) const override {}
};

void BM_PrepareLabelPileWithAllBands(benchmark::State& state) {
    LabelPile pile(static_cast<int>(state.range(0)));
    pv::ReadJobResult read = pv::ReadJobFile(pile.path, pile.settings, {}, pv::ReadPath::AddCommand);
    if (!read.page) {
        state.SkipWithError("no page");
        return;
    }
    const pv::MachineParams params = pv::MachineParams::Defaults(pv::Edition::TwoHead);
    auto station = std::make_unique<pv::OutputStation>();
    NoDriver driver;
    NoPauseClock clock;
    for (auto _ : state) {
        if (pv::PreparePrint(*read.page, pile.settings, params, *station, driver, clock).result != pv::kPrepareStarted) {
            state.SkipWithError("preparation refused");
            return;
        }
        for (std::int32_t a = 0; a < station->PlotBandCount; ++a) {
            if (station->BuildBand(a) != pv::kBandOk) {
                state.SkipWithError("band not built");
                return;
            }
        }
    }
    state.counters["bands"] = station->PlotBandCount;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_PrepareLabelPileWithAllBands)->Arg(25000)->Unit(benchmark::kMillisecond);

}  // namespace
