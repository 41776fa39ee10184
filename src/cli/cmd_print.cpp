// print: a pattern file printed and cut on a machine over Ethernet.
#include <signal.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/machine_address.h"
#include "cli/page_source.h"
#include "history/print_history.h"
#include "link/command_protocol.h"
#include "link/link_print_starter.h"
#include "link/link_result.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "output/output_station.h"
#include "output/print_preparation.h"

namespace pv::cli {
namespace {

int RunPrint(CliContext& ctx);

const std::string kUsage = std::string(
    "usage: print FILE (--machine HOST[:PORT] | --usb) [--copies N] [--timeout MS]\n"
    "             [--sizes S,M] [--ini PATH] [--set KEY=VALUE]...\n"
    "\n"
    "Connects to the machine, reads its parameter records, reads\n"
    "FILE as the read command does, prepares it as a print is started and\n"
    "streams its bands and cut segments to the machine, copy after copy.\n"
    "Progress goes to stderr.\n"
    "\n"
    "  --machine HOST[:PORT]  the machine over Ethernet (default port: the edition's)\n"
    "  --usb                  the machine over USB\n"
    "  --timeout MS           wait at most MS for the connection and each reply\n"
    "                         over Ethernet (default 5000 and 6000)\n"
    "  --copies N             copies to print (1 to 999, default 1)\n"
    "  --sizes S,M            keep only these sizes of a garment DXF (see read --help)\n"
    "  --ini PATH             read this settings file instead of the program\n"
    "                         directory's one\n"
    "  --set KEY=VALUE        change one setting after reading (repeatable)\n"
    "\n"
    "Exit status 2 when FILE cannot be read, 4 when the machine is offline, 5\n"
    "when a copy failed or was stopped by SIGINT or SIGTERM (the machine is\n"
    "told to stop), 9 when the job cannot be printed (the reason on stderr).\n"
    "While the machine stays busy, \"machine busy for N s\" is written every\n"
    "few seconds.\n\n") +
    kExitStatusTable;

const CliCommand kCommand{60, "print", "print and cut a pattern file on a machine", kUsage.c_str(), RunPrint};

const CommandRegistrar kRegistrar(kCommand);

// Ctrl-C or SIGTERM: the copy did not complete.
constexpr int kExitStopped = kExitRefused;

// The window's part, in plain code: messages and progress on stderr.
class CliHost : public QuietStationHost {
public:
    CliHost(const std::string& name, const LinkState& state) : name_(name), state_(state) {}

    void PrintFinished(int result) override {
        std::lock_guard g(lock_);
        result_ = result;
        done_.notify_all();
    }
    void BandSent() override {
        const int total = bandTotal_;
        if (total <= 0) return;
        const int band = std::min(state_.bandInProgress.load() + 1, total);
        const int percent = band * 100 / total;
        if (percent == lastPercent_) return;
        lastPercent_ = percent;
        char bar[41];
        const int filled = percent * 40 / 100;
        for (int i = 0; i < 40; ++i) bar[i] = i < filled ? '#' : '.';
        bar[40] = '\0';
        std::fprintf(stderr, "\rcopy %d/%d [%s] %3d%% band %d/%d", copy_.load(), copies_.load(), bar, percent, band,
                     total);
        std::fflush(stderr);
    }
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s%s: %s\n", lastPercent_ >= 0 ? "\n" : "", name_.c_str(), text.c_str());
        lastPercent_ = -1;
    }
    void MachineBusy(int seconds) override {
        std::fprintf(stderr, "%s%s: machine busy for %d s\n", lastPercent_ >= 0 ? "\n" : "", name_.c_str(), seconds);
        lastPercent_ = -1;
    }

