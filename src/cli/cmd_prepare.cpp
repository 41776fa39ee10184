// prepare: a pattern file turned into the machine data of a print, written
// to a folder in the order the print driver would send it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <system_error>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/json_output.h"
#include "cli/machine_param_option.h"
#include "cli/page_source.h"
#include "link/command_protocol.h"
#include "output/band_result.h"
#include "output/cut_record.h"
#include "output/output_station.h"
#include "output/plt_writer.h"
#include "output/print_preparation.h"
#include "output/send_plan.h"

namespace pv::cli {
namespace {

int RunPrepare(CliContext& ctx);

const CliCommand kCommand{
    50, "prepare", "prepare a pattern file for printing and write its machine data",
    "usage: prepare FILE --out DIR [--ini PATH] [--set KEY=VALUE]...\n"
    "               [--param NAME=VALUE]... [--start-mm N] [--sizes S,M]\n"
    "\n"
    "Reads FILE as the read command does, prepares it as a print is started\n"
    "(scale correction, cleaning offset, knife shaping, bridges or dots, band\n"
    "counts, backup when BackupPrintedFiles is on) and writes what the print\n"
    "driver would send, in its order:\n"
    "  DIR/summary.json   {\"BandCount\", \"PlotBandCount\", \"ColumnCount\",\n"
    "                      \"jobStart\": {\"paperFeedPulses\", \"columnCount\"},\n"
    "                      \"steps\": [{\"type\": \"band\", \"index\", \"reversed\",\n"
    "                                 \"bytes\", \"file\"} |\n"
    "                                {\"type\": \"cut\", \"index\", \"records\",\n"
    "                                 \"file\"}, ...]}\n"
    "                     (\"file\" is null for a step that sends nothing)\n"
    "  DIR/band-NNNN.bin  the compressed firing data of band NNNN\n"
    "  DIR/cut-NNNN.bin   the 12-byte knife records of cut segment NNNN\n"
    "  DIR/prepared.plt   the prepared page as PLT\n"
    "\n"
    "  --out DIR            the folder to write (created if missing)\n"
    "  --ini PATH           read this settings file instead of the program\n"
    "                       directory's one\n"
    "  --set KEY=VALUE      change one setting after reading (repeatable)\n"
    "  --param NAME=VALUE   set one machine parameter field, by its record name,\n"
    "                       to its stored integer (e.g. --param headEnable=1\n"
    "                       --param bidirectional=0); the others keep their\n"
    "                       defaults (repeatable)\n"
    "  --start-mm N         the job's start position: skip N mm of the feed\n"
    "  --sizes S,M          keep only these sizes of a garment DXF (see read --help)\n"
    "\n"
    "Exit status: 0 written, 1 bad arguments, 2 FILE could not be read,\n"
    "3 DIR could not be written, 6 no --param field of that name, 7 a\n"
    "--param value outside its field, 9 the job cannot be printed (the\n"
    "reason on stderr).\n",
    RunPrepare};

const CommandRegistrar kRegistrar(kCommand);

constexpr int kExitRefused = kExitNotPrintable;
constexpr int kExitWriteFailed = kExitNotWritten;

// The machine link is not involved: the print "driver" is this command.
class NoDriver : public PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(OutputStation&) override { return true; }
};

bool WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

std::string NumberedName(const char* stem, std::int32_t index) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s-%04d.bin", stem, index);
    return buf;
}

const char* PrepareFailureText(int result) {
    switch (result) {
    case kPrepareBandsImpossible: return "the bands cannot be built with these machine parameters";
    case kPrepareCutTooLarge: return "a cut segment would need more than 65534 knife records";
    default: return "the print could not be started";
    }
}

struct StreamOutcome {
    int exitCode = 0;
    std::string error;
};

