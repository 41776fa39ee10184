// The print history on a scratch folder: each way a copy ends gives its
// row, a row left running by a station that is gone becomes interrupted,
// a damaged file is set aside, a folder that cannot be written is told
// once, and the totals and filters add up.
#include <sqlite3.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "history/history_format.h"
#include "history/history_query.h"
#include "history/print_history.h"
#include "history/process_identity.h"

namespace pv {
namespace {

namespace fs = std::filesystem;

PrintHistory::Start StartOf(const std::string& path, std::uintptr_t key, int copiesLeft) {
    PrintHistory::Start s;
    s.origin = JobOrigin::AutoFolder;
    s.filePath = path;
    s.fileName = fs::path(path).filename().string();
    s.fileSize = 123;
    s.fileTime = 1'700'000'000;
    s.jobKey = key;
    s.copiesLeft = copiesLeft;
    s.widthMm = 500;
    s.lengthMm = 1200;
    s.measures.paperMm = 1250.5;
    s.measures.knifeMm = 3000;
    s.measures.bandsTotal = 40;
    return s;
}

struct Told {
    std::vector<std::string> texts;
    PrintHistory::Tell sink() {
        return [this](const std::string& t) { texts.push_back(t); };
    }
};

TEST(PrintHistory, EachEndingGivesItsRow) {
    test::ScratchDir dir("history");
    Told told;
    {
        PrintHistory h;
        h.Open(dir.Dir(), "Pelvane", 1, told.sink());
        ASSERT_TRUE(h.IsOpen()) << h.store().error();
        struct Case { CopyResult result; const char* message; int band; };
        const Case cases[] = {{CopyResult::Finished, "", 3},
                              {CopyResult::Stopped, "Printing stopped!", 12},
                              {CopyResult::Failed, "Send cut data failed!", 55}};
        int k = 0;
        for (const Case& c : cases) {
            h.CopyStarted(StartOf(dir.File("job" + std::to_string(k) + ".plt"), 100 + k, 1));
            h.AddDrops({1000, 2000, 0, 0});
            h.AddDrops({1, 2, 0, 0});
            h.NoteBand(c.band);
            h.WriteProgress();
            h.CopyEnded(c.result, c.message, c.band);
            ++k;
        }
        // Left running: the station closed before the result came.
        h.CopyStarted(StartOf(dir.File("open.plt"), 200, 1));
    }
    const HistoryAnswer a = ReadHistory(dir.Dir(), {});
    ASSERT_TRUE(a.ok) << a.error;
    ASSERT_EQ(a.rows.size(), 4u);
    // newest first
    EXPECT_EQ(a.rows[0].fileName, "open.plt");
    EXPECT_EQ(a.rows[0].result, CopyResult::Stopped);
    const CopyRecord& finished = a.rows[3];
    EXPECT_EQ(finished.result, CopyResult::Finished);
    EXPECT_EQ(finished.message, "");
    EXPECT_EQ(finished.bandsSent, 40);   // all of them
    EXPECT_EQ(finished.bandsTotal, 40);
    EXPECT_EQ(finished.drops[0], 1001);
    EXPECT_EQ(finished.drops[1], 2002);
    EXPECT_EQ(finished.origin, JobOrigin::AutoFolder);
    EXPECT_EQ(finished.edition, "Pelvane");
    EXPECT_DOUBLE_EQ(finished.paperMm, 1250.5);
    EXPECT_DOUBLE_EQ(finished.knifeMm, 3000);
    EXPECT_GE(finished.endedMs, finished.startedMs);
    EXPECT_EQ(a.rows[2].result, CopyResult::Stopped);
    EXPECT_EQ(a.rows[2].bandsSent, 12);
    EXPECT_EQ(a.rows[1].result, CopyResult::Failed);
    EXPECT_EQ(a.rows[1].message, "Send cut data failed!");
    EXPECT_EQ(a.rows[1].bandsSent, 40);   // clamped to the copy's bands
    EXPECT_TRUE(told.texts.empty());
}

TEST(PrintHistory, CopiesOfOneJobAreNumberedWithinTheirRun) {
    test::ScratchDir dir("history");
    PrintHistory h;
    h.Open(dir.Dir(), "Orvanta", 0, nullptr);
    const std::string path = dir.File("a.plt");
    // three copies, the second failing once and printed again
    const std::vector<std::pair<int, CopyResult>> steps = {{3, CopyResult::Finished}, {2, CopyResult::Failed},
                                                           {2, CopyResult::Finished}, {1, CopyResult::Finished},
                                                           {1, CopyResult::Finished}};
    for (const auto& [left, result] : steps) {
        h.CopyStarted(StartOf(path, 7, left));
        h.CopyEnded(result, "", 0);
    }
    auto rows = h.store().Rows({});
    ASSERT_EQ(rows.size(), 5u);
    std::vector<std::pair<int, int>> numbered;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) numbered.emplace_back(it->copyNumber, it->copies);
    const std::vector<std::pair<int, int>> expected = {{1, 3}, {2, 3}, {2, 3}, {3, 3}, {1, 1}};
    EXPECT_EQ(numbered, expected);
}

// A station in another process that still runs: its identity, read back
// through a pipe; it ends with the object.
class LiveStation {
public:
    LiveStation() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            const std::string id = ThisProcessIdentity();
            (void)!write(fds[1], id.data(), id.size());
            close(fds[1]);
            pause();
            _exit(0);
        }
        close(fds[1]);
        char buf[64];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        close(fds[0]);
        if (n > 0) identity_.assign(buf, static_cast<std::size_t>(n));
    }
    ~LiveStation() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& identity() const { return identity_; }

