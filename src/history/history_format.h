#pragma once
// The print history as text: rows and totals as JSON (the command line and
// the network front end serve the same objects) and rows as CSV; times as
// ISO 8601 UTC, and the dates a query takes.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "history/history_record.h"

namespace pv {

// "2026-12-11T12:54:17.123Z"; "" for 0.
std::string IsoUtc(std::int64_t ms);
// A date or time of a query, UTC: "2026-12-11", "2026-12-11T08:30",
// "2026-12-11T08:30:15", with an optional "Z" or "+hh:mm" / "-hh:mm".
// `endOfDay`: a bare date means the end of that day (for --until), so
// both ends of a period can be given as days.  nullopt when malformed.
std::optional<std::int64_t> ParseHistoryDate(const std::string& text, bool endOfDay);

nlohmann::json RowJson(const CopyRecord& r);
nlohmann::json RowsJson(const std::vector<CopyRecord>& rows);
nlohmann::json TotalsJson(const HistoryTotals& t);

// The header line and one line per row, RFC 4180 quoting, CRLF-free.
std::string RowsCsv(const std::vector<CopyRecord>& rows);

}  // namespace pv
