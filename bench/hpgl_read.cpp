// Reading a large garment marker: the HPGL reader alone (read + page
// building) and the whole add-file path (tidy, unit, origin, joins, ...).
//
// The marker is generated at start into a temporary file of about 38 MB:
// pieces with a knife outline of several hundred points (SP2) written as
// chains of PD commands, ink sewing and grain lines (SP1), and a size label
// on every twentieth piece.  Counters: MB/s of file read, curves built, and
// the peak memory the operation added, as a multiple of the file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "geometry/one_page.h"
#include "import/hpgl_file.h"
#include "import/job_reader.h"
#include "settings/app_settings.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTargetBytes = 38'000'000;
constexpr int kPairsPerPd = 24;   // pairs per PD command, as CAD systems chain them

class MarkerWriter {
public:
    explicit MarkerWriter(const std::string& path) : f_(std::fopen(path.c_str(), "wb")) {}
    ~MarkerWriter() {
        Flush();
        std::fclose(f_);
    }
    void Put(const char* s) { buf_ += s; }
    void Put(const std::string& s) { buf_ += s; }
    void Num(long v) {
        char t[24];
        std::snprintf(t, sizeof t, "%ld", v);
        buf_ += t;
    }
    // Pen up to the first point, then pen down through the rest in PD chains.
    void Polyline(const std::vector<std::pair<long, long>>& pts) {
        Put("PU");
        Num(pts[0].first);
        Put(",");
        Num(pts[0].second);
        Put(";");
        for (std::size_t i = 1; i < pts.size(); i += kPairsPerPd) {
            Put("PD");
            for (std::size_t k = i; k < std::min(pts.size(), i + kPairsPerPd); ++k) {
                if (k > i) Put(",");
                Num(pts[k].first);
                Put(",");
                Num(pts[k].second);
            }
            Put(";\n");
        }
        if (buf_.size() > (1 << 20)) Flush();
    }
    std::size_t Written() const { return written_ + buf_.size(); }

private:
    void Flush() {
        std::fwrite(buf_.data(), 1, buf_.size(), f_);
        written_ += buf_.size();
        buf_.clear();
    }
    std::FILE* f_;
    std::string buf_;
    std::size_t written_ = 0;
};

struct Marker {
    fs::path dir;
    std::string path;
    std::size_t bytes = 0;
    int pieces = 0;
};

const Marker& TheMarker() {
    static const Marker m = [] {
        Marker mk;
        mk.dir = fs::temp_directory_path() / ("pv_bench_hpgl_" + std::to_string(::getpid()));
        fs::create_directories(mk.dir);
        mk.path = (mk.dir / "marker.plt").string();
        std::mt19937 rng(4711);
        std::uniform_real_distribution<double> jitter(-40.0, 40.0);
        std::uniform_int_distribution<int> outlinePoints(700, 1400);
        MarkerWriter w(mk.path);
        w.Put("IN;DF;SP1;");
        const int across = 7;                  // pieces across the paper
        const long cellX = 12000, cellY = 9000;  // 300 x 225 mm per piece
        while (w.Written() < kTargetBytes) {
            const long cx = (mk.pieces / across) * cellX + cellX / 2;
            const long cy = (mk.pieces % across) * cellY + cellY / 2;
            // Knife outline: a rounded, slightly irregular closed shape.
            const int n = outlinePoints(rng);
            std::vector<std::pair<long, long>> pts;
            for (int i = 0; i < n; ++i) {
                const double t = 2 * M_PI * i / n;
                const double r = 1.0 + 0.12 * std::sin(5 * t);
                pts.emplace_back(cx + std::lround(5200 * r * std::cos(t) + jitter(rng)),
                                 cy + std::lround(3800 * r * std::sin(t) + jitter(rng)));
            }
            pts.push_back(pts.front());
            w.Put("SP2;");
            w.Polyline(pts);
            // Ink sewing line inside, open.
            pts.clear();
            for (int i = 0; i < n / 2; ++i) {
                const double t = 2 * M_PI * i / n;
                pts.emplace_back(cx + std::lround(4800 * std::cos(t)), cy + std::lround(3400 * std::sin(t)));
            }
            w.Put("SP1;");
            w.Polyline(pts);
            // Grain line.
            w.Polyline({{cx - 3000, cy}, {cx + 3000, cy}});
            if (mk.pieces % 20 == 0) {
                w.Put("SI0.3,0.4;PU");
                w.Num(cx - 1000);
                w.Put(",");
                w.Num(cy - 1500);
                w.Put(";LB38\nF\x03");
            }
            ++mk.pieces;
        }
        w.Put("PU0,0;SP0;");
        mk.bytes = w.Written();
        return mk;
    }();
    return m;
}

