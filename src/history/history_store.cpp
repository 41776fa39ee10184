#include "history/history_store.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include <sqlite3.h>

#include "history/sqlite_statement.h"

namespace pv {

namespace {

// Each step takes the schema from version i to i + 1; a file is brought
// up to date one step at a time, each in its own transaction.  Steps are
// only ever appended.
const char* const kMigrations[] = {
    // 0 -> 1: the copies.  Times are milliseconds since 1970 UTC; `updated`
    // is the last write of a running row (its end if it is interrupted).
    "CREATE TABLE copies ("
    " id INTEGER PRIMARY KEY,"
    " edition TEXT NOT NULL,"
    " file_path TEXT NOT NULL,"
    " file_name TEXT NOT NULL,"
    " file_size INTEGER NOT NULL,"
    " file_time INTEGER NOT NULL,"
    " content_hash TEXT NOT NULL,"
    " origin TEXT NOT NULL,"
    " copy_number INTEGER NOT NULL,"
    " copies INTEGER NOT NULL,"
    " started INTEGER NOT NULL,"
    " ended INTEGER NOT NULL,"
    " updated INTEGER NOT NULL,"
    " result TEXT NOT NULL,"
    " message TEXT NOT NULL,"
    " bands_sent INTEGER NOT NULL,"
    " bands_total INTEGER NOT NULL,"
    " width_mm REAL NOT NULL,"
    " length_mm REAL NOT NULL,"
    " paper_mm REAL NOT NULL,"
    " knife_mm REAL NOT NULL,"
    " drops1 INTEGER NOT NULL, drops2 INTEGER NOT NULL, drops3 INTEGER NOT NULL, drops4 INTEGER NOT NULL,"
    " writer TEXT NOT NULL);"
    // The totals read this index alone, never the wide rows: it holds
    // every column they add up (and orders the rows by their start).
    "CREATE INDEX copies_totals ON copies(started, result, ended, paper_mm, knife_mm, drops1, drops2, drops3,"
    " drops4);"
    "CREATE INDEX copies_file ON copies(file_path);"
    "CREATE INDEX copies_running ON copies(result) WHERE result = 'running';",
};
constexpr int kMigrationCount = static_cast<int>(sizeof kMigrations / sizeof kMigrations[0]);
static_assert(kMigrationCount == HistoryStore::kSchemaVersion);

constexpr const char* kColumns =
    "id, edition, file_path, file_name, file_size, file_time, content_hash, origin, copy_number, copies, started, "
    "ended, result, message, bands_sent, bands_total, width_mm, length_mm, paper_mm, knife_mm, drops1, drops2, "
    "drops3, drops4";

CopyRecord ReadRow(const SqliteStatement& s) {
    CopyRecord r;
    r.id = s.Int(0);
    r.edition = s.Text(1);
    r.filePath = s.Text(2);
    r.fileName = s.Text(3);
    r.fileSize = s.Int(4);
    r.fileTime = s.Int(5);
    r.contentHash = s.Text(6);
    r.origin = JobOriginFromName(s.Text(7)).value_or(JobOrigin::ManualAdd);
    r.copyNumber = static_cast<int>(s.Int(8));
    r.copies = static_cast<int>(s.Int(9));
    r.startedMs = s.Int(10);
    r.endedMs = s.Int(11);
    r.result = CopyResultFromName(s.Text(12)).value_or(CopyResult::Interrupted);
    r.message = s.Text(13);
    r.bandsSent = static_cast<int>(s.Int(14));
    r.bandsTotal = static_cast<int>(s.Int(15));
    r.widthMm = s.Real(16);
    r.lengthMm = s.Real(17);
    r.paperMm = s.Real(18);
    r.knifeMm = s.Real(19);
    for (int k = 0; k < kHistoryCartridges; ++k) r.drops[static_cast<std::size_t>(k)] = s.Int(20 + k);
    return r;
}

// Binds the fields after id, from parameter 1 on; returns the next parameter.
int BindFields(SqliteStatement& s, const CopyRecord& r, const std::string& writer) {
    int i = 1;
    s.Bind(i++, r.edition);
    s.Bind(i++, r.filePath);
    s.Bind(i++, r.fileName);
    s.Bind(i++, r.fileSize);
    s.Bind(i++, r.fileTime);
    s.Bind(i++, r.contentHash);
    s.Bind(i++, std::string(JobOriginName(r.origin)));
    s.Bind(i++, r.copyNumber);
    s.Bind(i++, r.copies);
    s.Bind(i++, r.startedMs);
    s.Bind(i++, r.endedMs);
    s.Bind(i++, HistoryNowMs());
    s.Bind(i++, std::string(CopyResultName(r.result)));
    s.Bind(i++, r.message);
    s.Bind(i++, r.bandsSent);
    s.Bind(i++, r.bandsTotal);
    s.Bind(i++, r.widthMm);
    s.Bind(i++, r.lengthMm);
    s.Bind(i++, r.paperMm);
    s.Bind(i++, r.knifeMm);
    for (std::int64_t d : r.drops) s.Bind(i++, d);
    s.Bind(i++, writer);
    return i;
}

// " WHERE ..." for a filter, its parameters bound from `first` by BindFilter.
std::string WhereOf(const HistoryFilter& f) {
    std::string w;
    const auto add = [&w](const char* clause) { w += w.empty() ? " WHERE " : " AND "; w += clause; };
    if (f.sinceMs) add("started >= ?");
    if (f.untilMs) add("started < ?");
    if (f.result) add("result = ?");
    return w;
}

int BindFilter(SqliteStatement& s, const HistoryFilter& f, int i = 1) {
    if (f.sinceMs) s.Bind(i++, *f.sinceMs);
    if (f.untilMs) s.Bind(i++, *f.untilMs);
    if (f.result) s.Bind(i++, std::string(CopyResultName(*f.result)));
    return i;
}

std::string UtcStamp() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm);
    return buf;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

std::int64_t HistoryNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

HistoryStore::HistoryStore() = default;

HistoryStore::~HistoryStore() { Close(); }

void HistoryStore::Close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void HistoryStore::SetError(const std::string& what) {
    error_ = path_ + ": " + what;
    if (db_) error_ += std::string(" (") + sqlite3_errmsg(db_) + ")";
}

bool HistoryStore::Exec(const char* sql) {
    char* msg = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &msg);
    if (rc != SQLITE_OK) {
        error_ = path_ + ": " + (msg ? msg : sqlite3_errstr(rc));
        sqlite3_free(msg);
        return false;
    }
    return true;
}

