#pragma once
// Asks the window, in a fixed rhythm, to scan the manual and the automatic
// folder and, with `AutoDelFinish` on, every fourth cycle to remove the
// finished jobs.
#include <thread>

#include "link/link_state.h"
#include "link/station_host.h"
#include "settings/app_settings.h"
#include "settings/shared_record.h"

namespace pv {

class HousekeepingLoop {
public:
    static constexpr int kScanPauseMs = 400;
    static constexpr int kCyclePauseMs = 800;

    HousekeepingLoop(LinkState& state, const SharedRecord<AppSettings>& settings, StationHost& host);
    ~HousekeepingLoop();
    HousekeepingLoop(const HousekeepingLoop&) = delete;
    HousekeepingLoop& operator=(const HousekeepingLoop&) = delete;

    void Start();
    void Stop();

private:
    void Run(std::stop_token token);

    LinkState& state_;
    const SharedRecord<AppSettings>& settings_;
    StationHost& host_;
    std::jthread thread_;
};

}  // namespace pv
