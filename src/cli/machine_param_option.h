#pragma once
// --param NAME=VALUE: one field of the machine's parameter records, named
// as in the records, set to its stored integer (0.1 mm fields in 0.1 mm,
// pulses per mm ×100, …), for commands that work without a machine.
#include <string>
#include <string_view>

#include "params/machine_params.h"

namespace pv::cli {

// Applies "NAME=VALUE".  Empty on success, else what is wrong (unknown
// field, not a whole number, outside the field's type), with the exit
// status for it in `status` (kExitUnknownField, kExitOutOfRange or
// kExitUsage).
std::string ApplyMachineParam(MachineParams& params, std::string_view assignment, int& status);

}  // namespace pv::cli
