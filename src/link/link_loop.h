#pragma once
// The link thread: reads the machine's parameters while offline, sends the
// codes waiting in the command queue, and polls the machine's status on every
// 102nd pass.  It stays away from the machine while a print runs.
//
// A machine found working (or paused) in a job at the first poll after a
// connection, before this station started any print, runs a job the station
// did not start (typically one left when the station was killed mid-print):
// the operator is told once, with what to do, instead of waiting in silence
// for a machine that never becomes ready.
#include <stop_token>
#include <string>
#include <thread>

#include "link/command_protocol.h"
#include "link/status_poller.h"

namespace pv {

class LinkLoop {
public:
    static constexpr int kOfflinePauseMs = 300;
    static constexpr int kPrintingPauseMs = 100;
    static constexpr int kPassPauseMs = 4;
    static constexpr int kPassesBetweenPolls = 100;

    explicit LinkLoop(CommandProtocol& protocol);
    ~LinkLoop();   // stops and joins
    LinkLoop(const LinkLoop&) = delete;
    LinkLoop& operator=(const LinkLoop&) = delete;

    void Start();
    void Stop();

    // Sends the oldest waiting code, if any: 0..15 as commands, 0x23, 0x24,
    // 0x25 as the parameter writes; any other code is dropped.
    static void ProcessQueue(CommandProtocol& protocol, std::stop_token token);

    // The operator's message about a job the station did not start.
    static std::string ForeignJobMessage(int language);

private:
    void Run(std::stop_token token);
    // After a poll that came back: tells the operator about a job the
    // station did not start, once per connection.
    void CheckForeignJob();

    CommandProtocol& protocol_;
    StatusPoller poller_;
    bool firstPollDue_ = false;   // connected, no poll answered and no print started yet
    std::jthread thread_;
};

}  // namespace pv
