#pragma once
// The link thread: reads the machine's parameters while offline, sends the
// codes waiting in the command queue, and polls the machine's status on every
// 102nd pass.  It stays away from the machine while a print runs.
#include <stop_token>
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

private:
    void Run(std::stop_token token);

    CommandProtocol& protocol_;
    StatusPoller poller_;
    std::jthread thread_;
};

}  // namespace pv
