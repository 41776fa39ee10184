#pragma once
// --machine HOST[:PORT]: where the command-line tool finds the machine.
#include <cstdint>
#include <optional>
#include <string>

#include "cli/cli_options.h"
#include "settings/app_settings.h"
#include "settings/edition.h"

namespace pv::cli {

struct MachineAddress {
    std::int32_t ip = 0;        // `MachineIP` form: first dotted part in the lowest byte
    std::uint16_t port = 0;
    std::string text;           // as given, for messages
};

// Resolves HOST (an IPv4 address or a host name) to its first IPv4 address;
// PORT defaults to the edition's.  Prints what is wrong and returns nothing.
std::optional<MachineAddress> ParseMachineAddress(const std::string& programName, const std::string& value,
                                                  Edition edition);

// For a command that talks to the machine: resolves `machineText`, then
// loads the command's settings (LoadCliSettings) and points them at that
// address over Ethernet.  Prints what is wrong and returns nothing.
std::optional<MachineAddress> LoadMachineSettings(const CliContext& ctx, const ParsedOptions& options,
                                                  const std::string& machineText, AppSettings& settings);

}  // namespace pv::cli
