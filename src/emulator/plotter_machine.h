#pragma once
// The machine's side of the protocol: states with their timing, the two
// parameter records, the job being received and the firmware pages.  The
// connections of the virtual plotter hand it whole frames and bulk packets;
// it answers each one.  Simulated time runs at `speed` times a real
// machine's pace; 0 means no machine time at all (never busy).
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "emulator/plotter_faults.h"
#include "emulator/plotter_job.h"
#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv {

struct PlotterReply {
    std::vector<std::uint8_t> bytes;        // nothing: no answer
    bool drop = false;                      // close the connection after answering
    std::shared_ptr<PlotterJob> finished;   // a job that ended with this frame
};

struct PlotterFirmware {
    std::int32_t pagesAnnounced = 0;
    std::vector<std::uint8_t> data;         // every firmware packet received
    bool ended = false;                     // the end request arrived
};

class PlotterMachine {
public:
    using Clock = std::chrono::steady_clock;

    PlotterMachine(Edition edition, double speed, std::vector<PlotterFault> faults, bool keepBandData);

    // One whole request frame; `localIp` is the address the client reached
    // (first dotted part in the lowest byte).
    PlotterReply HandleFrame(const std::uint8_t* frame, std::size_t n, std::uint32_t localIp);
    PlotterReply HandleBulkPacket(const std::uint8_t* data, std::size_t n);
    // The size of the next bulk packet: 1024 while firmware pages are due,
    // 1400 otherwise.
    std::size_t BulkPacketSize() const;
    // Data of an unfinished transfer is dropped with its connection.
    void ConnectionClosed();
    // Whether the machine answers at all just now.
    bool Silent() const;

    // Inspection (tests, the emulator's report).
    std::uint8_t State() const;
    MachineParams Params() const;
    PlotterFirmware Firmware() const;
    std::int32_t WrittenIp() const;
    int JobsStarted() const;
    std::vector<std::uint8_t> IdleCommands() const;   // commands outside a job
    // The head and code of every frame received, in order (the first 4096).
    std::vector<std::pair<std::uint8_t, std::uint8_t>> FrameLog() const;
    // Bands received so far by the job in progress (0 when none).
    int CurrentJobBands() const;
    // The jobs that ended, oldest first (the last 16).
    std::vector<std::shared_ptr<const PlotterJob>> FinishedJobs() const;
    // What arrived for the newest job (the one in progress, else the last
    // that ended) since a watcher last looked: when that job is `jobNumber`,
    // its bands from `bandsSeen` and cut segments from `cutsSeen` on, else the
    // whole job with `whole` set.  Copies only what is new, so a watcher that
    // looks often holds the machine's lock briefly.
    struct JobUpdate {
        bool any = false;      // there is a newest job at all
        bool whole = false;    // `job` holds everything so far, not only the news
        bool ended = false;    // the newest job has ended
        PlotterJob job;
    };
    JobUpdate JobSince(int jobNumber, std::size_t bandsSeen, std::size_t cutsSeen) const;

private:
    void Advance(Clock::time_point now);
    std::uint8_t BusyByte(Clock::time_point now) const;
    std::vector<std::uint8_t> Status(std::uint8_t head, std::uint8_t code, Clock::time_point now) const;
    void Command(std::uint8_t code, Clock::time_point now, PlotterReply& reply);
    void Write(std::uint8_t code, const std::uint8_t* data, std::size_t n, Clock::time_point now,
               PlotterReply& reply);
    std::vector<std::uint8_t> Read(std::uint8_t code, std::uint32_t localIp) const;
    void StartJob(std::int32_t paperLength, std::int32_t columns, PlotterReply& reply);
    void EndJob(const char* ending, PlotterReply& reply);
    void Band(const std::uint8_t* header, Clock::time_point now, PlotterReply& reply);
    void Cut(std::int32_t count, Clock::time_point now);
    void StateFor(std::uint8_t state, double seconds, Clock::time_point now);
    PlotterFault* DueFault(FaultKind kind, std::int64_t n);
    Clock::duration Scaled(double seconds) const;

    mutable std::mutex lock_;
    const Edition edition_;
    const double speed_;
    const bool keepBandData_;
    std::vector<PlotterFault> faults_;
    MachineParams params_;
    std::uint8_t state_ = 1;
    Clock::time_point busyUntil_{};
    // A timed state (cleaning, seeking zero, cutting) returns to `after_`.
    bool timedState_ = false;
    Clock::time_point timedUntil_{};
    std::uint8_t after_ = 1;
    bool finishing_ = false;                // job complete received, work still running
    Clock::time_point silentUntil_{};
    std::int32_t carriagePos_ = 0;          // carriage motor pulses
    std::int32_t writtenIp_ = 0;
    std::vector<std::uint8_t> pending_;     // bulk bytes waiting for their header
    std::shared_ptr<PlotterJob> job_;
    int jobsStarted_ = 0;
    std::int64_t jobFrames_ = 0;
    std::int64_t jobPackets_ = 0;
    PlotterFirmware firmware_;
    bool firmwareDue_ = false;
    std::vector<std::uint8_t> idleCommands_;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> frameLog_;
    std::vector<std::shared_ptr<const PlotterJob>> finished_;
};

}  // namespace pv
