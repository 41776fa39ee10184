// Saving and restoring the job queue as a print-task file, and the undo
// snapshot taken after every queue edit, for a queue of 50 large markers
// (about 2 million points in all).
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "jobs/station.h"
#include "jobs/task_file.h"
#include "marker_fixture.h"

namespace pv::bench {
namespace {

constexpr int kJobs = 50;

// One marker of 100 pieces, each a rippled outline of 450 points: about
// 40,000 points once tidied, so that 50 of them make about 2 million.
COnePage LargeMarker(int number) {
    COnePage page;
    page.fileName = "marker-" + std::to_string(number) + ".plt";
    page.filePath = "/srv/markers/" + page.fileName;
    const double pieceX = 200.0 * kUnitsPerMm, pieceY = 250.0 * kUnitsPerMm;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            CCurve c = PieceOutline((i + 0.5) * pieceX, (j + 0.5) * pieceY, 0.45 * pieceX, 0.45 * pieceY, 450,
                                    {0.3, 0.02, 3 + (i + j + number) % 5});
            c.kind = (i + j) % 2;
            c.Tidy();
            page.curves.push_back(std::move(c));
        }
    }
    page.copies = 1 + number % 3;
    return page;
}

// A station whose opened jobs are the 50 markers.
std::unique_ptr<Station> LargeQueue() {
    auto station = std::make_unique<Station>(Edition::TwoHead);
    const COnePage marker = LargeMarker(0);
    for (int k = 0; k < kJobs; ++k) {
        auto page = std::make_unique<COnePage>(marker);
        page->fileName = "marker-" + std::to_string(k) + ".plt";
        page->filePath = "/srv/markers/" + page->fileName;
        station->jobs.OpenedJobs.push_back(std::move(page));
    }
    return station;
}

std::int64_t PointCount(const JobList& jobs) {
    std::int64_t n = 0;
    for (const auto& j : jobs.OpenedJobs)
        for (const auto& c : j->curves) n += static_cast<std::int64_t>(c.points.size());
    return n;
}

std::string TaskPath() {
    return (std::filesystem::temp_directory_path() / ("pv-bench-task-" + std::to_string(getpid()) + ".tsk"))
        .string();
}

void BM_SaveTaskFile(benchmark::State& state) {
    const auto station = LargeQueue();
    const std::string path = TaskPath();
    std::string message;
    for (auto _ : state) {
        if (TaskFile::Save(path, Edition::TwoHead, 1, station->jobs, &message) != kTaskOk)
            state.SkipWithError("save failed");
    }
    state.counters["points"] = static_cast<double>(PointCount(station->jobs));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveTaskFile)->Unit(benchmark::kMillisecond);

void BM_OpenTaskFile(benchmark::State& state) {
    const std::string path = TaskPath();
    std::string message;
    {
        const auto station = LargeQueue();
        if (TaskFile::Save(path, Edition::TwoHead, 1, station->jobs, &message) != kTaskOk) {
            state.SkipWithError("save failed");
            return;
        }
    }
    Station restored(Edition::TwoHead);
    for (auto _ : state) {
        if (TaskFile::Open(path, Edition::TwoHead, 1, restored.jobs, &message) != kTaskOk)
            state.SkipWithError("open failed");
    }
    state.counters["points"] = static_cast<double>(PointCount(restored.jobs));
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenTaskFile)->Unit(benchmark::kMillisecond);

// The snapshot pushed after an edit of the queue.
void BM_UndoSnapshot(benchmark::State& state) {
    const auto station = LargeQueue();
    UndoHistory history;
    for (auto _ : state) {
        history.Push(station->jobs, Edition::TwoHead);
        if (history.Count() >= 8) {
            state.PauseTiming();
            history = UndoHistory();
            state.ResumeTiming();
        }
    }
    state.counters["bytes"] = static_cast<double>(history.Count() ? history.Snapshot(0).size() : 0);
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);

// Undo: the snapshot put back into the queue.
void BM_UndoRestore(benchmark::State& state) {
    const auto station = LargeQueue();
    station->undo.Push(station->jobs, Edition::TwoHead);
    station->undo.Push(station->jobs, Edition::TwoHead);
    for (auto _ : state) {
        if (!station->Undo() || !station->Redo()) state.SkipWithError("undo failed");
    }
    state.counters["points"] = static_cast<double>(PointCount(station->jobs));
}
BENCHMARK(BM_UndoRestore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pv::bench