int HistoryStore::SchemaVersion() {
    if (!db_) return -1;
    SqliteStatement s(db_, "PRAGMA user_version");
    return s.Step() == SQLITE_ROW ? static_cast<int>(s.Int(0)) : -1;
}

bool HistoryStore::Healthy() {
    SqliteStatement s(db_, "PRAGMA quick_check");
    if (s.Step() != SQLITE_ROW) return false;
    return s.Text(0) == "ok";
}

bool HistoryStore::Migrate() {
    const int version = SchemaVersion();
    if (version < 0) return false;
    for (int v = version; v < kMigrationCount; ++v) {
        if (!Exec("BEGIN IMMEDIATE")) return false;
        const std::string bump = "PRAGMA user_version = " + std::to_string(v + 1);
        if (!Exec(kMigrations[v]) || !Exec(bump.c_str())) {
            const std::string why = error_;
            Exec("ROLLBACK");
            error_ = why;
            return false;
        }
        if (!Exec("COMMIT")) return false;
    }
    return true;
}

HistoryOpen HistoryStore::OpenForWriting(const std::string& path) {
    setAside_.clear();
    const HistoryOpen first = Open(path, true);
    if (first != HistoryOpen::SetAside) return first;
    // The damaged file and its journal go aside together, under one name.
    const std::string aside = path + ".damaged-" + UtcStamp();
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        error_ = path + ": damaged, and it cannot be renamed aside";
        return HistoryOpen::Failed;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::string journal = path + suffix;
        if (Exists(journal)) std::rename(journal.c_str(), (aside + suffix).c_str());
    }
    const std::string why = error_;
    if (Open(path, true) != HistoryOpen::Opened) return HistoryOpen::Failed;
    setAside_ = aside;
    error_ = why;
    return HistoryOpen::SetAside;
}

