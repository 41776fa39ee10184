// render: a preview picture of a pattern file's page.
#include <cstdio>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/page_source.h"
#include "output/page_preview.h"

namespace pv::cli {
namespace {

int RunRender(CliContext& ctx);

const CliCommand kCommand{
    30, "render", "read a pattern file and draw its page into a PNG picture",
    "usage: render FILE -o OUT.png [--width PX] [--raw] [--sizes S,M] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Reads FILE as the read command does and draws the page as the drawing\n"
    "view shows it: black background, the paper frame (PaperLenMm across Y)\n"
    "and grid, drawn lines white (magenta when tried as an outline), full cuts\n"
    "red, half cuts yellow, dot gaps green, dots cyan, dashed lines dashed.\n"
    "\n"
    "  -o OUT.png        the picture to write\n"
    "  --width PX        picture width, 64 to 8192 pixels (default 1200); the\n"
    "                    height follows from the paper width\n"
    "  --raw             only read and build the curves (see read --help)\n"
    "  --sizes S,M       keep only these sizes of a garment DXF (see read --help)\n"
    "  --ini PATH        read this settings file instead of the program\n"
    "                    directory's one\n"
    "  --set KEY=VALUE   change one setting after reading (repeatable)\n"
    "\n"
    "Exit status: 0 written, 1 bad arguments, 2 FILE could not be read,\n"
    "3 OUT could not be written.\n",
    RunRender};

const CommandRegistrar kRegistrar(kCommand);

int RunRender(CliContext& ctx) {
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile({"-o", "--width", kSizesOption}, {"--raw"}));
    if (!options) return 1;
    const auto out = RequiredOption(ctx, kCommand, *options, "-o", "OUT.png");
    if (!out) return 1;
    const auto width = IntOption(*options, "--width", 1200, 64, 8192);
    if (!width) return 1;
    AppSettings settings;
    if (!LoadCliSettings(ctx, *options, settings)) return 1;
    auto source = ReadSourcePage(ctx, settings, *options);
    if (!source) return kExitReadFailed;
    PreviewOptions preview;
    preview.widthPx = *width;
    preview.paperLenMm = settings.PaperLenMm;
    std::string error;
    if (!WritePagePreviewPng(source->page, preview, *out, &error))
        return ReportNotWritten(ctx, kCommand, *out, error);
    return 0;
}

}  // namespace
}  // namespace pv::cli
