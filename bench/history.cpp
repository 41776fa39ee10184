// The print history: writing a copy's row (its start, its end) on the
// station's thread, and the totals `history totals` reads over 100,000
// rows.  Goals: a row under 5 ms, the totals under 200 ms.
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "history/history_query.h"
#include "history/history_store.h"
#include "history/print_history.h"

namespace pv::bench {
namespace {

namespace fs = std::filesystem;

// A fresh program directory for one benchmark, removed afterwards.
struct Folder {
    explicit Folder(const std::string& name)
        : path(fs::temp_directory_path() / ("pv-bench-history-" + name + "-" + std::to_string(::getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::string Dir() const { return path.string() + "/"; }
    fs::path path;
};

PrintHistory::Start Copy() {
    PrintHistory::Start s;
    s.origin = JobOrigin::AutoFolder;
    s.filePath = "/srv/markers/marker-0001.plt";   // not there: no content to hash
    s.fileName = "marker-0001.plt";
    s.fileSize = 35'600'000;
    s.jobKey = 1;
    s.widthMm = 1600;
    s.lengthMm = 636'000;
    s.measures = {640'000, 2'400'000, 2100};
    return s;
}

// One row as a copy writes it when it starts (the insert, committed with a
// full sync) — what the station's thread waits for before the print goes on.
void BM_HistoryRowStart(benchmark::State& state) {
    Folder folder("start");
    PrintHistory h;
    h.Open(folder.Dir(), "Pelvane", 1, nullptr);
    for (auto _ : state) {
        h.CopyStarted(Copy());
        state.PauseTiming();
        h.CopyEnded(CopyResult::Finished, "", 0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryRowStart)->Unit(benchmark::kMillisecond)->Iterations(200);

// ... and when its result arrives (the update).
void BM_HistoryRowEnd(benchmark::State& state) {
    Folder folder("end");
    PrintHistory h;
    h.Open(folder.Dir(), "Pelvane", 1, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        h.CopyStarted(Copy());
        h.AddDrops({123'456'789, 98'765'432, 0, 0});
        state.ResumeTiming();
        h.CopyEnded(CopyResult::Failed, "The machine has left the printing state!", 1234);
    }
}
BENCHMARK(BM_HistoryRowEnd)->Unit(benchmark::kMillisecond)->Iterations(200);

// `history totals` over 100,000 rows of a year: opening the file read-only
// and adding everything up.
void BM_HistoryTotals100k(benchmark::State& state) {
    Folder folder("totals");
    {
        HistoryStore store;
        store.OpenForWriting(folder.Dir() + HistoryStore::kFileName);
    }
    sqlite3* db = nullptr;
    sqlite3_open((folder.Dir() + HistoryStore::kFileName).c_str(), &db);
    const char* fill =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)"
        " INSERT INTO copies (edition, file_path, file_name, file_size, file_time, content_hash, origin,"
        " copy_number, copies, started, ended, updated, result, message, bands_sent, bands_total, width_mm,"
        " length_mm, paper_mm, knife_mm, drops1, drops2, drops3, drops4, writer)"
        " SELECT 'Pelvane', '/srv/markers/m' || (i % 500) || '.plt', 'm' || (i % 500) || '.plt', 1000000, 0, '',"
        " 'auto-folder', 1, 1, 1767225600000 + i * 315000, 1767225600000 + i * 315000 + 60000 + (i % 977) * 100,"
        " 0, CASE i % 20 WHEN 0 THEN 'failed' WHEN 1 THEN 'stopped' ELSE 'finished' END, '', 40, 40, 1600,"
        " 3000 + i % 100, 3100 + i % 100, 12000, i * 1000, i * 999, 0, 0, '1/1' FROM n";
    char* error = nullptr;
    if (sqlite3_exec(db, fill, nullptr, nullptr, &error) != SQLITE_OK) {
        state.SkipWithError(error ? error : "fill failed");
        sqlite3_free(error);
        sqlite3_close(db);
        return;
    }
    sqlite3_close(db);
    for (auto _ : state) {
        const HistoryAnswer a = ReadHistory(folder.Dir(), {}, false, true);
        if (a.totals.copies != 100000) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(a.totals.paperM);
    }
}
BENCHMARK(BM_HistoryTotals100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pv::bench
