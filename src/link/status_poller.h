#pragma once
// The status poll of the link threads.  Over USB a machine may miss three
// polls in a row and stay online; the fourth missed poll, or any missed poll
// over Ethernet, takes the system offline (state 0).
#include <stop_token>

#include "link/command_protocol.h"

namespace pv {

class StatusPoller {
public:
    static constexpr int kUsbMissesTolerated = 3;

    explicit StatusPoller(CommandProtocol& protocol) : protocol_(protocol) {}

    // The poll's result; on success the carriage position is read as well
    // when the machine is ready or paused.
    int PollStatus(std::stop_token token = {});
    // Polls that failed in a row, whatever the transport.
    int failuresInRow() const { return failuresInRow_; }

private:
    CommandProtocol& protocol_;
    int usbFailures_ = 0;
    int failuresInRow_ = 0;
};

}  // namespace pv