private:
    pid_t pid_ = -1;
    std::string identity_;
};

TEST(PrintHistory, RowsLeftRunningByAStationThatIsGoneAreInterrupted) {
    test::ScratchDir dir("history");
    LiveStation other;
    ASSERT_FALSE(other.identity().empty());
    {
        HistoryStore store;
        ASSERT_EQ(store.OpenForWriting(dir.File("History.db")), HistoryOpen::Opened);
        const std::string otherPid = other.identity().substr(0, other.identity().find('/'));
        const std::pair<const char*, std::string> writers[] = {
            {"/dead.plt", "999999999/1"},                  // no such process
            {"/reused-id.plt", otherPid + "/1"},           // the id runs, but it is another process
            {"/this-process.plt", ThisProcessIdentity()},  // a station of this process that is gone
            {"/other-station.plt", other.identity()},      // still printing
        };
        for (const auto& [path, writer] : writers) {
            CopyRecord r;
            r.filePath = path;
            r.startedMs = HistoryNowMs() - 60'000;
            store.SetWriter(writer);
            ASSERT_NE(store.Insert(r), 0);
        }
    }
    PrintHistory h;
    h.Open(dir.Dir(), "Pelvane", 1, nullptr);
    std::map<std::string, CopyRecord> rows;
    for (const CopyRecord& r : h.store().Rows({})) rows[r.filePath] = r;
    EXPECT_EQ(rows["/dead.plt"].result, CopyResult::Interrupted);
    EXPECT_EQ(rows["/reused-id.plt"].result, CopyResult::Interrupted);
    EXPECT_EQ(rows["/this-process.plt"].result, CopyResult::Interrupted);
    EXPECT_EQ(rows["/other-station.plt"].result, CopyResult::Running);
    // ended when it was last written
    EXPECT_GT(rows["/dead.plt"].endedMs, 0);
    EXPECT_FALSE(ProcessStillRuns("garbage"));
}

