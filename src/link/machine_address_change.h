#pragma once
// The operator's new machine address (the network dialog's OK): kept as
// `EditMachineIP`; while online the write request 0x23 is queued and the link
// moves `MachineIP` once it has written it, otherwise `MachineIP` changes at
// once.  Addresses are in the `MachineIP` form, first dotted part in the
// lowest byte.
#include <cstdint>
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

// "a.b.c.d" for an address in the `MachineIP` form.
std::string DottedAddress(std::int32_t address);

// This computer's IPv4 addresses as its host name resolves them, in the
// order returned (none when the name resolves to none).
std::vector<std::string> LocalAddresses();

}  // namespace pv
