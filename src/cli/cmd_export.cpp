// export: a pattern file written back as PLT.
#include <cstdio>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/page_source.h"
#include "output/plt_writer.h"

namespace pv::cli {
namespace {

int RunExport(CliContext& ctx);

const CliCommand kCommand{
    20, "export", "read a pattern file and write its page as PLT",
    "usage: export FILE -o OUT.plt [--raw] [--sizes S,M] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Reads FILE as the read command does and writes the page as HPGL: pen 1\n"
    "for drawn lines, pen 2 for cut lines, LT1 for dashed lines, coordinates in\n"
    "plotter units (1/40 mm).  OUT is replaced whole or not at all.\n"
    "\n"
    "  -o OUT.plt        the file to write\n"
    "  --raw             only read and build the curves (see read --help)\n"
    "  --sizes S,M       keep only these sizes of a garment DXF (see read --help)\n"
    "  --ini PATH        read this settings file instead of the program\n"
    "                    directory's one\n"
    "  --set KEY=VALUE   change one setting after reading (repeatable)\n"
    "\n"
    "Exit status: 0 written, 1 bad arguments, 2 FILE could not be read,\n"
    "3 OUT could not be written.\n",
    RunExport};

const CommandRegistrar kRegistrar(kCommand);

int RunExport(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile({"-o", kSizesOption}, {"--raw"}));
    if (!options) return 1;
    const auto out = RequiredOption(ctx, kCommand, *options, "-o", "OUT.plt");
    if (!out) return 1;
    AppSettings settings;
    if (!LoadCliSettings(ctx, *options, settings)) return 1;
    auto source = ReadSourcePage(ctx, settings, *options);
    if (!source) return kExitReadFailed;
    std::string error;
    if (!WritePlt(source->page, *out, &error)) return ReportNotWritten(ctx, kCommand, *out, error);
    return 0;
}

}  // namespace
}  // namespace pv::cli
