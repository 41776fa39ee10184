#pragma once
// One prepared SQLite statement, finalised when it goes out of scope.
#include <cstdint>
#include <string>

#include <sqlite3.h>

namespace pv {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql) {
        prepared_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
        ok_ = prepared_ == SQLITE_OK;
    }
    ~SqliteStatement() { sqlite3_finalize(stmt_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return ok_; }
    // Parameters count from 1.
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    void Bind(int i, int v) { sqlite3_bind_int64(stmt_, i, v); }
    void Bind(int i, double v) { sqlite3_bind_double(stmt_, i, v); }
    void Bind(int i, const std::string& v) {
        sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    // SQLITE_ROW, SQLITE_DONE or an error code (the preparation's, when it
    // failed: a file that is no database fails there).
    int Step() { return ok_ ? sqlite3_step(stmt_) : prepared_; }

    // Columns count from 0.
    std::int64_t Int(int c) const { return sqlite3_column_int64(stmt_, c); }
    double Real(int c) const { return sqlite3_column_double(stmt_, c); }
    std::string Text(int c) const {
        const auto* t = sqlite3_column_text(stmt_, c);
        return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, c)))
                 : std::string();
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
    int prepared_ = SQLITE_ERROR;
};

}  // namespace pv
