#pragma once
// Bounded waits on a condition, for tests whose other threads or processes
// get there in their own time.
#include <chrono>
#include <thread>

namespace pv::test {

// Asks `done` up to `tries` times, `stepMs` milliseconds apart, and once more
// at the end; true as soon as it holds.  The default bound is 10 s.
template <class Pred>
bool WaitFor(Pred done, int tries = 400, int stepMs = 25) {
    for (int i = 0; i < tries; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
    }
    return done();
}

}  // namespace pv::test
