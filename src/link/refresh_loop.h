#pragma once
// Every 500 ms asks the window to refresh (which also starts the next queued
// job), except while a print runs or the window is closing.
#include <atomic>
#include <thread>

#include "link/link_state.h"
#include "link/station_host.h"

namespace pv {

class RefreshLoop {
public:
    static constexpr int kPeriodMs = 500;

    RefreshLoop(LinkState& state, StationHost& host);
    ~RefreshLoop();
    RefreshLoop(const RefreshLoop&) = delete;
    RefreshLoop& operator=(const RefreshLoop&) = delete;

    void Start();
    void Stop();
    // Periods ended so far, refreshed or not: the loop's own pace, for a
    // caller that must see what the loop does (or leaves) over some periods.
    int Turns() const { return turns_.load(); }

private:
    LinkState& state_;
    StationHost& host_;
    std::atomic<int> turns_{0};
    std::jthread thread_;
};

}  // namespace pv
