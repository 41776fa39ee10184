#pragma once
// What the machine last reported.  Written by the link threads, read by the
// user interface; every field is one word written whole.
#include <atomic>
#include <cstdint>

namespace pv {

// Machine state codes of the status reply's fourth byte.
enum MachineStateCode : std::uint8_t {
    kStateInitialising = 0,   // also set by the link when the machine stops answering
    kStateReady = 1,
    kStateCleaning = 2,
    kStateWorking = 3,        // `busy` paces the data stream
    kStatePaused = 4,
    kStateMemoryError = 5,
    kStateSeekingZero = 7,
    kStateCuttingPaper = 8,
    kStateReadingParams = 255,
};

struct MachineStatus {
    std::atomic<bool> online{false};           // parameter blocks read since the last link failure
    std::atomic<std::uint8_t> state{0};
    std::atomic<std::uint8_t> busy{0};
    std::atomic<std::int32_t> carriagePos{0};  // carriage motor pulses
    std::atomic<bool> carriagePosNew{false};   // cleared when the status display has shown it

    // Both bytes of a status reply.
    void StoreReply(std::uint8_t s, std::uint8_t b) {
        state.store(s);
        busy.store(b);
    }
    void GoOffline() {
        online.store(false);
        state.store(kStateInitialising);
    }
};

}  // namespace pv
