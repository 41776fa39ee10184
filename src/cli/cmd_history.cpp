// history: the print history's rows as JSON or CSV, or its totals.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "history/history_format.h"
#include "history/history_query.h"

namespace pv::cli {
namespace {

int RunHistory(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: history [--since DATE] [--until DATE] [--result R] [--limit N] [--csv]\n"
    "       history totals [--since DATE] [--until DATE] [--result R]\n"
    "\n"
    "Reads the print history, History.db in the program directory, where the\n"
    "station (window or serve) and the print command record every printed\n"
    "copy, and prints its rows newest first as one JSON array (default) or\n"
    "as CSV with a header line.  Each row: id, edition, filePath, fileName,\n"
    "fileSize, origin (manual-add, manual-folder, auto-folder, network,\n"
    "command-line), copy of copies, started and ended (ISO 8601 UTC), seconds,\n"
    "result (running, finished, stopped, failed, interrupted), message,\n"
    "bandsSent of bandsTotal, widthMm, lengthMm, paperMm, knifeMm, drops and\n"
    "inkMl per cartridge (1# to 4#; 5 pL a drop).\n"
    "\n"
    "history totals prints one JSON object: copies, byResult, machineSeconds,\n"
    "paperM, knifeM, drops and inkMl per cartridge, and the longest copy.\n"
    "\n"
    "Reading never changes the file and does not wait for a station that is\n"
    "writing it.  A program directory without a history gives no rows.\n"
    "\n"
    "  --since DATE   copies started at or after DATE: YYYY-MM-DD or\n"
    "                 YYYY-MM-DDThh:mm[:ss], UTC unless it ends in +hh:mm/-hh:mm\n"
    "  --until DATE   copies started before DATE (a bare date: to the end of\n"
    "                 that day)\n"
    "  --result R     only copies with this result\n"
    "  --limit N      the newest N rows only\n"
    "  --csv          rows as CSV\n"
    "\n"
    "Exit status 2 when the history cannot be read.\n\n") +
    kExitStatusTable;

const CliCommand kCommand{95, "history", "the print history's copies as JSON or CSV, or its totals",
                          kUsage.c_str(), RunHistory};

const CommandRegistrar kRegistrar(kCommand);

bool Write(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

std::string Dump(const nlohmann::json& j) {
    // File names are bytes of any encoding: what is not UTF-8 is replaced.
    return j.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

int RunHistory(CliContext& ctx) {
    OptionTable table;
    table.valued = {"--since", "--until", "--result", "--limit"};
    table.flags = {"--csv"};
    table.maxPositional = 1;
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return kExitUsage;
    const bool totals = !options->positional.empty();
    if (totals && options->positional[0] != "totals") {
        std::fprintf(stderr, "%s history: unexpected operand %s (only \"totals\")\n", ctx.programName.c_str(),
                     options->positional[0].c_str());
        return kExitUsage;
    }
    if (totals && (options->Has("--csv") || options->Has("--limit"))) {
        std::fprintf(stderr, "%s history totals: --csv and --limit are for the rows\n", ctx.programName.c_str());
        return kExitUsage;
    }
    HistoryQueryText q{options->Value("--since"), options->Value("--until"), options->Value("--result"),
                       options->Value("--limit")};
    std::string error;
    const auto filter = ParseHistoryQuery(q, error);
    if (!filter) {
        std::fprintf(stderr, "%s history: %s\n", ctx.programName.c_str(), error.c_str());
        return kExitUsage;
    }
    const HistoryAnswer a = ReadHistory(ctx.programDir, *filter, !totals, totals);
    if (!a.ok) {
        std::fprintf(stderr, "%s history: cannot be read: %s\n", ctx.programName.c_str(), a.error.c_str());
        return kExitInputUnreadable;
    }
    const bool written = totals ? Write(Dump(TotalsJson(a.totals)))
                                : options->Has("--csv") ? Write(RowsCsv(a.rows)) : Write(Dump(RowsJson(a.rows)));
    return written ? kExitOk : kExitNotWritten;
}

}  // namespace
}  // namespace pv::cli
