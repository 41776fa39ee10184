#pragma once
// Streams one prepared job to the machine on a thread of its own: checks the
// width against the machine's soft limit, sends the job-start block,
// interleaves bands and cut segments as the machine becomes ready for them,
// closes the print and reports the result to the window.
//
// A machine that stops answering during a print does not keep the driver
// polling forever: after each failed poll the connection is dropped and
// opened afresh, and after kMaxFailedPolls failed polls in a row (or
// kMaxBandRetries failed band steps in a row) the print ends as failed.
#include <atomic>
#include <stop_token>
#include <string>
#include <thread>

#include "link/command_protocol.h"
#include "link/print_job_source.h"
#include "link/status_poller.h"

namespace pv {

class PrintDriver {
public:
    static constexpr int kMaxFailedPolls = 5;
    static constexpr int kMaxBandRetries = 10;
    static constexpr int kReconnectPauseMs = 200;
    static constexpr int kReadyPollMs = 10;
    static constexpr int kPausedPollMs = 500;
    static constexpr int kIdlePollMs = 50;
    // While the machine stays busy the window hears of it this often.
    static constexpr int kBusyReportSeconds = 5;

    // `job` must outlive the driver.
    PrintDriver(CommandProtocol& protocol, PrintJobSource& job);
    ~PrintDriver();   // asks the print to stop and joins
    PrintDriver(const PrintDriver&) = delete;
    PrintDriver& operator=(const PrintDriver&) = delete;

    // Sets `PrintThread` and starts the thread.
    void Start();
    // Runs the whole print on the calling thread; returns the result.
    int Run(std::stop_token token = {});
    void Stop();
    // The print is over (the window may be hearing of it just now).
    bool Finished() const { return finished_.load(); }
    // The window has heard of it: the thread has nothing left to do.
    bool Returned() const { return returned_.load(); }
    int result() const { return result_.load(); }
    // Why the print failed, in the user's language; empty when it printed.
    std::string message() const;
    // The print was asked to stop: the Stop button's code went to the
    // machine during it, or the station stopped it.
    bool stopped() const { return stopped_.load(); }

    // The machine's travel a job of `columns` firing columns needs, in mm
    // (the width check compares its integer part with the soft limit).
    static double RequiredWidthMm(const MachineParams& params, Edition edition, int columns);

    // The steps, for the tests.
    int StreamJob(std::stop_token token);
    int WaitForDataReady(std::stop_token token);
    // Polls until the machine is ready.  `undelivered`: a closing command
    // (14 or 11) that has not reached the machine yet, sent again as soon as
    // it answers (0: none).
    void WaitUntilIdle(std::stop_token token, std::uint8_t undelivered = 0);

private:
    int Print(std::stop_token token);
    bool SendFinal(std::uint8_t code, std::stop_token token);
    void SetMessage(const char* chinese, const char* english);

    CommandProtocol& protocol_;
    PrintJobSource& job_;
    StatusPoller poller_;
    std::atomic<bool> finished_{false};
    std::atomic<bool> returned_{false};
    std::atomic<int> result_{0};
    std::atomic<bool> stopped_{false};
    mutable std::mutex messageLock_;
    std::string message_;
    std::jthread thread_;
};

}  // namespace pv
