#pragma once
// The read side of the print history for front ends that have no station
// of their own: the command line's `history` and the network's
// GET /api/history take a query as text and answer with the rows and the
// totals, read-only.
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "history/history_record.h"

namespace pv {

struct HistoryQueryText {
    std::optional<std::string> since;    // ISO 8601 date or time, UTC
    std::optional<std::string> until;    // a bare date counts to the end of that day
    std::optional<std::string> result;   // finished, stopped, failed, interrupted, running
    std::optional<std::string> limit;    // newest N rows (1 .. 10,000,000)
};

// The filter, or nullopt with `error` saying which value is wrong.
std::optional<HistoryFilter> ParseHistoryQuery(const HistoryQueryText& q, std::string& error);

// History.db in a program directory (which ends in the separator).
std::string HistoryPath(const std::string& programDir);

struct HistoryAnswer {
    bool ok = false;
    std::string error;                   // why the file could not be read
    std::vector<CopyRecord> rows;
    HistoryTotals totals;
};

// Reads rows and totals of the filter (totals over the whole period, not
// only the `limit` newest rows).  A program directory without a history
// answers with no rows.
HistoryAnswer ReadHistory(const std::string& programDir, const HistoryFilter& f, bool rows = true,
                          bool totals = true);

// {"rows": [...], "totals": {...}}: what the network front end serves.
// File names are bytes of any encoding: dump it with
// nlohmann::json::error_handler_t::replace.
nlohmann::json HistoryAnswerJson(const HistoryAnswer& a);

}  // namespace pv
