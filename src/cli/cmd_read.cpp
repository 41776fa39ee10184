// read: a pattern file's curves as JSON.
#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "cli/page_source.h"

namespace pv::cli {
namespace {

int RunRead(CliContext& ctx);

const CliCommand kCommand{
    10, "read", "read a pattern file and print its curves as JSON",
    "usage: read FILE [--raw] [--sizes S,M] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Reads FILE as a job is added: HPGL (PLT) or DXF, scaled by the PLT unit\n"
    "and put through the reading sequence (tidy, joins, recognition, mirror,\n"
    "rotation, paging) under the settings.  Prints one JSON object:\n"
    "  {\"file\", \"result\", \"minX\", \"maxX\", \"minY\", \"maxY\",\n"
    "   \"curves\": [{\"kind\", \"lineType\", \"role\", \"isTNotch\", \"isINotch\",\n"
    "               \"points\": [[x, y], ...]}, ...]}\n"
    "with coordinates in plotter units (1/40 mm), curves in page order.\n"
    "\n"
    "  --raw             only read and build the curves: no unit scaling and no\n"
    "                    reading sequence (HPGL: coordinates in the file's\n"
    "                    units; DXF: the converted curves in plotter units)\n"
    "  --sizes S,M       a graded garment DXF file (AAMA/ASTM layers, read so\n"
    "                    while DxfGarmentLayers is 1): keep only these sizes\n"
    "                    (default every size); a size the file lacks is an\n"
    "                    error (exit status 2)\n"
    "  --ini PATH        read this settings file instead of the program\n"
    "                    directory's one\n"
    "  --set KEY=VALUE   change one setting after reading (repeatable)\n"
    "\n"
    "Exit status: 0 read, 1 bad arguments, 2 the file could not be read\n"
    "(\"Open File Failed!\" and the reader's result on stderr).\n",
    RunRead};

const CommandRegistrar kRegistrar(kCommand);

int RunRead(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile({kSizesOption}, {"--raw"}));
    if (!options) return 1;
    AppSettings settings;
    if (!LoadCliSettings(ctx, *options, settings)) return 1;
    auto source = ReadSourcePage(ctx, settings, *options);
    if (!source) return kExitReadFailed;
    return PrintPageJson(source->page, source->fileName, source->result) ? 0 : 1;
}

}  // namespace
}  // namespace pv::cli
