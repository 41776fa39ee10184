// Reading a plot file of 5,000 label lines (Latin and Chinese text) with the
// shipped stroke fonts, fonts loaded as at every read.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "import/hpgl_file.h"
#include "settings/app_settings.h"

namespace {

std::string LabelFile(int lines) {
    std::string text = "IN;SP1;SI0.285,0.375;";
    for (int i = 0; i < lines; ++i) {
        text += "PU" + std::to_string(1000 + (i % 50) * 2000) + "," + std::to_string(1000 + (i / 50) * 200) + ";";
        // "Size 38 front piece" and "前片 尺码38 裁2片" (GB2312 bytes).
        text += (i % 2 == 0) ? "LBSize 38 front piece No." + std::to_string(i) + "\x03"
                             : "LB\xC7\xB0\xC6\xAC \xB3\xDF\xC2\xEB" "38 \xB2\xC3" "2\xC6\xAC\x03";
    }
    return text;
}

void BM_ReadLabelLines(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("pv_bench_labels_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    pv::AppSettings settings;
    settings.ProgramDir = dir.string() + "/";
    settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
    settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
    const std::string text = LabelFile(static_cast<int>(state.range(0)));
    std::size_t records = 0;
    for (auto _ : state) {
        pv::CHpglFile file(settings);
        if (file.ReadStream(text) != 0) state.SkipWithError("read failed");
        records = file.commands.Size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
    fs::remove_all(dir);
}
BENCHMARK(BM_ReadLabelLines)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
