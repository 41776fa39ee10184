#pragma once
// The print history file, `History.db` in the program directory: SQLite in
// WAL mode (readers never wait for the station, the station never waits
// for a reader), its schema numbered with PRAGMA user_version and brought
// up to date by the migrations in history_store.cpp when a station opens it.
//
// The station opens it for writing; the command line and the window open
// it read-only and never change it.  A file that cannot be opened or fails
// PRAGMA quick_check is renamed aside (History.db.damaged-<UTC time>) and a
// new one started, so the history never stops a print.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "history/history_record.h"

struct sqlite3;

namespace pv {

enum class HistoryOpen {
    Opened,        // ready
    Missing,       // read-only open: there is no file yet
    SetAside,      // the file was damaged, renamed aside, a new one started
    Failed,        // cannot be had (read-only folder, full disk, damaged read-only file)
};

class HistoryStore {
public:
    static constexpr int kSchemaVersion = 1;
    static constexpr const char* kFileName = "History.db";

    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // For the station: creates or migrates the file.
    HistoryOpen OpenForWriting(const std::string& path);
    // For readers: never creates, migrates or renames anything.
    HistoryOpen OpenReadOnly(const std::string& path);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // What went wrong last, in plain words (the path, SQLite's message).
    const std::string& error() const { return error_; }
    // Where the damaged file went (after SetAside).
    const std::string& setAsidePath() const { return setAside_; }
    int SchemaVersion();

    // A new row; its id, or 0 when it could not be written.
    std::int64_t Insert(const CopyRecord& r);
    // Replaces every field of row r.id; false when it could not be written.
    bool Update(const CopyRecord& r);
    // Rows still running whose writer `alive` says is gone become
    // interrupted (ended when they were last written).  The count changed,
    // -1 on a write failure.
    int MarkInterrupted(const std::function<bool(const std::string& writer)>& alive);
    // Writer of the rows this store inserts (a process identity).
    void SetWriter(std::string writer) { writer_ = std::move(writer); }

    // Newest first.
    std::vector<CopyRecord> Rows(const HistoryFilter& f);
    HistoryTotals Totals(const HistoryFilter& f);
    // The newest row of this file (path, size, time), if its copy finished
    // as the last of its run with this content.
    bool FinishedUnchanged(const std::string& path, std::int64_t size, std::int64_t time,
                           const std::string& hash);

private:
    HistoryOpen Open(const std::string& path, bool write);
    bool Healthy();
    bool Migrate();
    bool Exec(const char* sql);
    void SetError(const std::string& what);

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string writer_;
    std::string error_;
    std::string setAside_;
};

// The milliseconds since 1970 UTC now.
std::int64_t HistoryNowMs();

}  // namespace pv
