#include "link/refresh_loop.h"

#include "link/link_wait.h"

namespace pv {

RefreshLoop::RefreshLoop(LinkState& state, StationHost& host) : state_(state), host_(host) {}

RefreshLoop::~RefreshLoop() { Stop(); }

void RefreshLoop::Start() {
    if (thread_.joinable()) return;
    thread_ = std::jthread([this](std::stop_token token) {
        while (LinkWait(token, kPeriodMs)) {
            if (!state_.printThread.load() && !state_.stopRequested.load()) host_.Refresh();
            ++turns_;
        }
    });
}

void RefreshLoop::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

}  // namespace pv
