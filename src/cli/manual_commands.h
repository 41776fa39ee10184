#pragma once
// The machine's one-byte manual commands by the names the command line
// uses.  The jogging commands (feed, back, left, right) keep the machine
// moving until stop-jog, as a held button of the window does.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pv::cli {

struct ManualCommand {
    const char* name;
    std::uint8_t code;
    bool jog;            // runs until stop-jog
    const char* what;
};

std::span<const ManualCommand> ManualCommands();
const ManualCommand* FindManualCommand(std::string_view name);

// A word for a machine state code ("ready", "paused", "error" ...).
const char* MachineStateName(int state);

}  // namespace pv::cli
