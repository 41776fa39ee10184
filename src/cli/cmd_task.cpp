// task: the jobs of a print-task file as JSON; task create: a print-task
// file of pattern files.
#include <cstdio>
#include <filesystem>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "import/job_reader.h"
#include "jobs/station.h"
#include "jobs/task_archive.h"
#include "jobs/task_file.h"

namespace pv::cli {
namespace {

int RunTask(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: task FILE.pvtask [--curves]\n"
    "       task create OUT.pvtask FILE... [--ini PATH] [--set KEY=VALUE]...\n"
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
    "task create reads each FILE as the window's Add does (PLT unit, reading\n"
    "sequence, recognition as the settings say) into the opened jobs, in the\n"
    "order given, and writes them as the window's Save writes its queue: a\n"
    "print-task file of this program's edition.  A file without curves is\n"
    "left out with a warning; a file that cannot be read writes nothing.\n"
    "OUT is replaced as a whole or not at all.\n"
    "\n"
    "  --ini PATH        read this settings file instead of the program\n"
    "                    directory's one\n"
    "  --set KEY=VALUE   change one setting after reading (repeatable)\n"
    "\n") + kExitStatusTable;

const CliCommand kCommand{80, "task", "list a print-task file's jobs as JSON, or create one", kUsage.c_str(),
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

int CreateTask(CliContext& ctx) {
    OptionTable table;
    table.valued = kSettingsOptions;
    table.minPositional = 2;
    table.maxPositional = 100000;
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return kExitUsage;
    Station station(ctx.edition);
    AppSettings loaded;
    if (!LoadCliSettings(ctx, *options, loaded)) return kExitUsage;
    station.settings.Set(loaded);
    const MessageSink sink = [&ctx](const std::string& m) { std::fprintf(stderr, "%s: %s\n", ctx.programName.c_str(), m.c_str()); };
    station.messages = sink;
    const std::string& out = options->positional[0];
    for (std::size_t i = 1; i < options->positional.size(); ++i) {
        const std::string& file = options->positional[i];
        ReadJobResult read = ReadJobFile(file, loaded, sink, ReadPath::AddCommand);
        if (read.result != 0) {
            std::fprintf(stderr, "%s task: Open File Failed! %s (result %d); %s not written\n",
                         ctx.programName.c_str(), file.c_str(), read.result, out.c_str());
            return kExitInputUnreadable;
        }
        if (!read.page) {
            std::fprintf(stderr, "%s task: no curves in %s: left out\n", ctx.programName.c_str(), file.c_str());
            continue;
        }
        // The job keeps where its file is, as the add dialog gives it.
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(file, ec).lexically_normal();
        read.page->filePath = ec ? file : absolute.string();
        read.page->fileName = Station::FileNameOf(read.page->filePath);
        station.jobs.AddOpenedJob(std::move(read.page));
    }
    std::string message;
    if (TaskFile::Save(out, ctx.edition, loaded.Language, station.jobs, &message) != kTaskOk)
        return ReportNotWritten(ctx, kCommand, out, message);
    std::printf("wrote %s: %zu job%s\n", out.c_str(), station.jobs.OpenedJobs.size(),
                station.jobs.OpenedJobs.size() == 1 ? "" : "s");
    return kExitOk;
}

int RunTask(CliContext& ctx) {
    if (!ctx.args.empty() && ctx.args[0] == "create") {
        CliContext sub = ctx;
        sub.args.erase(sub.args.begin());
        return CreateTask(sub);
    }
    OptionTable table;
    table.flags = {"--curves"};
    table.minPositional = table.maxPositional = 1;
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return 1;
    const std::string& path = options->positional[0];
    TaskJobs jobs;
    std::string why;
    const int read = TaskFile::ReadJobs(path, ctx.edition, jobs, &why);
    if (read == kTaskCannotOpen) {
        std::fprintf(stderr, "%s: Failed to open document. The file %s\n", path.c_str(), why.c_str());
        return kExitInputUnreadable;
    }
    if (read != kTaskOk) {
        std::fprintf(stderr, "%s: the print task file is damaged: %s\n", path.c_str(), why.c_str());
        return kExitInputUnreadable;
    }
    const bool curves = options->Has("--curves");
    Json out;
    out["file"] = path;
    out["opened"] = CollectionJson(jobs.opened, curves);
    out["manDir"] = CollectionJson(jobs.manDir, curves);
    out["autoDir"] = CollectionJson(jobs.autoDir, curves);
    return PrintJson(out) ? kExitOk : kExitNotWritten;
}

}  // namespace
}  // namespace pv::cli