HistoryOpen HistoryStore::OpenReadOnly(const std::string& path) { return Open(path, false); }

// Opened, Missing, Failed; SetAside here means "damaged, not yet moved".
HistoryOpen HistoryStore::Open(const std::string& path, bool write) {
    Close();
    path_ = path;
    error_.clear();
    if (!write && !Exists(path)) return HistoryOpen::Missing;
    const int flags = write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    const auto damaged = [](int code) {
        code &= 0xFF;
        return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
    };
    const auto fail = [&](const char* what, int code) {
        SetError(what);
        Close();
        return write && damaged(code) ? HistoryOpen::SetAside : HistoryOpen::Failed;
    };
    if (rc != SQLITE_OK) return fail("cannot be opened", rc);
    sqlite3_extended_result_codes(db_, 1);
    // A writer in another process (the window and `print` on one program
    // directory) holds the lock for a few milliseconds at most.
    sqlite3_busy_timeout(db_, 1000);
    if (write) {
        // WAL: readers never block the station.  FULL: a committed row
        // survives a power cut, not only a crash.
        SqliteStatement wal(db_, "PRAGMA journal_mode = WAL");
        rc = wal.Step();
        if (rc != SQLITE_ROW) return fail("cannot be opened", rc);
        if (wal.Text(0) != "wal") return fail("cannot use a write-ahead log", SQLITE_CANTOPEN);
        if (!Exec("PRAGMA synchronous = FULL")) return fail("cannot be opened", SQLITE_CANTOPEN);
    }
    if (write) {
        // The station checks the file once when it starts; a reader leaves
        // that to it and reports what its query meets.
        SqliteStatement probe(db_, "PRAGMA quick_check");
        rc = probe.Step();
        if (rc != SQLITE_ROW) return fail("cannot be read", rc);
        if (probe.Text(0) != "ok") return fail("failed its check", SQLITE_CORRUPT);
    } else {
        SqliteStatement probe(db_, "SELECT COUNT(*) FROM sqlite_schema");
        rc = probe.Step();
        if (rc != SQLITE_ROW) return fail("cannot be read", rc);
    }
    if (write && !Migrate()) {
        const std::string why = error_;
        Close();
        error_ = why;
        return HistoryOpen::Failed;
    }
    return HistoryOpen::Opened;
}