void Scribble(const std::string& path, long offset, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, offset, SEEK_SET);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TEST(PrintHistory, ADamagedFileIsSetAsideAndANewOneStarted) {
    struct Case { const char* name; bool realDb; long offset; };
    // not a database at all; a database whose table pages were overwritten
    const Case cases[] = {{"junk", false, 0}, {"torn pages", true, 4096}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchDir dir("history");
        const std::string db = dir.File("History.db");
        if (c.realDb) {
            PrintHistory h;
            h.Open(dir.Dir(), "Pelvane", 1, nullptr);
            for (int k = 0; k < 200; ++k) {
                h.CopyStarted(StartOf(dir.File("x.plt"), 1, 1));
                h.CopyEnded(CopyResult::Finished, "", 0);
            }
            h.Close();
            // the journal is folded in when the last connection closes
            ASSERT_FALSE(fs::exists(db + "-wal") && fs::file_size(db + "-wal") > 0);
            Scribble(db, c.offset, std::string(8192, '\x5a'));
        } else {
            test::WriteAll(db, std::string(10000, 'J'));
        }
        const std::string damaged = test::ReadAll(db);
        Told told;
        PrintHistory h;
        h.Open(dir.Dir(), "Pelvane", 1, told.sink());
        ASSERT_TRUE(h.IsOpen()) << h.store().error();
        ASSERT_EQ(told.texts.size(), 1u);
        EXPECT_NE(told.texts[0].find("History.db.damaged-"), std::string::npos) << told.texts[0];
        const std::string aside = h.store().setAsidePath();
        ASSERT_TRUE(fs::exists(aside));
        EXPECT_EQ(test::ReadAll(aside), damaged);   // kept as it was, for whoever wants to look
        h.CopyStarted(StartOf(dir.File("y.plt"), 2, 1));
        h.CopyEnded(CopyResult::Finished, "", 0);
        EXPECT_EQ(h.store().Rows({}).size(), 1u);
        EXPECT_EQ(h.store().SchemaVersion(), HistoryStore::kSchemaVersion);
        EXPECT_EQ(told.texts.size(), 1u);
    }
}

TEST(PrintHistory, AHistoryThatCannotBeWrittenIsToldOnceAndCopiesGoOn) {
    struct Case { const char* name; bool readOnlyFolder; };
    // A read-only folder (not for root, who writes anyway); a folder in the
    // file's place, which nobody can open as a file.
    const Case cases[] = {{"read-only folder", true}, {"folder in the file's place", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.readOnlyFolder && geteuid() == 0) continue;
        test::ScratchDir dir("history");
        if (c.readOnlyFolder)
            fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        else
            fs::create_directory(dir.Path() / "History.db");
        Told told;
        PrintHistory h;
        h.Open(dir.Dir(), "Pelvane", 0, told.sink());
        EXPECT_FALSE(h.IsOpen());
        for (int k = 0; k < 3; ++k) {
            h.CopyStarted(StartOf(dir.File("z.plt"), 3, 1));
            h.AddDrops({5, 5, 0, 0});
            h.NoteBand(2);
            h.WriteProgress();
            h.CopyEnded(CopyResult::Finished, "", 0);
        }
        ASSERT_EQ(told.texts.size(), 1u);
        EXPECT_NE(told.texts[0].find("打印记录无法写入"), std::string::npos) << told.texts[0];
        EXPECT_TRUE(fs::is_directory(dir.Path() / "History.db") || !fs::exists(dir.Path() / "History.db"));
    }
}

TEST(PrintHistory, AFileOfAnEarlierSchemaIsMigratedAndReadersNeverChangeIt) {
    test::ScratchDir dir("history");
    const std::string db = dir.File("History.db");
    {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(db.c_str(), &raw), SQLITE_OK);   // version 0, no table
        sqlite3_exec(raw, "CREATE TABLE unrelated(x)", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
    }
    const auto before = fs::last_write_time(db);
    const HistoryAnswer read = ReadHistory(dir.Dir(), {});
    EXPECT_FALSE(read.ok);   // no copies table yet
    EXPECT_EQ(fs::last_write_time(db), before);
    HistoryStore store;
    ASSERT_EQ(store.OpenForWriting(db), HistoryOpen::Opened) << store.error();
    EXPECT_EQ(store.SchemaVersion(), 1);
    EXPECT_TRUE(store.Rows({}).empty());
}

