#pragma once
// Pauses of the link threads that end early when their thread is asked to
// stop.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace pv {

// Waits `ms` milliseconds or until `token` asks to stop; false when stopped.
inline bool LinkWait(std::stop_token token, int ms) {
    if (!token.stop_possible()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return true;
    }
    std::mutex m;
    std::condition_variable_any cv;
    std::unique_lock lock(m);
    cv.wait_for(lock, token, std::chrono::milliseconds(ms), [] { return false; });
    return !token.stop_requested();
}

}  // namespace pv
