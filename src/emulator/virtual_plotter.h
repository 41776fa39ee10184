#pragma once
// A stand-in machine on a TCP socket: it answers every frame of the protocol
// the way a plotter's mainboard does, with plausible states and pacing, holds
// the two parameter records, takes firmware pages, and, when a recording
// folder is given, writes what each job delivered (job-NNN/summary.json,
// ink.png, cuts.json).  Used by `emulate`, the link tests and the benchmarks.
#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "emulator/plotter_faults.h"
#include "emulator/plotter_machine.h"
#include "settings/app_settings.h"
#include "settings/edition.h"

namespace pv {

class JobRecorder;

struct VirtualPlotterOptions {
    Edition edition = Edition::TwoHead;
    std::string bindAddress = "127.0.0.1";
    int port = -1;                          // -1: the edition's port; 0: any free port
    double speed = 0;                       // 0 as fast as possible, 1 a real machine's pace
    std::vector<PlotterFault> faults;
    std::string recordDir;                  // empty: record nothing
    bool keepBands = false;                 // keep the band bytes even when recording nothing
    // The settings the jobs are prepared with: how the recording reads the
    // bands' layout (line width, cleaning band, logo).
    AppSettings layoutSettings;
};

class VirtualPlotter {
public:
    explicit VirtualPlotter(VirtualPlotterOptions options);
    ~VirtualPlotter();
    VirtualPlotter(const VirtualPlotter&) = delete;
    VirtualPlotter& operator=(const VirtualPlotter&) = delete;

    // Binds, listens and starts serving; false with `error()` set when the
    // address cannot be had.
    bool Start();
    void Stop();
    std::uint16_t port() const { return port_; }
    const std::string& error() const { return error_; }
    PlotterMachine& machine() { return machine_; }
    // Jobs that ended so far (complete, stopped, left or replaced).
    int JobsEnded() const { return jobsEnded_.load(); }

private:
    void AcceptLoop(std::stop_token token);
    void Serve(std::stop_token token, int fd, std::atomic<bool>& done);
    // Handles what `buffer` holds; false when the connection must close.
    bool Process(int fd, std::vector<std::uint8_t>& buffer, std::uint32_t localIp);
    bool Answer(int fd, const PlotterReply& reply);

    VirtualPlotterOptions options_;
    PlotterMachine machine_;
    std::unique_ptr<JobRecorder> recorder_;
    int listenFd_ = -1;
    std::uint16_t port_ = 0;
    std::string error_;
    std::atomic<int> jobsEnded_{0};
    std::mutex recordLock_;
    std::mutex connectionsLock_;
    struct Connection {
        std::shared_ptr<std::atomic<bool>> done;
        std::jthread thread;
    };
    std::list<Connection> connections_;
    std::jthread acceptThread_;
};

}  // namespace pv
