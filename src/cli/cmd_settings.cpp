// settings: the effective settings as JSON, optionally saved as a settings file.
#include <cstdio>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/json_output.h"
#include "settings/settings_store.h"

namespace pv::cli {
namespace {

int RunSettings(CliContext& ctx);

const CliCommand kCommand{
    40, "settings", "print the effective settings; save them as a settings file",
    "usage: settings [--ini PATH] [--set KEY=VALUE]... [--save PATH]\n"
    "\n"
    "Prints the settings as one JSON object: the program directory, the two\n"
    "stroke-font paths and every key of the edition's settings file.\n"
    "\n"
    "  --ini PATH        read this settings file instead of the program\n"
    "                    directory's Setting.ini (Setting4.ini for four heads)\n"
    "  --set KEY=VALUE   change one setting after reading (repeatable); the\n"
    "                    value is taken as the settings file would hold it\n"
    "  --save PATH       also write the settings to PATH in the settings-file\n"
    "                    form, keeping whatever else that file holds\n"
    "\n"
    "Exit status: 0 done, 1 bad arguments, 3 the file could not be saved.\n",
    RunSettings};

const CommandRegistrar kRegistrar(kCommand);

int RunSettings(CliContext& ctx) {
    OptionTable table;
    table.valued = {"--ini", "--set", "--save"};
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return 1;
    AppSettings settings;
    if (!LoadCliSettings(ctx, *options, settings)) return 1;
    if (auto path = options->Value("--save")) {
        std::string error;
        if (!SaveSettings(settings, *path, &error)) {
            std::fprintf(stderr, "%s: settings not saved: %s\n", ctx.programName.c_str(), error.c_str());
            return 3;
        }
    }
    return PrintJson(SettingsJson(settings)) ? 0 : 1;
}

}  // namespace
}  // namespace pv::cli
