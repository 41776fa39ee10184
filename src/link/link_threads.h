#pragma once
// The three background loops the main window starts while it is created:
// RefreshLoop, LinkLoop and HousekeepingLoop, in that order, after
// `StopRequested` has been cleared and before `PrintThread` is cleared.
// Stopping (or destroying) ends and joins all three.
#include "link/command_protocol.h"
#include "link/housekeeping_loop.h"
#include "link/link_loop.h"
#include "link/refresh_loop.h"

namespace pv {

class LinkThreads {
public:
    explicit LinkThreads(CommandProtocol& protocol);
    ~LinkThreads();
    LinkThreads(const LinkThreads&) = delete;
    LinkThreads& operator=(const LinkThreads&) = delete;

    void Start();
    // Sets `StopRequested` and ends the loops.
    void Stop();

private:
    CommandProtocol& protocol_;
    RefreshLoop refresh_;
    LinkLoop link_;
    HousekeepingLoop housekeeping_;
};

}  // namespace pv
