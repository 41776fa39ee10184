// Memory of the station around one print of the 2 m × 3 m garment marker:
// bytes allocated and resident before the print (the job read into the
// list), at the peak while the print driver streams it, and after the copy
// has been counted.  After a print the prepared page and the cut records
// are released, so "after" comes back near "before"; what stays are the
// band buffers, allocated once for every later print.
//
// The virtual plotter runs in a child process so that what it keeps of the
// job is not counted.  One iteration; the figures are the counters
// (MB, 10^6 bytes).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <memory>
#include <mutex>

#include "jobs/station.h"
#include "link/command_protocol.h"
#include "link/link_print_starter.h"
#include "link/link_result.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "emulator/virtual_plotter.h"

#include "marker_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes handed out by malloc and not yet freed (the sanitizer's own count
// when AddressSanitizer replaces the allocator).
double AllocatedMb() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<double>(__sanitizer_get_current_allocated_bytes()) / 1e6;
#else
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / 1e6;
#endif
}

// Resident set size, after the allocator has handed freed pages back.
double ResidentMb() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// The virtual plotter in a child process; the port comes back through a
// pipe, and closing the other pipe ends the child.
class PlotterProcess {
public:
    PlotterProcess() {
        int portPipe[2], stopPipe[2];
        if (pipe(portPipe) != 0 || pipe(stopPipe) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(portPipe[0]);
            close(stopPipe[1]);
            pv::VirtualPlotterOptions options;
            options.port = 0;
            pv::VirtualPlotter plotter(options);
            std::uint16_t port = plotter.Start() ? plotter.port() : 0;
            (void)!write(portPipe[1], &port, sizeof port);
            char c;
            (void)!read(stopPipe[0], &c, 1);   // returns when the parent closes its end
            plotter.Stop();
            _exit(0);
        }
        close(portPipe[1]);
        close(stopPipe[0]);
        stop_ = stopPipe[1];
        if (read(portPipe[0], &port_, sizeof port_) != static_cast<ssize_t>(sizeof port_)) port_ = 0;
        close(portPipe[0]);
    }
    ~PlotterProcess() {
        if (stop_ >= 0) close(stop_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    std::uint16_t port() const { return port_; }

private:
    pid_t pid_ = -1;
    int stop_ = -1;
    std::uint16_t port_ = 0;
};

// The window's side: the end of the print is handed to the job list, as the
// main window does; the peak is sampled after every band.
class MeasuringHost : public pv::QuietStationHost {
public:
    explicit MeasuringHost(pv::Station& station) : station_(station) {}
    void PrintFinished(int result) override {
        station_.jobs.FinishCopy(result);
        std::lock_guard g(lock_);
        result_ = result;
        done_.notify_all();
    }
    void BandSent() override {
        const double now = AllocatedMb();
        double peak = peakMb_.load();
        while (now > peak && !peakMb_.compare_exchange_weak(peak, now)) {
        }
    }
    int WaitForResult() {
        std::unique_lock g(lock_);
        done_.wait_for(g, std::chrono::minutes(5), [this] { return result_ != 0; });
        return result_;
    }
    double PeakMb() const { return peakMb_.load(); }

private:
    pv::Station& station_;
    std::mutex lock_;
    std::condition_variable done_;
    int result_ = 0;
    std::atomic<double> peakMb_{0};
};

void BM_MemoryAroundOnePrintOfTheMarker(benchmark::State& state) {
    PlotterProcess plotter;
    if (plotter.port() == 0) {
        state.SkipWithError("no virtual plotter");
        return;
    }
    for (auto _ : state) {
        pv::Station station(pv::Edition::TwoHead);
        station.settings.Edit([](pv::AppSettings& s) {
            s.ConnectViaEth = 1;
            s.MachineIP = 0x0100007F;   // 127.0.0.1
        });
        MeasuringHost host(station);
        pv::MachineLink link(station.settings, station.link);
        link.eth().SetPort(plotter.port());
        pv::CommandProtocol protocol(link.commu(), station.settings, station.params, station.link, host);
        pv::LinkPrintStarter starter(protocol);
        station.printStarter = &starter;
        // A machine wide enough for 2 m, told so before the print.
        if (protocol.ReadMachineParameters() != pv::kLinkOk) {
            state.SkipWithError("the plotter does not answer");
            return;
        }
        station.params.Edit([](pv::MachineParams& p) { p.adv.softLimitMm = 4000; });
        protocol.WriteAdvParams();
        station.link.status.online = true;
        protocol.commu().SendCommand(pv::kCmdStatusPoll);   // the ready state

        auto job = std::make_unique<pv::COnePage>(pv::bench::GarmentMarker());
        job->fileName = job->filePath = "marker.plt";
        job->queued = 1;
        station.jobs.AddOpenedJob(std::move(job));
        const double beforeMb = AllocatedMb();
        const double beforeRss = ResidentMb();

        if (station.jobs.StartNextJob() != 0 || host.WaitForResult() != pv::kPrintDone) {
            state.SkipWithError("the marker did not print");
            return;
        }
        const double afterMb = AllocatedMb();
        const double afterRss = ResidentMb();
        state.counters["allocBeforeMB"] = beforeMb;
        state.counters["allocPeakMB"] = host.PeakMb();
        state.counters["allocAfterMB"] = afterMb;
        state.counters["rssBeforeMB"] = beforeRss;
        state.counters["rssAfterMB"] = afterRss;
        state.counters["bands"] = station.output.PlotBandCount;
        station.printStarter = nullptr;
    }
}
BENCHMARK(BM_MemoryAroundOnePrintOfTheMarker)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
