#pragma once
// The machine's side of the two parameter records: the bytes it answers
// read requests 18 and 19 with, and how it takes the records of write
// requests 0x24 and 0x25.  Written from the records' byte tables on their
// own, not with the program's encoders, so that a layout mistake of either
// side shows as a difference between them.
//
//   two-head:  machine record 36 bytes (48 on the wire, the rest zero),
//              advanced record 32 bytes
//   four-head: machine record 52 bytes, advanced record 28 bytes
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "params/machine_params.h"
#include "settings/edition.h"

namespace pv {

// Bytes of each record as the machine sends and expects it.
std::size_t MachineRecordWireSize(Edition e);
std::size_t AdvRecordWireSize(Edition e);

std::vector<std::uint8_t> MachineRecordBytes(const MachineParaBlock& b, Edition e);
std::vector<std::uint8_t> AdvRecordBytes(const AdvParaBlock& b, Edition e);

// False, with `b` unchanged, unless `bytes` has exactly the wire size.
bool TakeMachineRecord(std::span<const std::uint8_t> bytes, Edition e, MachineParaBlock& b);
bool TakeAdvRecord(std::span<const std::uint8_t> bytes, Edition e, AdvParaBlock& b);

}  // namespace pv
