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

CopyRecord Copy() {
    CopyRecord r;
    r.edition = "Pelvane";
    r.origin = JobOrigin::AutoFolder;
    r.filePath = "/srv/markers/marker-0001.plt";
    r.fileName = "marker-0001.plt";
    r.fileSize = 35'600'000;
    r.contentHash = "0123456789abcdef";
    r.startedMs = HistoryNowMs();
    r.bandsTotal = 2100;
    r.widthMm = 1600;
    r.lengthMm = 636'000;
    r.paperMm = 640'000;
    r.knifeMm = 2'400'000;
    return r;
}

// One row as a copy writes it when it starts (the insert, committed with a
// full sync) — what the station's thread waits for before the print goes on.
void BM_HistoryRowStart(benchmark::State& state) {
    Folder folder("start");
    HistoryStore store;
    store.OpenForWriting(folder.Dir() + HistoryStore::kFileName);
    const CopyRecord r = Copy();
    for (auto _ : state)
        if (store.Insert(r) == 0) state.SkipWithError("not written");
}
BENCHMARK(BM_HistoryRowStart)->Unit(benchmark::kMillisecond)->Iterations(200);

// ... and when its result arrives (the update of the whole row).
void BM_HistoryRowEnd(benchmark::State& state) {
    Folder folder("end");
    HistoryStore store;
    store.OpenForWriting(folder.Dir() + HistoryStore::kFileName);
    CopyRecord r = Copy();
    r.id = store.Insert(r);
    r.result = CopyResult::Failed;
    r.message = "The machine has left the printing state!";
    r.drops = {123'456'789, 98'765'432, 0, 0};
    for (auto _ : state) {
        ++r.bandsSent;
        if (!store.Update(r)) state.SkipWithError("not written");
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