pv::AppSettings BenchSettings() {
    const Marker& m = TheMarker();
    pv::AppSettings s;
    s.ProgramDir = m.dir.string() + "/";
    s.HzFontPath = s.ProgramDir + "fon_hz.bin";
    s.EnFontPath = s.ProgramDir + "fon_en.bin";
    return s;
}

long ProcStatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string k = std::string(key) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(k, 0) == 0) return std::stol(line.substr(k.size()));
    }
    return 0;
}

// Resets the peak resident size to the current one (Linux 4.0 and later).
long ResetPeakKb() {
    std::ofstream("/proc/self/clear_refs") << "5";
    return ProcStatusKb("VmRSS");
}

void ReportMemory(benchmark::State& state, long baseKb) {
    const double added = (ProcStatusKb("VmHWM") - baseKb) * 1024.0;
    state.counters["peak_mem_x_file"] = added / static_cast<double>(TheMarker().bytes);
}

// Times `readOnce(settings, curves)` over the marker file, with the memory
// it adds at its peak and the curves of the last read.
template <class Read>
void TimeReads(benchmark::State& state, Read readOnce) {
    const Marker& m = TheMarker();
    const pv::AppSettings settings = BenchSettings();
    std::size_t curves = 0;
    long baseKb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        baseKb = ResetPeakKb();
        state.ResumeTiming();
        readOnce(settings, curves);
    }
    ReportMemory(state, baseKb);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * m.bytes));
    state.counters["curves"] = static_cast<double>(curves);
}

void BM_ReadFileAndBuildPage(benchmark::State& state) {
    const Marker& m = TheMarker();
    TimeReads(state, [&](const pv::AppSettings& settings, std::size_t& curves) {
        pv::CHpglFile reader(settings, [](const std::string&) {});
        reader.path = m.path;
        if (reader.ReadFile() != pv::kHpglOk) state.SkipWithError("read failed");
        pv::COnePage page;
        reader.BuildPage(page, 1);
        curves = page.curves.size();
        benchmark::DoNotOptimize(page.curves.data());
    });
    state.counters["file_MB"] = m.bytes / 1e6;
    state.counters["pieces"] = m.pieces;
}
BENCHMARK(BM_ReadFileAndBuildPage)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_AddFileWithJoins(benchmark::State& state) {
    const Marker& m = TheMarker();
    TimeReads(state, [&](const pv::AppSettings& settings, std::size_t& curves) {
        pv::ReadJobResult r = pv::ReadJobFile(m.path, settings, {}, pv::ReadPath::AddCommand);
        if (!r.page) state.SkipWithError("no page");
        else curves = r.page->curves.size();
        benchmark::DoNotOptimize(r.page.get());
    });
}
BENCHMARK(BM_AddFileWithJoins)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Removes the generated marker when the program ends.
struct Cleanup {
    ~Cleanup() {
        std::error_code ec;
        fs::remove_all(fs::temp_directory_path() / ("pv_bench_hpgl_" + std::to_string(::getpid())), ec);
    }
} cleanup;

}  // namespace