    void BeginCopy(int copy, int copies, int bands) {
        std::lock_guard g(lock_);
        copy_ = copy;
        copies_ = copies;
        bandTotal_ = bands;
        lastPercent_ = -1;
        result_ = 0;
    }
    // Waits for the driver's result.  SIGINT or SIGTERM (blocked in every
    // thread, taken here) asks the driver to stop the job; the driver then
    // tells the machine and reports a failed print.  `stopSignal` is set to
    // the signal that came.
    int WaitForResult(const sigset_t& stopSignals, LinkState& state, int& stopSignal) {
        for (;;) {
            {
                std::unique_lock g(lock_);
                if (done_.wait_for(g, std::chrono::milliseconds(1), [this] { return result_ != 0; })) {
                    if (lastPercent_ >= 0) std::fprintf(stderr, "\n");
                    return result_;
                }
            }
            const timespec pause{0, 100'000'000};
            const int sig = sigtimedwait(&stopSignals, nullptr, &pause);
            if (sig > 0 && stopSignal == 0) {
                stopSignal = sig;
                std::fprintf(stderr, "\n%s: stopping the print on %s\n", name_.c_str(), sig == SIGINT ? "SIGINT" : "SIGTERM");
                lastPercent_ = -1;
                state.stopRequested.store(true);
            }
        }
    }

private:
    std::string name_;
    const LinkState& state_;
    std::mutex lock_;
    std::condition_variable done_;
    int result_ = 0;
    std::atomic<int> copy_{0}, copies_{0}, bandTotal_{0}, lastPercent_{-1};
};

int RunPrint(CliContext& ctx) {
    std::vector<std::string> valued = kMachineValued;
    valued.push_back("--copies");
    valued.push_back(kSizesOption);
    auto options = ParseOptions(ctx, kCommand, OptionTable::OneFile(valued, kMachineFlags));
    if (!options) return kExitUsage;
    const auto copies = IntOption(*options, "--copies", 1, 1, 999);
    if (!copies) return kExitUsage;
    AppSettings loaded;
    int status = kExitOk;
    const auto target = LoadMachineTarget(ctx, "print", *options, false, loaded, status);
    if (!target) return status;

    auto source = ReadSourcePage(ctx, loaded, *options);
    if (!source) return kExitReadFailed;
    if (source->page.fileName.empty()) source->page.fileName = source->fileName;

    // Ctrl-C and SIGTERM are taken by the waiting below, never by the link's
    // threads, which inherit this mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    LinkState state;
    CliHost host(ctx.programName, state);
    // Shared with the print driver's thread.
    SharedRecord<AppSettings> settings(loaded);
    SharedRecord<MachineParams> params(MachineParams::Defaults(ctx.edition));
    MachineLink link(settings, state);
    ApplyMachineTarget(*target, link);
    CommandProtocol protocol(link.commu(), settings, params, state, host);
    if (const int r = protocol.ReadMachineParameters(); r != kLinkOk)
        return ReportOffline(ctx, "print", *target, r, link.commu().LastReply());
    state.status.online = true;
    // The machine's own address is used from now on, as the window does; the
    // port stays the one given.

    OutputStation station;
    LinkPrintStarter starter(protocol);
    // Each copy goes into the program directory's print history, as the
    // station's do.
    PrintHistory history;
    history.Open(ctx.programDir, std::string(Info(ctx.edition).programName), loaded.Language,
                 [&host](const std::string& m) { host.ShowMessage(m); });
    std::error_code pathError;
    const std::string filePath = std::filesystem::absolute(options->positional.at(0), pathError).string();
    struct stat fileStat {};
    if (::stat(filePath.c_str(), &fileStat) != 0) fileStat = {};
    const auto endCopy = [&](CopyResult r, const std::string& why) {
        if (BandBuilder* bands = station.Bands()) {
            const DropCounts d = bands->TakeDropCounts();
            history.AddDrops({d.head1, d.head2, d.head3, d.head4});
        }
        history.CopyEnded(r, why, state.bandInProgress.load());
    };
    for (int copy = 1; copy <= *copies; ++copy) {
        host.BeginCopy(copy, *copies, 0);
        const PrepareResult prepared =
            PreparePrint(source->page, settings.Get(), params.Get(), station, starter, PrepareClock{},
                         [&host](const std::string& m) { host.ShowMessage(m); });
        if (prepared.result != kPrepareStarted) {
            std::fprintf(stderr, "%s print: the job cannot be printed (%d)%s%s\n", ctx.programName.c_str(),
                         prepared.result, prepared.refusal.empty() ? "" : ": ", prepared.refusal.c_str());
            return kExitNotPrintable;
        }
        host.BeginCopy(copy, *copies, station.BandCount);
        PrintHistory::Start start;
        start.origin = JobOrigin::CommandLine;
        start.filePath = filePath;
        start.fileName = source->fileName;
        start.fileSize = fileStat.st_size;
        start.fileTime = fileStat.st_mtime;
        start.jobKey = 1;
        start.copiesLeft = *copies - copy + 1;
        start.widthMm = (static_cast<double>(source->page.maxY) - source->page.minY) / 40.0;
        start.lengthMm = (static_cast<double>(source->page.maxX) - source->page.minX) / 40.0;
        start.measures = MeasurePreparedCopy(station, settings.Get(), params.Get());
        history.CopyStarted(start);
        int stopSignal = 0;
        const int result = host.WaitForResult(stopSignals, state, stopSignal);
        const std::string why = starter.driver() ? starter.driver()->message() : std::string();
        endCopy(result == kPrintDone ? CopyResult::Finished : stopSignal != 0 ? CopyResult::Stopped : CopyResult::Failed,
                why);
        if (stopSignal != 0) {
            std::fprintf(stderr, "%s print: stopped by %s during copy %d\n", ctx.programName.c_str(),
                         stopSignal == SIGINT ? "SIGINT" : "SIGTERM", copy);
            return kExitStopped;
        }
        if (result != kPrintDone) {
            const std::string why = starter.driver() ? starter.driver()->message() : std::string();
            std::fprintf(stderr, "%s print: copy %d failed%s%s\n", ctx.programName.c_str(), copy,
                         why.empty() ? "" : ": ", why.c_str());
            return kExitRefused;
        }
    }
    std::printf("printed %d %s of %s\n", *copies, *copies == 1 ? "copy" : "copies", source->fileName.c_str());
    return kExitOk;
}

}  // namespace
}  // namespace pv::cli
