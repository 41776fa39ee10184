// emulate: a stand-in plotter on a TCP socket, for trying the link without a
// machine.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "emulator/virtual_plotter.h"

namespace pv::cli {
namespace {

int RunEmulate(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: emulate [--port N] [--bind ADDR] [--record DIR] [--fault WORD]... [--speed F] [--jobs N]\n"
    "               [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Answers the machine's protocol on a TCP socket the way the plotter's\n"
    "mainboard does: status, parameter records (defaults, changed by writes),\n"
    "its address (the one a client reached), print jobs and firmware pages.\n"
    "Prints \"listening on ADDR:PORT\", then \"job N started\" and \"job N ended\"\n"
    "as jobs come and go, and runs until interrupted.\n"
    "\n"
    "  --port N      port to listen on (default: the edition's, 0: any free port)\n"
    "  --bind ADDR   IPv4 address to listen on (default 127.0.0.1)\n"
    "  --record DIR  write DIR/job-NNN/summary.json, ink.png and cuts.json per job\n"
    "  --speed F     machine time: 0 as fast as possible (default), 1 a real\n"
    "                machine's pace, 0.5 twice as fast ...\n"
    "  --jobs N      end after N jobs have ended\n"
    "  --ini PATH, --set KEY=VALUE\n"
    "                the settings the jobs are prepared with, which the\n"
    "                recording needs to read the bands' layout (line width,\n"
    "                cleaning band, logo)\n"
    "  --fault WORD  commit a fault once (repeatable):\n") +
    PlotterFaultHelp() +
    "\nExit status: 0 done, 1 bad arguments, 8 the address cannot be had.\n";

const CliCommand kCommand{70, "emulate", "run a virtual plotter on a TCP socket", kUsage.c_str(), RunEmulate};
const CommandRegistrar kRegistrar(kCommand);

int RunEmulate(CliContext& ctx) {
    OptionTable table;
    table.valued = {"--port", "--bind", "--record", "--fault", "--speed", "--jobs", "--ini", "--set"};
    auto options = ParseOptions(ctx, kCommand, table);
    if (!options) return 1;
    VirtualPlotterOptions o;
    o.edition = ctx.edition;
    if (!LoadCliSettings(ctx, *options, o.layoutSettings)) return 1;
    const auto port = IntOption(*options, "--port", Info(ctx.edition).tcpPort, 0, 65535);
    const auto jobs = IntOption(*options, "--jobs", 0, 0, 1000000);
    if (!port || !jobs) return 1;
    o.port = *port;
    if (auto bind = options->Value("--bind")) o.bindAddress = *bind;
    if (auto dir = options->Value("--record")) o.recordDir = *dir;
    if (auto speed = options->Value("--speed")) {
        char* end = nullptr;
        o.speed = std::strtod(speed->c_str(), &end);
        if (speed->empty() || *end != '\0' || !(o.speed >= 0 && o.speed <= 1000)) {
            std::fprintf(stderr, "%s emulate: --speed wants a number from 0 to 1000\n", ctx.programName.c_str());
            return 1;
        }
    }
    for (const auto& word : options->Values("--fault")) {
        auto fault = ParsePlotterFault(word);
        if (!fault) {
            std::fprintf(stderr, "%s emulate: unknown fault %s; one of:\n%s", ctx.programName.c_str(), word.c_str(),
                         PlotterFaultHelp());
            return 1;
        }
        o.faults.push_back(*fault);
    }

    // The serving threads inherit a mask that leaves the two signals to the
    // main thread's wait below.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    VirtualPlotter plotter(o);
    if (!plotter.Start()) {
        std::fprintf(stderr, "%s emulate: cannot listen on %s: %s\n", ctx.programName.c_str(), o.bindAddress.c_str(),
                     plotter.error().c_str());
        return kExitBadAddress;
    }
    std::printf("listening on %s:%u\n", o.bindAddress.c_str(), plotter.port());
    std::fflush(stdout);
    // "job N started" / "job N ended" let a script wait for a print.
    int started = 0;
    int ended = 0;
    for (;;) {
        timespec wait{0, 200 * 1000 * 1000};
        const int sig = sigtimedwait(&signals, nullptr, &wait);
        if (sig == SIGINT || sig == SIGTERM) break;
        for (const int now = plotter.machine().JobsStarted(); started < now;) std::printf("job %d started\n", ++started);
        for (const int now = plotter.JobsEnded(); ended < now;) std::printf("job %d ended\n", ++ended);
        std::fflush(stdout);
        if (*jobs > 0 && plotter.JobsEnded() >= *jobs) break;
    }
    plotter.Stop();
    std::printf("jobs received: %d\n", plotter.machine().JobsStarted());
    return 0;
}

}  // namespace
}  // namespace pv::cli
