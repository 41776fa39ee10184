// serve: the station without a window, printing the watched folders' jobs.
#include <signal.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/machine_address.h"
#include "jobs/headless_station.h"
#include "jobs/station.h"
#include "settings/settings_store.h"

namespace pv::cli {
namespace {

int RunServe(CliContext& ctx);

const CliCommand kCommand{
    90, "serve", "run the station headless: print the watched folders' jobs",
    "usage: serve --machine HOST[:PORT] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Runs the station without its window against a machine over Ethernet: the\n"
    "link's loops poll the machine, the manual folder (ManDir) and the\n"
    "automatic folder (AutoDir) are scanned with the filter PrtFileExtension,\n"
    "automatic-folder jobs print by themselves while AutoStart is on, and with\n"
    "AutoDelFinish on finished jobs are removed together with their files.\n"
    "One line per event goes to stdout (\"found automatic job PATH\",\n"
    "\"printing PATH (N left)\", \"printed a copy of PATH\", \"removed N finished\n"
    "job(s)\", \"message: TEXT\", ...).  SIGINT or SIGTERM ends it; the\n"
    "settings are then saved to the settings file.\n"
    "\n"
    "  --machine HOST[:PORT]  the machine (default port: the edition's)\n"
    "  --ini PATH             read this settings file instead of the program\n"
    "                         directory's one\n"
    "  --set KEY=VALUE        change one setting after reading (repeatable)\n"
    "\n"
    "Exit status: 0 ended by a signal, 1 bad arguments or the settings could\n"
    "not be saved.\n",
    RunServe};

const CommandRegistrar kRegistrar(kCommand);

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int RunServe(CliContext& ctx) {
    OptionTable table;
    table.valued = kSettingsOptions;
    table.valued.push_back("--machine");
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return 1;
    const auto machineText = options->Value("--machine");
    if (!machineText) {
        std::fprintf(stderr, "%s serve: --machine HOST[:PORT] is missing\n", ctx.programName.c_str());
        return 1;
    }
    const auto machine = ParseMachineAddress(ctx.programName, *machineText, ctx.edition);
    if (!machine) return 1;

    Station station(ctx.edition);
    AppSettings loaded = station.settings.Get();
    if (!LoadCliSettings(ctx, *options, loaded)) return 1;
    // The address given here is for this run; the file keeps its own.
    const std::int32_t savedIP = loaded.MachineIP;
    const std::int32_t savedVia = loaded.ConnectViaEth;
    loaded.ConnectViaEth = 1;
    loaded.MachineIP = machine->ip;
    for (const std::string* dir : {&loaded.ManDir, &loaded.AutoDir})
        if (!dir->empty()) ::mkdir(dir->c_str(), 0777);
    station.settings.Set(loaded);

    // The loops must not take the signals: they are waited for below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    int signal = 0;
    {
        HeadlessStation headless(station, machine->port, PrintLine);
        PrintLine("serving " + machine->text + ", manual folder " + loaded.ManDir + ", automatic folder " +
                  loaded.AutoDir);
        headless.Start();
        sigwait(&stopSignals, &signal);
        PrintLine(std::string("stopping on ") + (signal == SIGINT ? "SIGINT" : "SIGTERM"));
        headless.Stop();
    }
    // The loops have ended: the settings as the run left them are saved,
    // with the file's own address and transport.
    AppSettings toSave = station.settings.Get();
    toSave.MachineIP = savedIP;
    toSave.ConnectViaEth = savedVia;
    std::string error;
    const std::string path = options->Value("--ini").value_or(toSave.SettingsPath());
    if (!SaveSettings(toSave, path, &error)) {
        std::fprintf(stderr, "%s serve: settings not saved: %s\n", ctx.programName.c_str(), error.c_str());
        return 1;
    }
    PrintLine("stopped");
    return 0;
}

}  // namespace
}  // namespace pv::cli
