#pragma once
// Where the command-line tool finds the machine: over Ethernet at
// --machine HOST[:PORT], or over USB with --usb; --timeout MS bounds every
// wait for it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "settings/app_settings.h"
#include "settings/edition.h"

namespace pv {
class MachineLink;
}

namespace pv::cli {

struct MachineAddress {
    std::int32_t ip = 0;        // `MachineIP` form: first dotted part in the lowest byte
    std::uint16_t port = 0;
    std::string text;           // as given, for messages
};

// Resolves HOST (an IPv4 address or a host name) to its first IPv4 address;
// PORT defaults to the edition's.  Prints what is wrong and returns nothing
// (exit status kExitBadAddress).
std::optional<MachineAddress> ParseMachineAddress(const std::string& programName, const std::string& value,
                                                  Edition edition);

// Exactly four dotted numbers of 0 to 255 ("192.168.1.176"), in the
// `MachineIP` form; nothing otherwise.
std::optional<std::int32_t> ParseDottedAddress(const std::string& text);

// The options every machine-reaching command takes.
inline const std::vector<std::string> kMachineValued{"--machine", "--timeout"};
inline const std::vector<std::string> kMachineFlags{"--usb"};

struct MachineTarget {
    bool usb = false;
    MachineAddress eth;         // the Ethernet address and port (unused over USB)
    bool named = false;         // --machine given: the address for the whole command
    int timeoutMs = 0;          // 0: the link's own waits (connect 5 s, each reply 6 s)
    std::string text;           // "USB" or the address as given, for messages
};

// For a command that talks to the machine: loads the command's settings
// (LoadCliSettings) and points them at the machine --usb or --machine name
// (both at once is a mistake).  With neither, `settingsDefault` picks
// Ethernet at the settings' MachineIP and the edition's port; otherwise
// --machine is required.  Prints what is wrong and returns nothing with the
// exit status in `status`.
std::optional<MachineTarget> LoadMachineTarget(const CliContext& ctx, const char* command,
                                               const ParsedOptions& options, bool settingsDefault,
                                               AppSettings& settings, int& status);

// Puts the target's port and waits on the link's Ethernet transport; an
// address named with --machine stays the one reached for the whole command,
// whatever address the machine reports for itself.
void ApplyMachineTarget(const MachineTarget& target, MachineLink& link);

// "<program> <command>: the machine is offline: no answer from X (result
// R)" on stderr, or, when something came back (`reply`), what it was;
// returns kExitOffline.  Over USB it looks at the device first and says
// when it is plugged in but cannot be opened (permission) or is held by
// another program.
int ReportOffline(const CliContext& ctx, const char* command, const MachineTarget& target, int result,
                  const std::vector<std::uint8_t>& reply = {});

// What keeps the edition's USB device from being used, as a sentence
// without the program's name: plugged in but not ours to open (permission),
// held by another program, or not plugged in at all (`plugged` false);
// empty when it can be opened.
std::string UsbAccessProblem(const CliContext& ctx, bool* plugged = nullptr);

}  // namespace pv::cli
