#pragma once
// The words the link threads share with the user interface.
#include <atomic>
#include <cstdint>

#include "link/command_queue.h"
#include "link/machine_status.h"

namespace pv {

struct LinkState {
    MachineStatus status;
    CommandQueue queue;
    std::atomic<bool> printThread{false};       // a print driver runs: connections stay open
    std::atomic<bool> stopRequested{false};     // the window is closing
    std::atomic<std::int32_t> bandInProgress{0};
    // The address the operator entered, waiting to be written to the machine
    // (first dotted part in the lowest byte, like `MachineIP`).
    std::atomic<std::int32_t> editMachineIP{0};
};

}  // namespace pv