CopyRecord Row(const char* name, CopyResult r, std::int64_t startS, std::int64_t seconds, double paper, double knife,
               std::int64_t drops1) {
    CopyRecord c;
    c.filePath = std::string("/m/") + name;
    c.fileName = name;
    c.result = r;
    c.startedMs = startS * 1000;
    c.endedMs = r == CopyResult::Running ? 0 : (startS + seconds) * 1000;
    c.paperMm = paper;
    c.knifeMm = knife;
    c.drops[0] = drops1;
    return c;
}

TEST(PrintHistory, TotalsAndFiltersAddUpOverAPeriod) {
    test::ScratchDir dir("history");
    HistoryStore store;
    ASSERT_EQ(store.OpenForWriting(dir.File("History.db")), HistoryOpen::Opened);
    const std::int64_t day = *ParseHistoryDate("2026-03-02", false) / 1000;
    const CopyRecord rows[] = {
        Row("before.plt", CopyResult::Finished, day - 60, 600, 9000, 9000, 1),
        Row("a.plt", CopyResult::Finished, day + 100, 120, 1500, 2500, 200'000'000),
        Row("b.plt", CopyResult::Failed, day + 400, 30, 1500, 2500, 100'000'000),
        Row("c.plt", CopyResult::Finished, day + 900, 300, 2000, 1000, 0),
        Row("after.plt", CopyResult::Stopped, day + 86400, 5, 1, 1, 1),
    };
    for (const CopyRecord& r : rows) ASSERT_NE(store.Insert(r), 0);
    std::string error;
    const auto f = ParseHistoryQuery({"2026-03-02", "2026-03-02", std::nullopt, std::nullopt}, error);
    ASSERT_TRUE(f) << error;
    const HistoryTotals t = store.Totals(*f);
    EXPECT_EQ(t.copies, 3);
    EXPECT_EQ(t.byResult[static_cast<int>(CopyResult::Finished)], 2);
    EXPECT_EQ(t.byResult[static_cast<int>(CopyResult::Failed)], 1);
    EXPECT_EQ(t.machineMs, 450'000);
    EXPECT_DOUBLE_EQ(t.paperM, 5.0);
    EXPECT_DOUBLE_EQ(t.knifeM, 6.0);
    EXPECT_EQ(t.drops[0], 300'000'000);
    EXPECT_EQ(t.longestFile, "c.plt");
    EXPECT_EQ(t.longestMs, 300'000);
    const nlohmann::json j = TotalsJson(t);
    EXPECT_DOUBLE_EQ(j["inkMl"][0].get<double>(), 1.5);   // 5 pL a drop

    HistoryFilter failed = *f;
    failed.result = CopyResult::Failed;
    const auto only = store.Rows(failed);
    ASSERT_EQ(only.size(), 1u);
    EXPECT_EQ(only[0].fileName, "b.plt");
    HistoryFilter newest;
    newest.limit = 2;
    const auto two = store.Rows(newest);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].fileName, "after.plt");
    EXPECT_EQ(two[1].fileName, "c.plt");
}

TEST(HistoryFormat, DatesOfAQuery) {
    struct Case { const char* text; bool endOfDay; const char* iso; };
    const Case good[] = {
        {"2026-12-11", false, "2026-12-11T00:00:00.000Z"},
        {"2026-12-11", true, "2026-12-12T00:00:00.000Z"},
        {"2026-12-11T08:30", true, "2026-12-11T08:30:00.000Z"},
        {"2026-12-11T08:30:15Z", false, "2026-12-11T08:30:15.000Z"},
        {"2026-12-11T08:30:15+08:00", false, "2026-12-11T00:30:15.000Z"},
        {"2024-02-29", false, "2024-02-29T00:00:00.000Z"},
    };
    for (const Case& c : good) {
        const auto ms = ParseHistoryDate(c.text, c.endOfDay);
        ASSERT_TRUE(ms) << c.text;
        EXPECT_EQ(IsoUtc(*ms), c.iso) << c.text;
    }
    for (const char* bad : {"", "2026-13-01", "2026-02-30", "2026-12-11T25:00", "yesterday", "2026-12-11T08:30junk"})
        EXPECT_FALSE(ParseHistoryDate(bad, false)) << bad;
}

}  // namespace
}  // namespace pv
