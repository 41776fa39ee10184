#include "history/history_query.h"

#include <charconv>

#include "history/history_format.h"
#include "history/history_store.h"

namespace pv {

std::optional<HistoryFilter> ParseHistoryQuery(const HistoryQueryText& q, std::string& error) {
    HistoryFilter f;
    if (q.since) {
        f.sinceMs = ParseHistoryDate(*q.since, false);
        if (!f.sinceMs) {
            error = "not a date: " + *q.since + " (YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss][Z])";
            return std::nullopt;
        }
    }
    if (q.until) {
        f.untilMs = ParseHistoryDate(*q.until, true);
        if (!f.untilMs) {
            error = "not a date: " + *q.until + " (YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss][Z])";
            return std::nullopt;
        }
    }
    if (q.result) {
        f.result = CopyResultFromName(*q.result);
        if (!f.result) {
            error = "not a result: " + *q.result + " (finished, stopped, failed, interrupted, running)";
            return std::nullopt;
        }
    }
    if (q.limit) {
        std::int64_t n = 0;
        const std::string& s = *q.limit;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
        if (ec != std::errc() || end != s.data() + s.size() || n < 1 || n > 10'000'000) {
            error = "not a row count from 1 to 10000000: " + s;
            return std::nullopt;
        }
        f.limit = n;
    }
    return f;
}

std::string HistoryPath(const std::string& programDir) { return programDir + HistoryStore::kFileName; }

HistoryAnswer ReadHistory(const std::string& programDir, const HistoryFilter& f, bool rows, bool totals) {
    HistoryAnswer a;
    HistoryStore store;
    const HistoryOpen opened = store.OpenReadOnly(HistoryPath(programDir));
    if (opened == HistoryOpen::Missing) {
        a.ok = true;
        return a;
    }
    if (opened != HistoryOpen::Opened) {
        a.error = store.error();
        return a;
    }
    if (rows) a.rows = store.Rows(f);
    HistoryFilter all = f;
    all.limit.reset();
    if (totals) a.totals = store.Totals(all);
    a.ok = store.error().empty();
    a.error = store.error();
    return a;
}

nlohmann::json HistoryAnswerJson(const HistoryAnswer& a) {
    return {{"rows", RowsJson(a.rows)}, {"totals", TotalsJson(a.totals)}};
}

}  // namespace pv