// Walks the steps the print driver takes and writes each one's data.
StreamOutcome WriteSteps(OutputStation& station, const std::filesystem::path& dir, Json& steps) {
    StreamOrder order(station.BandCount, station.bandsPerCutSegment);
    for (SendStep s = order.Current(); s.kind != SendStep::Kind::Done; order.Advance(), s = order.Current()) {
        Json step;
        if (s.kind == SendStep::Kind::Band) {
            step["type"] = "band";
            step["index"] = s.index;
            step["reversed"] = station.BandReversed(s.index);
            step["bytes"] = 0;
            step["file"] = nullptr;
            if (BandStepSendsData(s.index, station.PlotBandCount)) {
                const int r = station.BuildBand(s.index);
                if (r != kBandOk) {
                    steps.push_back(step);
                    return {kExitRefused, "band " + std::to_string(s.index) + ": " + BandResultText(r, 1)};
                }
                const std::string name = NumberedName("band", s.index);
                if (!WriteBytes(dir / name, station.BandBytes())) return {kExitWriteFailed, (dir / name).string()};
                step["bytes"] = station.BandBytes().size();
                step["file"] = name;
            }
        } else {
            step["type"] = "cut";
            step["index"] = s.index;
            step["records"] = 0;
            step["file"] = nullptr;
            const std::size_t n =
                CutStepMaySend(s.index, station.BandCount, station.plotOnly) ? station.BuildCutSegment(s.index) : 0;
            if (n > 0) {
                step["records"] = n;
                if (station.Cuts().Pack() != kCutPackOk) {
                    steps.push_back(step);
                    return {kExitRefused, "cut segment " + std::to_string(s.index) + " has more than 65534 records"};
                }
                const std::string name = NumberedName("cut", s.index);
                if (!WriteBytes(dir / name, station.Cuts().Wire())) return {kExitWriteFailed, (dir / name).string()};
                step["file"] = name;
            }
        }
        steps.push_back(step);
    }
    return {};
}

int RunPrepare(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile({"--out", "--param", "--start-mm", kSizesOption}));
    if (!options) return 1;
    const auto outDir = RequiredOption(ctx, kCommand, *options, "--out", "DIR");
    if (!outDir) return 1;
    const auto startMm = IntOption(*options, "--start-mm", 0, 0, 1'000'000);
    if (!startMm) return 1;
    AppSettings settings;
    if (!LoadCliSettings(ctx, *options, settings)) return 1;
    MachineParams params = MachineParams::Defaults(ctx.edition);
    for (const std::string& assignment : options->Values("--param")) {
        int status = kExitOk;
        if (const std::string error = ApplyMachineParam(params, assignment, status); !error.empty()) {
            std::fprintf(stderr, "%s prepare: %s\n", ctx.programName.c_str(), error.c_str());
            return status;
        }
    }
    auto source = ReadSourcePage(ctx, settings, *options);
    if (!source) return kExitReadFailed;
    source->page.startPosMm = *startMm;
    if (source->page.fileName.empty()) source->page.fileName = source->fileName;

    const std::filesystem::path dir(*outDir);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) {
        std::fprintf(stderr, "%s prepare: cannot create %s\n", ctx.programName.c_str(), dir.string().c_str());
        return kExitWriteFailed;
    }

    OutputStation station;
    NoDriver driver;
    const PrepareResult prepared =
        PreparePrint(source->page, settings, params, station, driver, PrepareClock{}, [&ctx](const std::string& m) {
            std::fprintf(stderr, "%s: %s\n", ctx.programName.c_str(), m.c_str());
        });
    if (prepared.result != kPrepareStarted) {
        std::fprintf(stderr, "%s prepare: %s\n", ctx.programName.c_str(),
                     prepared.refusal.empty() ? PrepareFailureText(prepared.result) : prepared.refusal.c_str());
        return kExitRefused;
    }

    const JobStartBlock start =
        CommandProtocol::ComputeJobStart(params, settings, station.PrintPage.maxX, station.ColumnCount);
    Json summary;
    summary["BandCount"] = station.BandCount;
    summary["PlotBandCount"] = station.PlotBandCount;
    summary["ColumnCount"] = station.ColumnCount;
    summary["jobStart"] = {{"paperFeedPulses", start.paperLength}, {"columnCount", start.columnCount}};
    if (prepared.backupWanted) {
        summary["backup"] = {{"path", prepared.backupPath}, {"written", prepared.backupWritten}};
    }
    Json steps = Json::array();
    const StreamOutcome outcome = WriteSteps(station, dir, steps);
    summary["steps"] = std::move(steps);
    if (outcome.exitCode == kExitWriteFailed) {
        std::fprintf(stderr, "%s prepare: cannot write %s\n", ctx.programName.c_str(), outcome.error.c_str());
        return kExitWriteFailed;
    }
    if (!outcome.error.empty()) summary["error"] = outcome.error;

    std::string pltError;
    if (!WritePlt(station.PrintPage, (dir / "prepared.plt").string(), &pltError)) {
        std::fprintf(stderr, "%s prepare: prepared.plt not written: %s\n", ctx.programName.c_str(), pltError.c_str());
        return kExitWriteFailed;
    }
    const std::string text = summary.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
    if (!WriteBytes(dir / "summary.json",
                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        std::fprintf(stderr, "%s prepare: cannot write summary.json\n", ctx.programName.c_str());
        return kExitWriteFailed;
    }
    if (!outcome.error.empty()) {
        std::fprintf(stderr, "%s prepare: %s\n", ctx.programName.c_str(), outcome.error.c_str());
        return outcome.exitCode;
    }
    return 0;
}

}  // namespace
}  // namespace pv::cli
