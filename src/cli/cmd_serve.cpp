// serve: the station without a window, printing the watched folders' jobs.
#include <signal.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/machine_address.h"
#include "jobs/headless_station.h"
#include "jobs/station.h"
#include "settings/atomic_file_writer.h"
#include "settings/settings_store.h"

namespace pv::cli {
namespace {

int RunServe(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: serve (--machine HOST[:PORT] | --usb) [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Runs the station without its window against a machine: the\n"
    "link's loops poll the machine, the manual folder (ManDir) and the\n"
    "automatic folder (AutoDir) are scanned with the filter PrtFileExtension,\n"
    "automatic-folder jobs print by themselves while AutoStart is on, and with\n"
    "AutoDelFinish on finished jobs are removed together with their files.\n"
    "One line per event goes to stdout (\"found automatic job PATH\",\n"
    "\"printing PATH (N left)\", \"printed a copy of PATH\", \"removed N finished\n"
    "job(s)\", \"message: TEXT\", ...).  SIGINT or SIGTERM ends it; the\n"
    "settings are then saved to the settings file.  A machine that is off or\n"
    "unplugged is waited for, as the window waits for it.\n"
    "\n"
    "  --machine HOST[:PORT]  the machine over Ethernet (default port: the edition's)\n"
    "  --usb                  the machine over USB\n"
    "  --ini PATH             read this settings file instead of the program\n"
    "                         directory's one\n"
    "  --set KEY=VALUE        change one setting after reading (repeatable)\n"
    "\n"
    "Exit status 0 when ended by a signal, 3 when the settings could not be\n"
    "saved.\n\n") +
    kExitStatusTable;

const CliCommand kCommand{90, "serve", "run the station headless: print the watched folders' jobs", kUsage.c_str(),
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
    table.flags = kMachineFlags;
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return kExitUsage;

    Station station(ctx.edition);
    AppSettings loaded = station.settings.Get();
    int status = kExitOk;
    const auto machine = LoadMachineTarget(ctx, "serve", *options, false, loaded, status);
    if (!machine) return status;
    // The address and transport given here are for this run; the file keeps
    // its own.
    AppSettings fromFile;
    if (!LoadCliSettings(ctx, *options, fromFile)) return kExitUsage;
    const std::int32_t savedIP = fromFile.MachineIP;
    const std::int32_t savedVia = fromFile.ConnectViaEth;
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
        HeadlessStation headless(station, machine->eth.port, PrintLine);
        if (!machine->usb) headless.PinMachineAddress(static_cast<std::uint32_t>(machine->eth.ip));
        PrintLine("serving " + machine->text + ", manual folder " + loaded.ManDir + ", automatic folder " +
                  loaded.AutoDir);
        if (machine->usb) {
            // The loops wait for the machine in silence; a device that is
            // plugged in but cannot be opened is said once, for the journal.
            bool plugged = false;
            const std::string problem = UsbAccessProblem(ctx, &plugged);
            if (plugged && !problem.empty()) PrintLine(problem);
        }
        // A settings file made read-only is said at once, not first at the end.
        const std::string readOnly =
            ReadOnlyProblem(options->Value("--ini").value_or(loaded.SettingsPath()));
        if (!readOnly.empty())
            PrintLine("message: " + station.settingsSaveNotice.After(false, readOnly, loaded.Language));
        headless.Start();
        // The serve loop: a signal ends it; meanwhile, once a second, the
        // station's own periodic work.
        const timespec second{1, 0};
        while ((signal = sigtimedwait(&stopSignals, nullptr, &second)) <= 0) headless.Tick();
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
        return kExitNotWritten;
    }
    PrintLine("stopped");
    return kExitOk;
}

}  // namespace
}  // namespace pv::cli