std::int64_t HistoryStore::Insert(const CopyRecord& r) {
    if (!db_) return 0;
    SqliteStatement s(db_,
                      "INSERT INTO copies (edition, file_path, file_name, file_size, file_time, content_hash, origin,"
                      " copy_number, copies, started, ended, updated, result, message, bands_sent, bands_total,"
                      " width_mm, length_mm, paper_mm, knife_mm, drops1, drops2, drops3, drops4, writer)"
                      " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    BindFields(s, r, writer_);
    if (s.Step() != SQLITE_DONE) {
        SetError("the row cannot be written");
        return 0;
    }
    return sqlite3_last_insert_rowid(db_);
}

bool HistoryStore::Update(const CopyRecord& r) {
    if (!db_ || r.id == 0) return false;
    SqliteStatement s(db_,
                      "UPDATE copies SET edition=?, file_path=?, file_name=?, file_size=?, file_time=?,"
                      " content_hash=?, origin=?, copy_number=?, copies=?, started=?, ended=?, updated=?, result=?,"
                      " message=?, bands_sent=?, bands_total=?, width_mm=?, length_mm=?, paper_mm=?, knife_mm=?,"
                      " drops1=?, drops2=?, drops3=?, drops4=?, writer=? WHERE id=?");
    const int next = BindFields(s, r, writer_);
    s.Bind(next, r.id);
    if (s.Step() != SQLITE_DONE) {
        SetError("the row cannot be written");
        return false;
    }
    return true;
}

int HistoryStore::MarkInterrupted(const std::function<bool(const std::string&)>& alive) {
    if (!db_) return -1;
    std::vector<std::int64_t> gone;
    {
        SqliteStatement s(db_, "SELECT id, writer FROM copies WHERE result = 'running'");
        while (s.Step() == SQLITE_ROW)
            if (!alive(s.Text(1))) gone.push_back(s.Int(0));
    }
    int changed = 0;
    for (std::int64_t id : gone) {
        SqliteStatement u(db_, "UPDATE copies SET result = 'interrupted', ended = updated WHERE id = ?");
        u.Bind(1, id);
        if (u.Step() != SQLITE_DONE) {
            SetError("the row cannot be written");
            return -1;
        }
        ++changed;
    }
    return changed;
}

std::vector<CopyRecord> HistoryStore::Rows(const HistoryFilter& f) {
    std::vector<CopyRecord> rows;
    if (!db_) return rows;
    std::string sql = std::string("SELECT ") + kColumns + " FROM copies" + WhereOf(f) + " ORDER BY started DESC, id DESC";
    if (f.limit) sql += " LIMIT ?";
    SqliteStatement s(db_, sql.c_str());
    const int next = BindFilter(s, f);
    if (f.limit) s.Bind(next, *f.limit);
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) rows.push_back(ReadRow(s));
    if (rc != SQLITE_DONE) SetError("cannot be read");
    return rows;
}

HistoryTotals HistoryStore::Totals(const HistoryFilter& f) {
    HistoryTotals t;
    if (!db_) return t;
    // One pass over the covering index, added up here: the longest copy
    // comes out of the same pass as the sums.
    const std::string sql = "SELECT id, started, ended, result, paper_mm, knife_mm, drops1, drops2, drops3, drops4"
                            " FROM copies" + WhereOf(f);
    SqliteStatement s(db_, sql.c_str());
    BindFilter(s, f);
    double paperMm = 0, knifeMm = 0;
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) {
        ++t.copies;
        const std::int64_t took = s.Int(2) - s.Int(1);
        if (took > 0) {
            t.machineMs += took;
            if (took > t.longestMs || (took == t.longestMs && s.Int(0) > t.longestId)) {
                t.longestMs = took;
                t.longestId = s.Int(0);
            }
        }
        const auto result = CopyResultFromName(s.Text(3));
        if (result) ++t.byResult[static_cast<std::size_t>(*result)];
        paperMm += s.Real(4);
        knifeMm += s.Real(5);
        for (int k = 0; k < kHistoryCartridges; ++k) t.drops[static_cast<std::size_t>(k)] += s.Int(6 + k);
    }
    if (rc != SQLITE_DONE) {
        SetError("cannot be read");
        return t;
    }
    t.paperM = paperMm / 1000.0;
    t.knifeM = knifeMm / 1000.0;
    if (t.longestId != 0) {
        SqliteStatement name(db_, "SELECT file_name FROM copies WHERE id = ?");
        name.Bind(1, t.longestId);
        if (name.Step() == SQLITE_ROW) t.longestFile = name.Text(0);
    }
    return t;
}

bool HistoryStore::FinishedUnchanged(const std::string& path, std::int64_t size, std::int64_t time,
                                     const std::string& hash) {
    if (!db_) return false;
    SqliteStatement s(db_,
                      "SELECT result, copy_number, copies, file_size, file_time, content_hash FROM copies"
                      " WHERE file_path = ? ORDER BY id DESC LIMIT 1");
    s.Bind(1, path);
    if (s.Step() != SQLITE_ROW) return false;
    return s.Text(0) == "finished" && s.Int(1) >= s.Int(2) && s.Int(3) == size && s.Int(4) == time &&
           s.Text(5) == hash && !hash.empty();
}

}  // namespace pv
