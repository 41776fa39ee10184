// task: the jobs of a print-task file as JSON.
#include <cstdio>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "jobs/task_archive.h"
#include "jobs/task_file.h"

namespace pv::cli {
namespace {

int RunTask(CliContext& ctx);

const CliCommand kCommand{
    80, "task", "list the jobs of a print-task file as JSON",
    "usage: task FILE.pvtask [--curves]\n"
    "\n"
    "Reads a print-task file of this program's edition (the two editions'\n"
    "files differ) and prints one JSON object:\n"
    "  {\"file\", \"opened\": [JOB...], \"manDir\": [JOB...], \"autoDir\": [JOB...]}\n"
    "with each JOB\n"
    "  {\"filePath\", \"fileName\", \"jobState\", \"copies\", \"fileTime\",\n"
    "   \"minX\", \"maxX\", \"minY\", \"maxY\", \"curveCount\", \"pointCount\"}\n"
    "in plotter units (1/40 mm); fileTime in seconds since 1970.\n"
    "\n"
    "  --curves   also give each job's \"curves\": [{\"kind\", \"lineType\",\n"
    "             \"points\": [[x, y], ...]}, ...]\n"
    "\n"
    "Exit status: 0 read, 1 bad arguments, 2 the file could not be opened or\n"
    "is damaged (the reason on stderr).\n",
    RunTask};

const CommandRegistrar kRegistrar(kCommand);

Json JobJson(const COnePage& job, bool withCurves) {
    std::size_t points = 0;
    for (const CCurve& c : job.curves) points += c.points.size();
    Json j{{"filePath", job.filePath}, {"fileName", job.fileName}, {"jobState", job.jobState},
           {"copies", job.copies},     {"fileTime", job.fileTime}, {"minX", job.minX},
           {"maxX", job.maxX},         {"minY", job.minY},         {"maxY", job.maxY},
           {"curveCount", job.curves.size()}, {"pointCount", points}};
    if (withCurves) {
        Json curves = Json::array();
        for (const CCurve& c : job.curves) {
            Json pts = Json::array();
            for (const Point& p : c.points) pts.push_back({p.x, p.y});
            curves.push_back(Json{{"kind", c.kind}, {"lineType", c.lineType}, {"points", std::move(pts)}});
        }
        j["curves"] = std::move(curves);
    }
    return j;
}

Json CollectionJson(const JobCollection& jobs, bool withCurves) {
    Json a = Json::array();
    for (const auto& j : jobs) a.push_back(JobJson(*j, withCurves));
    return a;
}

int RunTask(CliContext& ctx) {
    OptionTable table;
    table.flags = {"--curves"};
    table.minPositional = table.maxPositional = 1;
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return 1;
    const std::string& path = options->positional[0];
    std::string bytes;
    if (!TaskFile::ReadAll(path, bytes)) {
        std::fprintf(stderr, "%s: Failed to open document.\n", path.c_str());
        return 2;
    }
    TaskJobs jobs;
    std::string why;
    if (!TaskArchive::Read(bytes, ctx.edition, jobs, &why)) {
        std::fprintf(stderr, "%s: the print task file is damaged: %s\n", path.c_str(), why.c_str());
        return 2;
    }
    const bool curves = options->Has("--curves");
    Json out;
    out["file"] = path;
    out["opened"] = CollectionJson(jobs.opened, curves);
    out["manDir"] = CollectionJson(jobs.manDir, curves);
    out["autoDir"] = CollectionJson(jobs.autoDir, curves);
    return PrintJson(out) ? 0 : 1;
}

}  // namespace
}  // namespace pv::cli
