#include "link/housekeeping_loop.h"

#include "link/link_wait.h"

namespace pv {

HousekeepingLoop::HousekeepingLoop(LinkState& state, const SharedRecord<AppSettings>& settings, StationHost& host)
    : state_(state), settings_(settings), host_(host) {}

HousekeepingLoop::~HousekeepingLoop() { Stop(); }

void HousekeepingLoop::Start() {
    if (thread_.joinable()) return;
    thread_ = std::jthread([this](std::stop_token t) { Run(t); });
}

void HousekeepingLoop::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

void HousekeepingLoop::Run(std::stop_token token) {
    int cycles = 0;
    while (!token.stop_requested() && !state_.stopRequested.load()) {
        host_.ScanManualDirectory();
        if (!LinkWait(token, kScanPauseMs)) break;
        host_.ScanAutoDirectory();
        if (!LinkWait(token, kScanPauseMs)) break;
        const bool autoDelete = settings_.Read([](const AppSettings& s) { return s.AutoDelFinish != 0; });
        if (autoDelete && !state_.stopRequested.load()) {
            if (cycles++ > 2) {
                host_.RemoveFinishedJobs();
                cycles = 0;
            }
        }
        if (!LinkWait(token, kCyclePauseMs)) break;
    }
}

}  // namespace pv
