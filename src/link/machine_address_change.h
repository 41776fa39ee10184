#pragma once
// The operator's new machine address (the network dialog's OK): kept as
// `EditMachineIP`; while online the write request 0x23 is queued and the link
// moves `MachineIP` once it has written it, otherwise `MachineIP` changes at
// once.  Addresses are in the `MachineIP` form, first dotted part in the
// lowest byte.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/link_state.h"
#include "settings/app_settings.h"
#include "settings/shared_record.h"

namespace pv {

enum class AddressChange {
    Stored,   // offline: MachineIP holds the new address
    Queued,   // online: the write waits in the command queue
    Lost,     // online, but five codes were already waiting: nothing changes but EditMachineIP
};

AddressChange ApplyMachineAddress(LinkState& state, SharedRecord<AppSettings>& settings, std::int32_t address);

// Why `address` cannot be a machine's own address, or nothing when it can:
// 0.0.0.0 and the rest of 0.x.x.x (this network), the broadcast address
// 255.255.255.255, multicast (224-239.x.x.x) and the reserved 240-254.x.x.x.
// A machine given one of them cannot be reached again.
std::optional<std::string> UnusableMachineAddress(std::int32_t address);

// "a.b.c.d" for an address in the `MachineIP` form.
std::string DottedAddress(std::int32_t address);

// This computer's IPv4 addresses as its host name resolves them, in the
// order returned (none when the name resolves to none).
std::vector<std::string> LocalAddresses();

}  // namespace pv
