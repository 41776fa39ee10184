// Reading a 20 MB DXF drawing of garment pieces and converting it into
// curves: 440 pieces laid out on a 2,000 mm wide marker, each with a sewing
// outline and a seam line as closed polylines of 400 vertices, a grain line,
// notch lines, a drill circle, a curved hem arc and a TEXT label (read back
// through "dxfChar.plt" and the stroke fonts).  Target: below 1 s for
// ReadDxfJob.  The whole job path (reading sequence with outline
// recognition) is measured as well, for information.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "geometry/one_page.h"
#include "import/dxf_job_reader.h"
#include "import/job_reader.h"
#include "settings/app_settings.h"

namespace {

class Writer {
public:
    void Group(int code, const std::string& value) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\r\n", code);
        out += buf;
        out += value;
        out += "\r\n";
    }
    void Real(int code, double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.4f", v);
        Group(code, buf);
    }
    std::string out;
};

void ClosedPolyline(Writer& w, double cx, double cy, double a, double b, int n) {
    w.Group(0, "POLYLINE");
    w.Group(8, "1");
    w.Group(66, "1");
    w.Group(70, "1");
    for (int i = 0; i < n; ++i) {
        const double t = 2 * 3.141592653589793 * i / n;
        const double ct = std::cos(t), st = std::sin(t);
        w.Group(0, "VERTEX");
        w.Group(8, "1");
        w.Real(10, cx + a * std::copysign(std::pow(std::fabs(ct), 0.4), ct));
        w.Real(20, cy + b * std::copysign(std::pow(std::fabs(st), 0.4), st) + 0.03 * b * std::sin(5 * t));
        w.Real(30, 0.0);
    }
    w.Group(0, "SEQEND");
    w.Group(8, "1");
}

void Line(Writer& w, double x1, double y1, double x2, double y2) {
    w.Group(0, "LINE");
    w.Group(8, "7");
    w.Real(10, x1);
    w.Real(20, y1);
    w.Real(30, 0);
    w.Real(11, x2);
    w.Real(21, y2);
    w.Real(31, 0);
}

std::string Drawing() {
    Writer w;
    w.Group(0, "SECTION");
    w.Group(2, "TABLES");
    w.Group(0, "TABLE");
    w.Group(2, "LTYPE");
    w.Group(0, "LTYPE");
    w.Group(2, "CONTINUOUS");
    w.Group(0, "ENDTAB");
    w.Group(0, "TABLE");
    w.Group(2, "LAYER");
    for (const char* name : {"1", "7", "8"}) {
        w.Group(0, "LAYER");
        w.Group(2, name);
        w.Group(62, "7");
        w.Group(6, "CONTINUOUS");
    }
    w.Group(0, "ENDTAB");
    w.Group(0, "ENDSEC");
    w.Group(0, "SECTION");
    w.Group(2, "ENTITIES");
    const double pieceX = 150.0, pieceY = 2000.0 / 11;   // mm
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 11; ++j) {
            const double cx = (i + 0.5) * pieceX + 10, cy = (j + 0.5) * pieceY + 10;
            ClosedPolyline(w, cx, cy, pieceX * 0.47, pieceY * 0.47, 400);
            ClosedPolyline(w, cx, cy, pieceX * 0.42, pieceY * 0.42, 400);
            Line(w, cx - 0.3 * pieceX, cy, cx + 0.3 * pieceX, cy);
            for (int k = -2; k <= 2; ++k) Line(w, cx + k * 20, cy - 0.47 * pieceY, cx + k * 20, cy - 0.42 * pieceY);
            w.Group(0, "CIRCLE");
            w.Group(8, "8");
            w.Real(10, cx + 20);
            w.Real(20, cy + 20);
            w.Real(40, 2.0);
            w.Group(0, "ARC");
            w.Group(8, "7");
            w.Real(10, cx);
            w.Real(20, cy);
            w.Real(40, 0.3 * pieceY);
            w.Real(50, 200);
            w.Real(51, 340);
            w.Group(0, "TEXT");
            w.Group(8, "1");
            w.Real(10, cx - 30);
            w.Real(20, cy + 30);
            w.Real(40, 5);
            w.Group(1, "PIECE " + std::to_string(i * 11 + j) + " SIZE 38");
        }
    }
    w.Group(0, "ENDSEC");
    w.Group(0, "EOF");
    return w.out;
}

struct Fixture {
    Fixture() {
        dir = std::filesystem::temp_directory_path() / ("pv_bench_dxf_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = (dir / "marker.dxf").string();
        const std::string text = Drawing();
        bytes = text.size();
        std::ofstream(path, std::ios::binary) << text;
        settings.ProgramDir = dir.string() + "/";
        settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
        settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
    std::string path;
    std::size_t bytes = 0;
    pv::AppSettings settings;
};

Fixture& TheFixture() {
    static Fixture f;
    return f;
}

void DxfReadConvert(benchmark::State& state) {
    Fixture& f = TheFixture();
    std::size_t curves = 0;
    for (auto _ : state) {
        pv::COnePage page;
        page.filePath = f.path;
        if (pv::ReadDxfJob(page, f.settings) != pv::kDxfJobOk) {
            state.SkipWithError("read failed");
            return;
        }
        curves = page.curves.size();
        benchmark::DoNotOptimize(page.curves.data());
    }
    state.counters["MB"] = static_cast<double>(f.bytes) / 1e6;
    state.counters["curves"] = static_cast<double>(curves);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(DxfReadConvert)->Unit(benchmark::kMillisecond)->MinTime(3);

void DxfJobWithRecognition(benchmark::State& state) {
    Fixture& f = TheFixture();
    pv::AppSettings settings = f.settings;
    settings.SearchOutline = 1;
    for (auto _ : state) {
        pv::ReadJobResult r = pv::ReadJobFile(f.path, settings, {}, pv::ReadPath::AddCommand);
        if (r.page == nullptr) {
            state.SkipWithError("no page");
            return;
        }
        benchmark::DoNotOptimize(r.page->curves.data());
    }
}
BENCHMARK(DxfJobWithRecognition)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
